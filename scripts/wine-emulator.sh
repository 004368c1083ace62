#!/usr/bin/env bash
# Runs one Windows program of the build under Wine, in the session that wine-session.sh started
# for this build folder: its private prefix and its display.
set -euo pipefail
session=$1
shift
# CTest lists a test program's tests before the session fixture runs: start one then.
if [[ ! -f "$session/env" ]]; then
  "$(dirname "$0")/wine-session.sh" start "$session" >&2
fi
# shellcheck disable=SC1091
source "$session/env"
exec wine "$@"
