#!/usr/bin/env bash
# Drives the real program as a screen reader does: over AT-SPI, on a
# private session bus, under Xvfb. The reading and pressing is
# screenreader_test.py's; with "languages", languages_test.py reads the
# buttons on an English and on a Chinese desktop instead.
# Usage: screenreader_test.sh BUILD_BIN_DIR [languages]
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
fail() { echo "FAIL: $*" >&2; exit 1; }
. "$here/../../support/xserver.sh"

mkdir -p "$work/program" "$work/out" "$work/in" "$work/fakebin" "$work/run"
chmod 700 "$work/run"
cp "$bin_dir/tervolan" "$work/program/"
# config.ini beside the executable, as the program keeps it.
printf '"%s"\r\n""\r\n"Tester"\r\n"A4"\r\n"宋体"\r\n12\r\n30\r\n' "$work/out" > "$work/program/config.ini"
printf '读给屏幕阅读器\r\n' > "$work/in/spoken.txt"
# The output folder is opened after converting; nothing need show it here.
printf '#!/bin/sh\n' > "$work/fakebin/xdg-open"
chmod +x "$work/fakebin/xdg-open"

start_xvfb

# Qt serves AT-SPI only when the desktop asks for it, or always with this.
export DISPLAY=":$display" PATH="$work/fakebin:$PATH" XDG_RUNTIME_DIR="$work/run" \
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The session bus starts the accessibility bus and its registry on demand;
# their chatter goes to the log, shown only when something failed.
# read_over_atspi SCRIPT ARGS...: the program on its own bus, read by SCRIPT.
read_over_atspi() {
  if ! dbus-run-session -- bash -c '
    "$1/program/tervolan" >"$1/app.log" 2>&1 &
    app=$!
    script=$2
    shift 2
    /usr/bin/python3 "$script" "$@"
    status=$?
    kill "$app" 2>/dev/null
    exit $status' screenreader "$work" "$here/$1" "${@:2}" >"$work/session.log" 2>&1; then
    grep -v '^dbus-daemon\|SpiRegistry' "$work/session.log" >&2
    echo "--- the program said (LANG=${LANG:-}):" >&2
    cat "$work/app.log" >&2
    exit 1
  fi
}

if [ "${2:-}" = languages ]; then
  unset LC_ALL LC_MESSAGES LANGUAGE
  LANG=en_US.UTF-8 read_over_atspi languages_test.py en
  LANG=zh_CN.UTF-8 read_over_atspi languages_test.py zh
else
  read_over_atspi screenreader_test.py "$work/in/spoken.txt" "$work/out"
fi
echo "1 passed, 0 failed"
