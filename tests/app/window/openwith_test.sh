#!/usr/bin/env bash
# Files given to the program, as a desktop's "Open With" gives them: two
# copies started at the same moment with a file each leave one window with
# both files; a third copy started later hands over a folder and ends at
# once; Convert then writes a PDF for every file, a name that is not UTF-8
# included.
# Usage: openwith_test.sh BUILD_BIN_DIR
set -euo pipefail
bin_dir=$1
. "$(dirname "$0")/../../support/windowtest.sh"

mkdir -p "$work/program" "$work/out" "$work/in/tree" "$work/fakebin" "$work/run"
chmod 700 "$work/run"
cp "$bin_dir/tervolan" "$work/program/"
printf '"%s"\r\n""\r\n"Tester"\r\n"A4"\r\n"宋体"\r\n12\r\n30\r\n' "$work/out" > "$work/program/config.ini"
gbk_name=$'\xb1\xca\xbc\xc7'    # 笔记 in GBK: not UTF-8
printf 'one\r\n' > "$work/in/one.txt"
printf 'two\r\n' > "$work/in/$gbk_name.txt"
printf 'three\r\n' > "$work/in/tree/three.txt"
printf '#!/bin/sh\n' > "$work/fakebin/xdg-open"
chmod +x "$work/fakebin/xdg-open"

start_xvfb
export DISPLAY=":$display" PATH="$work/fakebin:$PATH" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb

# Which of the two becomes the window is a race; the other must hand over.
cd "$work/in"
"$work/program/tervolan" one.txt >"$work/first.log" 2>&1 &
app_pids+=($!)
"$work/program/tervolan" "$work/in/$gbk_name.txt" >"$work/second.log" 2>&1 &
app_pids+=($!)
cd "$work"
wait_for 100 xdotool search --onlyvisible --name '^Tervolan$' || fail "no window"
running() { local n=0; for pid in "${app_pids[@]}"; do kill -0 "$pid" 2>/dev/null && n=$((n + 1)); done; [ "$n" = 1 ]; }
wait_for 200 running || fail "both copies still run: $(cat "$work"/*.log)"

timeout 20 "$work/program/tervolan" "$work/in/tree" || fail "the third copy did not hand over and end"
[ "$(xdotool search --onlyvisible --name '^Tervolan$' | wc -l)" = 1 ] || fail "more than one window"

window=$(xdotool search --onlyvisible --name '^Tervolan$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --sync $((X + 1432 / 15)) $((Y + 3832 / 15)) click 1   # Command1: convert
for name in one "$gbk_name" three; do
  wait_for 200 test -s "$work/out/$name.pdf" || fail "no PDF for $(printf %q "$name")"
done
[ "$(ls "$work/out" | wc -l)" = 3 ] || fail "the list held other entries: $(ls "$work/out")"
echo "1 passed, 0 failed"
