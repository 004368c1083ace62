#!/usr/bin/env bash
# A Wine session for one build folder: a private prefix inside it (so no test touches anyone's
# real settings), a display (a private Xvfb when there is none), and one persistent wineserver
# that keeps Wine's helpers warm for every program of the run.
#   wine-session.sh start SESSION_DIR [--desktop WxH]   prepares it and writes SESSION_DIR/env
#   wine-session.sh stop SESSION_DIR                    ends what start began
set -euo pipefail
command=${1:?start or stop}
session=$(mkdir -p "${2:?session folder}" && cd "$2" && pwd)
desktop=${4:-}
caller_display=${DISPLAY:-}

stop_session() (
  if [[ -f "$session/env" ]]; then
    # shellcheck disable=SC1091
    source "$session/env"
    wineserver -k >/dev/null 2>&1 || true
    rm -f "$session/env"
  fi
  if [[ -f "$session/xvfb.pid" ]]; then
    kill "$(cat "$session/xvfb.pid")" >/dev/null 2>&1 || true
    rm -f "$session/xvfb.pid"
  fi
)

start_display() {
  local number=90
  while [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]]; do number=$((number + 1)); done
  setsid Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp </dev/null >"$session/xvfb.log" 2>&1 &
  echo $! >"$session/xvfb.pid"
  for _ in $(seq 100); do
    [[ -e /tmp/.X11-unix/X$number ]] && break
    sleep 0.1
  done
  [[ -e /tmp/.X11-unix/X$number ]] || { echo "Xvfb did not start" >&2; exit 1; }
  echo ":$number"
}

case "$command" in
  stop)
    stop_session
    ;;
  start)
    stop_session
    display=$caller_display
    if [[ -z "$display" || -n "${VELMORA_PRIVATE_DISPLAY:-}" ]]; then display=$(start_display); fi
    cat >"$session/env" <<ENV
export WINEPREFIX="$session/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
export DISPLAY="$display"
ENV
    # shellcheck disable=SC1091
    source "$session/env"
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
      wineboot -i </dev/null >"$session/wineboot.log" 2>&1
    fi
    setsid wineserver -p </dev/null >/dev/null 2>&1 || true
    # With no window manager Wine waits for every managed window to be withdrawn; unmanaged
    # windows close at once. A virtual desktop, when asked for, draws caption and frame itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # Wine draws the caption buttons with Marlett, which it finds only in the prefix.
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [[ -f /usr/share/wine/fonts/marlett.ttf && ! -f "$fonts/marlett.ttf" ]]; then
      mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
    # Chinese glyphs come from a CJK font linked behind the default fonts, as on a Chinese system.
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
    done
    if [[ -n "$desktop" ]]; then
      wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f >/dev/null 2>&1
    else
      wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
    fi
    ;;
  *)
    echo "usage: wine-session.sh start|stop SESSION_DIR [--desktop WxH]" >&2
    exit 2
    ;;
esac
