#!/usr/bin/env bash
# Runs one Windows program of the build under Wine, in the session that wine-session.sh started
# for this build folder: its private prefix and its display.
set -euo pipefail
session=$1
shift
if [[ ! -f "$session/env" ]]; then
  echo "wine-emulator: no Wine session in $session; start one with scripts/wine-session.sh start $session" >&2
  exit 2
fi
# shellcheck disable=SC1091
source "$session/env"
exec wine "$@"
