"""What the AT-SPI tests share: waiting with a bound, finding the program
in the registry, walking its tree and pressing through the Action
interface."""
import sys
import time

import pyatspi


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, probe, seconds=20):
    """Returns probe()'s first true answer, trying every tenth of a second."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            answer = probe()
        except Exception:  # a node that went away while we looked
            answer = None
        if answer:
            return answer
        time.sleep(0.1)
    fail("waited in vain for " + what)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "tervolan":
            return app
    return None


def nodes(root):
    yield root
    for child in root:
        if child is not None:
            yield from nodes(child)


def act(node, wanted):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if wanted not in names:
        fail("%r offers %s, no %s" % (node.name, names, wanted))
    action.doAction(names.index(wanted))


def press(node):
    act(node, "Press")
