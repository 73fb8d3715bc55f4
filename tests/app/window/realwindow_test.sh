#!/usr/bin/env bash
# Drives the real program in a real X server: keyboard only, add a file,
# choose a font in Settings and convert; add a file through the Open
# dialog and a folder through the folder browser, press Convert, check the
# PDFs and that the output folder was handed to xdg-open, refuse a second
# copy, and close the window with its X button.
# Usage: realwindow_test.sh BUILD_BIN_DIR SOURCE_DIR
set -euo pipefail
bin_dir=$1
. "$(dirname "$0")/../../support/windowtest.sh"

mkdir -p "$work/program" "$work/out" "$work/in/tree/sub" "$work/fakebin" "$work/run"
chmod 700 "$work/run"
cp "$bin_dir/tervolan" "$work/program/"
# config.ini beside the executable, as the program keeps it.
printf '"%s"\r\n""\r\n"Tester"\r\n"A4"\r\n"宋体"\r\n12\r\n30\r\n' "$work/out" > "$work/program/config.ini"
printf '第一个文件的内容\r\n' > "$work/in/one.txt"
printf '键盘\r\n' > "$work/in/keys.txt"
printf 'alpha\r\n' > "$work/in/tree/a.txt"
printf 'beta\r\n' > "$work/in/tree/sub/b.TXT"
cat > "$work/fakebin/xdg-open" <<SCRIPT
#!/bin/sh
echo "\$@" >> "$work/opened.log"
SCRIPT
chmod +x "$work/fakebin/xdg-open"

# A display of our own; -displayfd reports a free number.
start_xvfb
export DISPLAY=":$display"

export PATH="$work/fakebin:$PATH" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
# With no locale at all, as plain containers start it: the Settings dialog
# must still be found by its Chinese title below.
env -u LANG -u LC_ALL -u LC_CTYPE "$work/program/tervolan" >"$work/app.log" 2>&1 &
app_pid=$!
app_pids+=("$app_pid")
wait_for 100 xdotool search --onlyvisible --name '^Tervolan$' || fail "no window"
window=$(xdotool search --onlyvisible --name '^Tervolan$' | head -n 1)
wait_for 50 xdotool getwindowgeometry "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
left=$X; top=$Y
[ "$WIDTH" = 419 ] && [ "$HEIGHT" = 297 ] || fail "window is ${WIDTH}x${HEIGHT}, not 419x297"

# Clicks at a point of the window given in twips, as the layout is written.
click_twips() {
  xdotool mousemove $((left + $1 / 15)) $((top + $2 / 15)) sleep 0.2 click 1
}
# Without a window manager the test hands the X input focus over as one
# would.
focus_window() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; }
# Types a path into the dialog that has the focus and confirms it.
answer_dialog() {
  wait_for 100 xdotool search --onlyvisible --name "$1" || fail "no dialog \"$1\""
  local dialog
  dialog=$(xdotool search --onlyvisible --name "$1" | head -n 1)
  xdotool windowactivate --sync "$dialog" 2>/dev/null || focus_window "$dialog"
  xdotool type --delay 5 "$2"
  xdotool key Return
  wait_for 100 sh -c "! xdotool search --onlyvisible --name '$1'" || fail "dialog \"$1\" stayed open"
}

# Keyboard only: add a file, pick 黑体 in Settings, OK, convert.
windows() { xdotool search --onlyvisible --class tervolan | wc -l; }
# The file dialog's completion list may outlive the dialog for a moment,
# and would take the next key.
only_the_window() { [ "$(windows)" = 1 ]; }
focus_window "$window"
xdotool key space                # the window starts on KAVOButton2
answer_dialog 'Open Files' "$work/in/keys.txt"
wait_for 50 only_the_window || fail "a window of the Open dialog stayed open"
focus_window "$window"
xdotool key Tab Tab Tab space    # KAVOButton3, KAVOButton4, KAVOButton7: settings
wait_for 100 xdotool search --onlyvisible --name '^设置选项$' || fail "no Settings dialog from the keyboard"
focus_window "$(xdotool search --onlyvisible --name '^设置选项$' | head -n 1)"
before=$(windows)
list_dropped() { [ "$(windows)" -gt "$before" ]; }
xdotool key Tab Tab Tab F4       # from txtPath past Command1 and cmbCN to cmbFont's list
wait_for 50 list_dropped || fail "F4 dropped no list"
xdotool key Down Return Tab space   # 黑体, then OK
wait_for 100 sh -c "! xdotool search --onlyvisible --name '^设置选项\$'" || fail "OK did not close Settings"
wait_for 50 only_the_window || fail "a window of Settings stayed open"
focus_window "$window"
xdotool key Tab Tab Tab Tab space   # KAVOButton5, KAVOButton6, List1, Command1: convert
wait_for 200 test -s "$work/out/keys.pdf" || fail "no keys.pdf from the keyboard"
pdffonts "$work/out/keys.pdf" | grep -q NotoSansCJK || fail "keys.pdf is not in 黑体: $(pdffonts "$work/out/keys.pdf")"

click_twips 592 862              # KAVOButton2: add one file
answer_dialog 'Open Files' "$work/in/one.txt"
click_twips 1612 862             # KAVOButton3: add a folder
answer_dialog 'Please select a folder' "$work/in/tree"

# A second copy ends on its own without a window of its own.
timeout 20 "$work/program/tervolan" || fail "the second copy did not end cleanly"
[ "$(xdotool search --onlyvisible --name '^Tervolan$' | wc -l)" = 1 ] || fail "a second window appeared"

click_twips 1432 3832            # Command1: convert
for name in one a b; do
  wait_for 200 test -s "$work/out/$name.pdf" || fail "no $name.pdf"
done
wait_for 100 test -s "$work/opened.log" || fail "the output folder was not opened"
grep -qx "$work/out" "$work/opened.log" || grep -q "$work/out" "$work/opened.log" || fail "opened: $(cat "$work/opened.log")"
[ "$(pdftotext "$work/out/one.pdf" - | head -n 1)" = "第一个文件的内容" ] || fail "one.pdf reads back wrong"
[ "$(pdftotext "$work/out/b.pdf" - | head -n 1)" = "beta" ] || fail "b.pdf reads back wrong"
pdfinfo "$work/out/one.pdf" | grep -q '^Author: *Tester' || fail "author missing"
qpdf --check "$work/out/a.pdf" >/dev/null || fail "a.pdf does not pass qpdf"

if [ -n "${TERVOLAN_SCREENSHOT:-}" ]; then
  import -window root "$TERVOLAN_SCREENSHOT"
fi

# The Settings dialog opens modally over the window and Return closes it.
click_twips 3652 862             # KAVOButton7: settings
wait_for 100 xdotool search --onlyvisible --name '^设置选项$' || fail "no Settings dialog"
settings_window=$(xdotool search --onlyvisible --name '^设置选项$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$settings_window")"
[ "$WIDTH" = 353 ] && [ "$HEIGHT" = 141 ] || fail "Settings dialog is ${WIDTH}x${HEIGHT}"
xdotool mousemove $((X + 4372 / 15)) $((Y + 1642 / 15)) sleep 0.2 click 1   # KAVOButton2: Return
wait_for 100 sh -c "! xdotool search --onlyvisible --name '^设置选项\$'" || fail "Settings dialog stayed open"

# Dragging the header moves the window one to one with the pointer.
xdotool mousemove $((left + 150)) $((top + 10)) sleep 0.2 mousedown 1 \
  mousemove $((left + 170)) $((top + 25)) sleep 0.1 mousemove $((left + 190)) $((top + 40)) sleep 0.2 mouseup 1
moved() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$X" = $((left + 40)) ] && [ "$Y" = $((top + 30)) ]
}
wait_for 50 moved || fail "header drag left the window at $X,$Y, not $((left + 40)),$((top + 30))"
left=$((left + 40)); top=$((top + 30))

click_twips 6067 172             # KAVOButton1: the X in the header
wait_for 100 sh -c "! kill -0 $app_pid" || fail "the window did not close"
app_pids=()
echo "1 passed, 0 failed"
