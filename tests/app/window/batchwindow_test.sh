#!/usr/bin/env bash
# A long batch in the real program: Return on the focused add-files button
# opens the Open dialog; during a run of 1,500 files the title counts the
# batch and the list keeps showing the files still to convert, and once the
# run is stopped the title is the program's name again.
# Usage: batchwindow_test.sh BUILD_BIN_DIR
set -euo pipefail
bin_dir=$1
. "$(dirname "$0")/../../support/windowtest.sh"

files=1500
mkdir -p "$work/program" "$work/out" "$work/in" "$work/fakebin" "$work/run"
chmod 700 "$work/run"
cp "$bin_dir/tervolan" "$work/program/"
printf '"%s"\r\n""\r\n"Tester"\r\n"A4"\r\n"宋体"\r\n12\r\n30\r\n' "$work/out" > "$work/program/config.ini"
# Empty files convert fastest, several in each slice of steps, as small
# files do on an idle machine.
for i in $(seq -w 1 "$files"); do : > "$work/in/f$i.txt"; done
printf '#!/bin/sh\n' > "$work/fakebin/xdg-open"
chmod +x "$work/fakebin/xdg-open"

start_xvfb
export DISPLAY=":$display" PATH="$work/fakebin:$PATH" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
"$work/program/tervolan" "$work/in" >"$work/app.log" 2>&1 &
app_pids+=($!)
wait_for 100 xdotool search --onlyvisible --name '^Tervolan$' || fail "no window"
window=$(xdotool search --onlyvisible --name '^Tervolan$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
left=$X; top=$Y
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"

# The window starts on the add-files button.
xdotool key Return
wait_for 100 xdotool search --onlyvisible --name 'Open Files' || fail "Return opened no Open dialog"
# No window manager hands the dialog the focus: it is given, and Escape is
# pressed again until the dialog is gone (the window ignores it meanwhile).
dialog=$(xdotool search --onlyvisible --name 'Open Files' | head -n 1)
close_dialog() {
  xdotool windowfocus "$dialog" key Escape 2>/dev/null
  ! xdotool search --onlyvisible --name 'Open Files'
}
wait_for 100 close_dialog || fail "the Open dialog stayed open"

title() { xdotool getwindowname "$window"; }
# Dark pixels in the list's inside, as a fraction: 0 when it shows nothing.
list_ink() {
  import -window root -crop 390x130+$((left + 12))+$((top + 94)) -depth 8 pgm:- | python3 -c '
import sys
data = sys.stdin.buffer.read()
header = data.split(b"\n", 3)
pixels = header[3]
print(sum(1 for p in pixels if p < 128) / len(pixels))'
}
mid_run() { [[ "$(title)" =~ ^Tervolan\ —\ ([0-9]+)/$files$ ]] && [ "${BASH_REMATCH[1]}" -ge 100 ]; }

xdotool mousemove $((left + 1432 / 15)) $((top + 3832 / 15)) sleep 0.2 click 1   # Command1
wait_for 600 mid_run || fail "no batch count in the title: \"$(title)\""
ink=$(list_ink)
if [ -n "${TERVOLAN_SCREENSHOT:-}" ]; then
  import -window root "$TERVOLAN_SCREENSHOT"
  title > "$TERVOLAN_SCREENSHOT.title"
fi
done_now=$(ls "$work/out" | wc -l)
[ "$done_now" -lt "$files" ] || fail "the run ended before the list was looked at"
awk -v ink="$ink" 'BEGIN { exit !(ink > 0.01) }' || fail "the list is blank mid-run (ink $ink)"

# Escape stops the run; the title is the program's name again.
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool key Escape
wait_for 100 sh -c "[ \"\$(xdotool getwindowname $window)\" = Tervolan ]" || fail "title after the run: \"$(title)\""
echo "1 passed, 0 failed"
