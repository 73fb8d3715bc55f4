"""Reads the window's buttons over AT-SPI as a screen reader would, on a
desktop in one language: English on an English desktop, the design's own
Chinese on a Chinese one, where Qt's Open dialog speaks Chinese too.
Usage: languages_test.py en|zh"""
import sys

import pyatspi

from atspitree import fail, nodes, press, program, wait_for

language = sys.argv[1]
BUTTONS = {
    "en": {"Close", "Add Files", "Add Folder", "Remove", "Settings", "Website", "Exit",
           "Convert Now", "Help"},
    "zh": {"关闭", "添加文件", "批量添加", "删除文件", "设置选项", "我们网站", "退出程序",
           "立刻开始转换", "帮助"},
}


def buttons(root):
    return {n.name: n for n in nodes(root) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}


shown = wait_for("the window's buttons", lambda: len(buttons(program())) >= 9 and buttons(program()))
if set(shown) != BUTTONS[language]:
    fail("the buttons read %s, not %s" % (sorted(shown), sorted(BUTTONS[language])))
if language == "zh":
    press(shown["添加文件"])
    dialog = wait_for("the Open dialog", lambda: next(
        n for n in nodes(program()) if n.getRole() == pyatspi.ROLE_DIALOG))
    names = wait_for("its buttons", lambda: set(buttons(dialog)))
    if "取消" not in names or "Cancel" in names:
        fail("the Open dialog's buttons read %s" % sorted(names))
