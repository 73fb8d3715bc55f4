# Sourced by the shell tests that need a display.
# start_xvfb [SCREEN]: starts a private X server (1024x768x24 unless told),
# sets xvfb_pid for the caller's clean-up and display to its number, and
# returns once a client can connect.
# stop_xvfb: ends it and waits until it is gone.
start_xvfb() {
  exec 5<> <(:)
  # -noreset: a server resets when its last client leaves, and refuses
  # connections meanwhile; the check below is such a client, and the
  # program started right after it failed to connect now and then.
  Xvfb -displayfd 5 -screen 0 "${1:-1024x768x24}" -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t 10 display <&5 || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
  local tries=0
  until DISPLAY=":$display" xdotool getdisplaygeometry >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -lt 100 ] || { echo "FAIL: Xvfb :$display takes no client" >&2; exit 1; }
    sleep 0.1
  done
}

# A server still shutting down removes its socket and lock as it goes; the
# next test's server, given the same number, would lose its own to them.
stop_xvfb() {
  [ -n "${xvfb_pid:-}" ] || return 0
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
}
