#!/usr/bin/env bash
# clang-tidy (the checks in .clang-tidy) and cppcheck over every source file of the project, each
# file once, with the flags of the first build that compiles it: native (the portable core and its
# unit tests), fuzz (the fuzz target), windows (toolkit, bindings, program, Windows tests and
# benchmark). Exit code 0 when neither tool reports anything.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
jobs=$(nproc)
builds=(native fuzz windows)
work=$root/build/static-analysis

for build in "${builds[@]}"; do cmake --preset "$build" >/dev/null; done

# own_sources BUILD: the project's files in that build's compile commands, relative to the root.
own_sources() {
  sed -n 's/^  "file": "\(.*\)"$/\1/p' "build/$1/compile_commands.json" |
    sed -n "s|^$root/||p" | grep -v '^build/' | sort -u
}

# clang accepts no execution character set but UTF-8; the texts are checked as they are written.
# For Windows it parses MinGW-w64's headers, with its own intrinsics instead of GCC's.
clang_tidy_arguments() {
  echo "-extra-arg=-fexec-charset=UTF-8"
  [[ $1 == windows ]] || return 0
  local compiler
  compiler=$(sed -n '/^  "command": /{s/^  "command": "\([^ ]*\) .*/\1/p;q}' build/windows/compile_commands.json)
  echo "-extra-arg=--target=x86_64-w64-mingw32"
  echo "-extra-arg=-nostdinc"
  echo "-extra-arg=-isystem$(clang++ -print-resource-dir)/include"
  "$compiler" -x c++ -E -v - </dev/null 2>&1 | sed -n '/^#include <...>/,/^End of search/p' |
    sed -n 's/^ //p' | xargs -n 1 realpath | grep -vE '/lib/gcc/[^/]+/[^/]+/include(-fixed)?$' |
    sed 's/^/-extra-arg=-isystem/'
}

# cppcheck reads no identifier outside ASCII, and the control names are Chinese. It reads a copy
# in which every such character outside texts and comments is spelled _uXXXX.
ascii_copy() {
  rm -rf "$work/sources"
  find keyboard platform res shell tests -name '*.h' -o -name '*.cpp' | while read -r file; do
    mkdir -p "$work/sources/$(dirname "$file")"
    perl -0777 -CSD -pe 's{("(?:\\.|[^"\\\n])*"|\x27(?:\\.|[^\x27\\\n])*\x27|//[^\n]*|/\*.*?\*/)|([^\x00-\x7F])}
                          {defined $1 ? $1 : sprintf("_u%04X", ord $2)}gse' "$file" >"$work/sources/$file"
  done
}

cppcheck_arguments() {
  if [[ $1 == windows ]]; then
    echo --platform=win64 --library=windows,googletest -D_WIN32 -D_WIN64
  else
    echo --platform=native --library=googletest
  fi
}

ascii_copy
declare -A analysed
status=0
for build in "${builds[@]}"; do
  files=()
  while read -r file; do
    [[ -n ${analysed[$file]:-} ]] && continue
    analysed[$file]=1
    files+=("$file")
  done < <(own_sources "$build")
  [[ ${#files[@]} -gt 0 ]] || continue
  echo "== $build: ${#files[@]} files" >&2
  mapfile -t tidy_arguments < <(clang_tidy_arguments "$build")
  run-clang-tidy -quiet -j "$jobs" -p "build/$build" "${tidy_arguments[@]}" \
    "${files[@]/#/^$root/}" >"$work/clang-tidy-$build.log" 2>&1 || status=1
  grep -E '(warning|error): ' "$work/clang-tidy-$build.log" | sort -u || true
  # shellcheck disable=SC2046
  (cd "$work/sources" && cppcheck --std=c++20 $(cppcheck_arguments "$build") -I . \
    --enable=warning,style,performance,portability --inline-suppr --error-exitcode=1 --quiet \
    -j "$jobs" "${files[@]}") || status=1
done
[[ $status -eq 0 ]] && echo "static analysis: clean" >&2
exit $status
