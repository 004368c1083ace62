#!/usr/bin/env bash
# Builds the program and runs it under Wine, in a session private to the build folder.
#   scripts/run.sh [--screenshot FILE.png] [--update-docs]
# On a display (DISPLAY set, VELMORA_HEADLESS unset) the program runs there in the foreground
# until it is closed. Without one it runs on a private virtual screen: the window is filled
# (keyboard type included), photographed to FILE.png (default build/windows/screenshot.png, and
# also docs/screenshot.png with --update-docs), then closed with Esc. Either way the program's
# exit code is printed, and the script fails unless it is 0.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
screenshot=$root/build/windows/screenshot.png
update_docs=
while [[ $# -gt 0 ]]; do
  case "$1" in
    --screenshot) screenshot=$(realpath -m "${2:?--screenshot needs a file}"); shift 2 ;;
    --update-docs) update_docs=1; shift ;;
    *) echo "usage: scripts/run.sh [--screenshot FILE.png] [--update-docs]" >&2; exit 2 ;;
  esac
done

"$root/scripts/install-deps.sh"
cd "$root"
cmake --preset windows
cmake --build --preset windows -j"$(nproc)"

session=$root/build/windows/run-session
bin=$root/build/windows/bin
wine_in_session() { "$root/scripts/wine-emulator.sh" "$session" "$@"; }
trap '"$root/scripts/wine-session.sh" stop "$session"' EXIT

report_exit() {
  echo "velmora-keyboard exited with code $1"
  [[ $1 -eq 0 ]]
}

if [[ -n "${DISPLAY:-}" && -z "${VELMORA_HEADLESS:-}" ]]; then
  "$root/scripts/wine-session.sh" start "$session"
  code=0
  wine_in_session "$bin/velmora-keyboard.exe" || code=$?
  report_exit "$code"
  exit
fi

# A private X server of its own, and Wine's virtual desktop on it, which draws the window's
# caption and frame as no window manager is there to draw them.
VELMORA_PRIVATE_DISPLAY=1 "$root/scripts/wine-session.sh" start "$session" --desktop 1024x768
# shellcheck disable=SC1091
display=$(source "$session/env" && echo "$DISPLAY")
wine_in_session "$bin/velmora-keyboard.exe" &
program=$!
geometry=$(wine_in_session "$bin/velmora-drive.exe" fill | tr -d '\r')
# The window's drawing reaches the X server a moment after it is painted.
sleep 1
mkdir -p "$(dirname "$screenshot")"
/usr/bin/import -display "$display" -window root -crop "$geometry" +repage "$screenshot"
echo "screenshot: $screenshot"
if [[ -n "$update_docs" ]]; then
  mkdir -p "$root/docs"
  cp "$screenshot" "$root/docs/screenshot.png"
  echo "screenshot: $root/docs/screenshot.png"
fi
wine_in_session "$bin/velmora-drive.exe" close
code=0
wait "$program" || code=$?
report_exit "$code"
