#!/usr/bin/env bash
# weston-run.sh [--scale N] [--size WxH] COMMAND [ARGS...]
#
# Runs COMMAND as a client of a private Wayland compositor, as xvfb-run does
# for X11: weston with its headless back end and the pixman renderer (so the
# screen has pixels to take a screenshot of), its socket in a private
# runtime folder. COMMAND sees WAYLAND_DISPLAY, XDG_RUNTIME_DIR and
# QT_QPA_PLATFORM=wayland (and no DISPLAY); the compositor's screenshot
# interface is open to it (weston-screenshooter). Ends with COMMAND's status.
set -euo pipefail
scale=1
size=1280x1024
while [ $# -gt 0 ]; do
  case "$1" in
    --scale) scale="$2"; shift 2 ;;
    --size) size="$2"; shift 2 ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: weston-run.sh [--scale N] [--size WxH] COMMAND..." >&2; exit 2; }

runtime=$(mktemp -d /tmp/sayora-weston.XXXXXX)
chmod 700 "$runtime"
log="$runtime/weston.log"
socket=wayland-sayora
# A panel-less shell: the screen holds only the program's windows.
cat > "$runtime/weston.ini" <<INI
[core]
idle-time=0
[shell]
panel-position=none
background-color=0xff303030
INI
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --use-pixman \
  --width="${size%x*}" --height="${size#*x}" --scale="$scale" \
  --socket="$socket" --config="$runtime/weston.ini" --debug --log="$log" &
weston_pid=$!
cleanup() {
  kill "$weston_pid" 2>/dev/null || true
  wait "$weston_pid" 2>/dev/null || true
  rm -rf "$runtime"
}
trap cleanup EXIT
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  if ! kill -0 "$weston_pid" 2>/dev/null; then
    echo "weston-run.sh: weston did not start:" >&2
    cat "$log" >&2
    exit 1
  fi
  sleep 0.05
done

status=0
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@" || status=$?
exit "$status"
