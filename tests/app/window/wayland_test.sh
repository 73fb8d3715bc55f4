#!/usr/bin/env bash
# The program on Wayland: it starts and paints under weston's headless
# backend, and a press on the header hands the drag to the compositor
# (xdg_toplevel.move) under weston's X11 backend in Xvfb, since the
# headless backend has no seat to press with. The protocol log of the
# client (WAYLAND_DEBUG) is what shows both.
# Usage: wayland_test.sh BUILD_BIN_DIR
set -euo pipefail
bin_dir=$1
work=$(mktemp -d)
pids=()
stop_all() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  pids=()
}
cleanup() {
  stop_all
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
. "$(dirname "$0")/../../support/waitfor.sh"

mkdir -p "$work/program" "$work/out" "$work/run"
chmod 700 "$work/run"
cp "$bin_dir/tervolan" "$work/program/"
printf '"%s"\r\n""\r\n""\r\n"A4"\r\n"宋体"\r\n12\r\n30\r\n' "$work/out" > "$work/program/config.ini"
export XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client
unset DISPLAY

# Starts weston with the given backend on the socket $1 and waits until
# clients can make windows on it.
start_weston() {
  local socket=$1; shift
  weston --socket="$socket" --shell=kiosk-shell.so --idle-time=0 "$@" >"$work/$socket.log" 2>&1 &
  pids+=($!)
  wait_for 100 sh -c "WAYLAND_DISPLAY=$socket WAYLAND_DEBUG= weston-info | grep -q xdg_wm_base"
}
# Starts the program on the socket $1, logging its protocol to $1.app.
start_program() {
  WAYLAND_DISPLAY=$1 "$work/program/tervolan" >"$work/$1.app" 2>&1 &
  pids+=($!)
  wait_for 100 grep -q 'set_title("Tervolan")' "$work/$1.app" || fail "no window on $1: $(tail -n 3 "$work/$1.app")"
  wait_for 100 grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$work/$1.app" || fail "the window on $1 never painted"
}

if ! start_weston headless --backend=headless-backend.so; then
  echo "SKIP: weston cannot start here: $(tail -n 3 "$work/headless.log")"
  exit 77
fi
start_program headless
# One copy runs at a time.
stop_all

exec 5<> <(:)
Xvfb -displayfd 5 -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
read -r -t 10 display <&5 || fail "Xvfb did not start"
# weston's window fills the top left of the screen, and the kiosk shell
# fills it with the program's window, header first.
DISPLAY=":$display" start_weston x11 --backend=x11-backend.so --use-pixman --width=419 --height=297 \
  || fail "weston on X11 did not start: $(tail -n 3 "$work/x11.log")"
start_program x11
DISPLAY=":$display" xdotool mousemove 150 10 sleep 0.2 mousedown 1 mousemove 170 30 mouseup 1
wait_for 100 grep -q 'xdg_toplevel@[0-9]*\.move(wl_seat@' "$work/x11.app" || fail "the header press did not ask the compositor to move the window"
echo "1 passed, 0 failed"
