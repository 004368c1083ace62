#!/usr/bin/env bash
# Measures the program against the least window a program can show, both under Wine on a
# private Xvfb, then soaks it. Prints every target with the figure that meets or misses it, and
# last one line of figures with the ratios program/baseline. Exit code 0 when every target is
# met. Takes two to three minutes; timings vary with the machine, so nothing here is a test.
#   scripts/benchmark.sh [PAIRS]     PAIRS: baseline/program runs after the warm-up (default 15)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build/windows
session=$build/bench-session
exe=$build/bin/velmora-keyboard.exe
pairs=${1:-15}
idle_seconds=15

cd "$root"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" --target velmora_bench >/dev/null

trap '"$root/scripts/wine-session.sh" stop "$session"' EXIT
VELMORA_PRIVATE_DISPLAY=1 "$root/scripts/wine-session.sh" start "$session"
# Wine's console ends lines with CR LF.
measure() { "$root/scripts/wine-emulator.sh" "$session" "$build/bin/velmora_bench.exe" "$@" | tr -d '\r'; }

echo "benchmark: $pairs pairs after a warm-up pair, then ${idle_seconds} s idle..." >&2
benchmark=$(measure benchmark "$pairs" "$idle_seconds")
echo "soak: 2000 clicks, 500 pasted delays, 200 Caps Lock clicks, ${idle_seconds} s idle..." >&2
soak=$(measure soak 2000 500 200 "$idle_seconds") || true
[[ $soak == soak* ]] || { echo "benchmark.sh: the soak did not finish" >&2; exit 1; }

# figure LINE NAME: the value of NAME=... in a line of the driver.
figure() { sed -n "s/.* $2=\([^ ]*\).*/\1/p" <<<"$1"; }
program() { figure "$benchmark" "$1" | cut -d/ -f1; }
baseline() { figure "$benchmark" "$1" | cut -d/ -f2; }
calc() { awk "BEGIN { printf \"$1\", $2 }"; }
ratio() { calc %.2f "$(program "$1") / $(baseline "$1")"; }

exe_bytes=$(stat -c %s "$exe")
headers=$(x86_64-w64-mingw32-objdump -f -h "$exe")
stripped=yes
grep -qE 'HAS_SYMS|\.debug' <<<"$headers" && stripped=no
resources=no
grep -q '\.rsrc' <<<"$headers" && resources=yes
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }' | sort -f | tr '\n' ' ')
foreign_imports=$(tr ' ' '\n' <<<"$imports" |
  grep -viE '^((kernel32|user32|gdi32|advapi32|msvcrt|ucrtbase)\.dll|api-ms-win-crt-.*\.dll|)$' || true)

met=yes
target() {  # target DESCRIPTION FIGURE CONDITION(0/1)
  local verdict=met
  [[ $3 == 1 ]] || { verdict=MISSED; met=no; }
  printf '%-44s %-36s %s\n' "$1" "$2" "$verdict"
}
startup_ratio=$(ratio startup_ms)
peak_growth=$(calc %.0f "$(program peak_working_set_kib) - $(baseline peak_working_set_kib)")
idle_cpu=$(figure "$benchmark" idle_cpu_ms)
private_growth=$(figure "$soak" private_growth_kib)
gdi_growth=$(figure "$soak" gdi_growth)
windows_growth=$(figure "$soak" windows_growth)
target "start-up program/baseline <= 1.30" "$startup_ratio" "$(calc %d "$startup_ratio <= 1.30")"
target "peak working set <= baseline + 2048 KiB" "+$peak_growth KiB" "$(calc %d "$peak_growth <= 2048")"
target ".exe <= 128 KiB, stripped, with resources" \
  "$(calc %.1f "$exe_bytes / 1024") KiB, stripped $stripped, rsrc $resources" \
  "$([[ $exe_bytes -le 131072 && $stripped == yes && $resources == yes ]] && echo 1)"
target "imports only system DLLs" "${foreign_imports:-none foreign}" "$([[ -z $foreign_imports ]] && echo 1)"
target "idle CPU <= 10 ms over ${idle_seconds} s" "$idle_cpu ms" "$(calc %d "$idle_cpu <= 10")"
target "soak: no GDI object or window growth" "GDI +$gdi_growth, windows +$windows_growth" \
  "$(calc %d "$gdi_growth == 0 && $windows_growth == 0")"
target "soak: private bytes growth <= 64 KiB" "+$private_growth KiB" "$(calc %d "$private_growth <= 64")"
target "soak: Caps Lock and delay as before" \
  "caps $(figure "$soak" caps_lock_restored), delay $(figure "$soak" delay_restored)" \
  "$(calc %d "$(figure "$soak" caps_lock_restored) && $(figure "$soak" delay_restored)")"

pair() { echo "$(figure "$benchmark" "$1")${2:+ $2} x$(ratio "$1")"; }
echo "velmora-keyboard/baseline, medians of $pairs pairs:" \
  "start-up $(pair startup_ms ms) | exit $(pair close_ms ms)" \
  "| peak working set $(pair peak_working_set_kib KiB) (+$peak_growth KiB)" \
  "| private $(pair private_kib KiB) | GDI objects $(pair gdi_objects) | windows $(pair windows)" \
  "| .exe $(calc %.1f "$exe_bytes / 1024") KiB, imports ${imports% }" \
  "| idle CPU $idle_cpu ms/${idle_seconds} s" \
  "| soak growth: private +$private_growth KiB, GDI +$gdi_growth, windows +$windows_growth," \
  "idle CPU after use $(figure "$soak" idle_cpu_after_use_ms) ms/${idle_seconds} s"
[[ $met == yes ]]
