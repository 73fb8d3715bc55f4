#!/usr/bin/env bash
# Starts the real program under Xvfb on an English and on a Chinese
# desktop and reads its buttons over AT-SPI (languages_test.py).
# Usage: languages_test.sh BUILD_BIN_DIR
set -euo pipefail
bin_dir=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
. "$here/../../support/xserver.sh"

mkdir -p "$work/program" "$work/run"
chmod 700 "$work/run"
cp "$bin_dir/tervolan" "$work/program/"
start_xvfb
export DISPLAY=":$display" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset LC_ALL LC_MESSAGES LANGUAGE
for language in en zh; do
  case $language in
    en) locale=en_US.UTF-8 ;;
    zh) locale=zh_CN.UTF-8 ;;
  esac
  if ! LANG=$locale dbus-run-session -- bash -c '
    "$1/program/tervolan" >"$1/app.log" 2>&1 &
    app=$!
    /usr/bin/python3 "$2/languages_test.py" "$3"
    status=$?
    kill "$app" 2>/dev/null
    exit $status' languages "$work" "$here" "$language" >"$work/session.log" 2>&1; then
    grep -v '^dbus-daemon\|SpiRegistry' "$work/session.log" >&2
    echo "--- the program said ($locale):" >&2
    cat "$work/app.log" >&2
    exit 1
  fi
done
echo "1 passed, 0 failed"
