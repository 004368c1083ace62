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
cmake --preset native-sanitize >/dev/null
cmake --build --preset native-sanitize -j"$jobs"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"

status=0
scripts/static-analysis.sh || status=1   # clang-tidy and cppcheck
ctest --preset native-sanitize || status=1  # the unit tests under ASan and UBSan
ctest --preset fuzz || status=1             # a bounded run over the committed seeds
ctest --preset native || status=1
ctest --preset windows || status=1
exit $status
