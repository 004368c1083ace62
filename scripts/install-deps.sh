#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when any is missing.
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev           # native core and its unit tests
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64  # the Windows program
  wine wine64 fonts-wine xvfb xauth                 # running it here
  fonts-wqy-microhei imagemagick                    # Chinese glyphs, screenshots
  clang libclang-rt-14-dev clang-tidy clang-format cppcheck  # fuzzing, sanitizers, analysis
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
