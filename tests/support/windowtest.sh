# Sourced by the real-window tests after `set -euo pipefail`: a work folder
# and the bounded waits and private X server of waitfor.sh and xserver.sh.
# The X server, every process whose id is added to app_pids and the work
# folder are ended on exit, however the test ends; fail() says why it did.
support_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$support_dir/waitfor.sh"
. "$support_dir/xserver.sh"
work=$(mktemp -d)
xvfb_pid=""
app_pids=()
end_window_test() {
  for pid in "${app_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  stop_xvfb
  rm -rf "$work"
}
trap end_window_test EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
