# Sourced by the shell tests that need a display.
# start_xvfb [SCREEN]: starts a private X server (1024x768x24 unless told),
# sets xvfb_pid for the caller's clean-up and display to its number.
start_xvfb() {
  exec 5<> <(:)
  Xvfb -displayfd 5 -screen 0 "${1:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t 10 display <&5 || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
}
