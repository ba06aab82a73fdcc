#!/usr/bin/env bash
# weston-run.sh [--scale N] [--size WxH] [--seat] COMMAND [ARGS...]
#
# Runs COMMAND as a client of a private Wayland compositor, as xvfb-run does
# for X11: weston with its headless back end and the pixman renderer (so the
# screen has pixels to take a screenshot of), its socket in a private
# runtime folder. COMMAND sees WAYLAND_DISPLAY, XDG_RUNTIME_DIR and
# QT_QPA_PLATFORM=wayland (and no DISPLAY); the compositor's screenshot
# interface is open to it (weston-screenshooter). Ends with COMMAND's status.
#
# --seat: weston's X11 back end inside a private Xvfb instead, whose window
# is the screen (at its top left, WxH times the scale in X pixels). The
# compositor then has a seat: pointer and keys sent to that X server
# (xdotool, with DISPLAY=$SAYORA_SEAT_DISPLAY, which COMMAND is given) reach
# the Wayland clients as a user's input, in the screen's pixels.
set -euo pipefail
scale=1
size=1280x1024
seat=0
while [ $# -gt 0 ]; do
  case "$1" in
    --scale) scale="$2"; shift 2 ;;
    --size) size="$2"; shift 2 ;;
    --seat) seat=1; shift ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: weston-run.sh [--scale N] [--size WxH] [--seat] COMMAND..." >&2; exit 2; }

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
width=${size%x*}
height=${size#*x}
xvfb_pid=""
weston_pid=""
seat_display=""
cleanup() {
  [ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null || true
  [ -z "$weston_pid" ] || wait "$weston_pid" 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$runtime"
}
trap cleanup EXIT
backend=(--backend=headless-backend.so)
if [ "$seat" = 1 ]; then
  Xvfb -displayfd 3 -screen 0 "$((width * scale))x$((height * scale))x24" -nolisten tcp 3>"$runtime/display" 2>"$runtime/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 200); do
    [ -s "$runtime/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "weston-run.sh: Xvfb did not start:" >&2; cat "$runtime/xvfb.log" >&2; exit 1; }
    sleep 0.05
  done
  seat_display=":$(tr -d '[:space:]' <"$runtime/display")"
  backend=(--backend=x11-backend.so)
fi
DISPLAY="$seat_display" XDG_RUNTIME_DIR="$runtime" weston "${backend[@]}" --use-pixman \
  --width="$width" --height="$height" --scale="$scale" \
  --socket="$socket" --config="$runtime/weston.ini" --debug --log="$log" &
weston_pid=$!
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
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
  SAYORA_SEAT_DISPLAY="$seat_display" "$@" || status=$?
exit "$status"
