#!/usr/bin/env bash
# Runs every test: the portable core natively, then the toolkit, the bindings and the program
# under Wine. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"

status=0
ctest --preset native || status=1
ctest --preset windows || status=1
exit $status
