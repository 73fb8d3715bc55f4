"""Reads the window program's accessible tree over AT-SPI as a screen reader
would, and drives it through the Action interface alone (the Open dialog's
path is typed, as a person would).
Usage: screenreader_test.py INPUT_FILE OUTPUT_FOLDER"""
import os
import subprocess
import sys

import pyatspi

from atspitree import act, fail, nodes, press, program, wait_for

input_file, output_folder = sys.argv[1:3]


def find(role, name, root=None):
    root = root or program()
    if root is None:
        return None
    return next((n for n in nodes(root) if n.getRole() == role and n.name == name), None)


def check(what, got, wanted):
    if got != wanted:
        fail("%s is %r, not %r" % (what, got, wanted))


wait_for("the program in the registry", program)
convert = wait_for("the Convert button", lambda: find(pyatspi.ROLE_PUSH_BUTTON, "立刻开始转换"))
wait_for("the window as a frame with its title", lambda: find(pyatspi.ROLE_FRAME, "Tervolan"))
wait_for("the panel", lambda: find(pyatspi.ROLE_PANEL, "Tervolan"))
file_list = wait_for("the list named", lambda: find(pyatspi.ROLE_LIST, "文件列表"))
for name in ("关闭", "帮助"):
    wait_for("the button " + name, lambda: find(pyatspi.ROLE_PUSH_BUTTON, name))
bar = wait_for("the progress bar", lambda: find(pyatspi.ROLE_PROGRESS_BAR, ""))
value = bar.queryValue()
# The stored value is not drawn until the first file: the bar looks empty.
check("the bar's range and value", (value.minimumValue, value.maximumValue, value.currentValue),
      (0.0, 100.0, 0.0))

# One file through the Open dialog.
press(find(pyatspi.ROLE_PUSH_BUTTON, "添加文件"))
dialog = wait_for("the Open dialog", lambda: subprocess.run(
    ["xdotool", "search", "--onlyvisible", "--name", "Open Files"],
    capture_output=True, text=True).stdout.split())[0]
subprocess.run(["xdotool", "windowfocus", "--sync", dialog], check=False, timeout=10)
subprocess.run(["xdotool", "type", "--delay", "5", input_file], check=True, timeout=20)
subprocess.run(["xdotool", "key", "Return"], check=True, timeout=10)
wait_for("the file in the list", lambda: file_list.childCount > 0)

# The Settings combos read as their labels name them and as they show.
press(find(pyatspi.ROLE_PUSH_BUTTON, "设置选项"))
settings = wait_for("the Settings dialog", lambda: find(pyatspi.ROLE_PUSH_BUTTON, "返回"))
dialog = wait_for("the dialog", lambda: find(pyatspi.ROLE_DIALOG, "设置选项"))
wait_for("the browse button named", lambda: find(pyatspi.ROLE_PUSH_BUTTON, "浏览…", dialog))
# What lies beside or beneath the panel cannot be seen, nor read.
hidden = {"Page Size:", "Font Size:", "Characters/Line:", "Keywords:", "Author:", "What's This?"}
check("the off-panel controls read", [n.name for n in nodes(dialog) if n.name in hidden
                                      or n.getRole() == pyatspi.ROLE_LABEL and n.name == ""], [])
for label, shown in (("文件类型:", "中文"), ("字体:", "宋体")):
    combo = wait_for("the combo " + label, lambda: find(pyatspi.ROLE_COMBO_BOX, label))
    # Only the text shown, never the hidden list's own selection.
    parts = list(nodes(combo))[1:]
    texts = [n.queryText().getText(0, -1) for n in parts if "Text" in n.get_interfaces()]
    check("what " + label + " reads", (texts, {n.name for n in parts} - {""} - {shown}),
          ([shown], set()))
    if "ShowMenu" not in [combo.queryAction().getName(i) for i in range(combo.queryAction().nActions)]:
        fail(label + " cannot open its list")
wait_for("the path box named", lambda: find(pyatspi.ROLE_TEXT, "输出路径:"))

# An open list reads under its combo, and an item is chosen there.
language = find(pyatspi.ROLE_COMBO_BOX, "文件类型:")
act(language, "ShowMenu")
english = wait_for("the open list's item", lambda: next(
    n for n in nodes(language) if n.getRole() == pyatspi.ROLE_LIST_ITEM and n.name == "英文"))
act(english, "Toggle")
wait_for("the chosen item shown", lambda: [n.queryText().getText(0, -1) for n in nodes(language)
                                           if "Text" in n.get_interfaces()] == ["英文"])
press(settings)
wait_for("the Settings dialog to close", lambda: find(pyatspi.ROLE_PUSH_BUTTON, "返回") is None)

press(convert)
pdf = os.path.join(output_folder, os.path.splitext(os.path.basename(input_file))[0] + ".pdf")
wait_for(pdf, lambda: os.path.getsize(pdf) > 0)
wait_for("the bar at its end", lambda: bar.queryValue().currentValue == 100.0)
