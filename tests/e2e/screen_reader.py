# SPDX-License-Identifier: MIT
"""Reads and works the running window through AT-SPI, as a screen reader does.

Every control has a name of its own; the number typed through the field's EditableText and
submitted through its button's Action shows grouped in the phone screen's description; the
automatic save is switched off through its box and the phone screen pressed as its back arrow,
which a notice, an alert, confirms. Every wait is for a state, bounded."""

import sys
import time

import pyatspi

BOUND = 60  # seconds: a loaded machine is slow; an idle one passes at once

# The roles a screen reader names a control or a picture by.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_LABEL,
    pyatspi.ROLE_IMAGE,
}


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, check):
    """Runs check until it returns something, at most BOUND seconds; returns that."""
    deadline = time.monotonic() + BOUND
    seen = None
    while True:
        try:
            found = check()
        except Exception as error:  # the tree changes under a walk while the window works
            found, seen = None, repr(error)
        if found:
            return found
        if time.monotonic() > deadline:
            fail("waited %d s for %s; saw %s" % (BOUND, what, seen))
        time.sleep(0.1)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower() == "vokarelo":
            return app
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def controls(app):
    return [a for a in walk(app) if a.getRole() in NAMED_ROLES]


def named(app, role_names, name):
    for a in walk(app):
        if a.name == name and a.getRoleName() in role_names:
            return a
    return None


def do_action(accessible, wanted):
    action = accessible.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for i, name in enumerate(names):
        if name in wanted:
            action.doAction(i)
            return
    fail("%s offers no %s action, only %s" % (accessible.name, wanted, names))


def main():
    app = wait_for("the window on the accessibility bus", application)
    # The panel is built at once: its last control there, the whole window is.
    wait_for("the panel's last control", lambda: named(app, {"push button"}, "保存 上侧灰色RGB"))
    everything = controls(app)
    names = [a.name for a in everything]
    empty = [a.getRoleName() for a in everything if not a.name]
    if empty:
        fail("controls without a name: %s" % empty)
    twice = sorted({n for n in names if names.count(n) > 1})
    if twice:
        fail("names shared by more than one control: %s" % twice)

    number = named(app, {"text", "entry"}, "手机号码") or fail("no field named 手机号码")
    number.queryEditableText().setTextContents("13912345678")
    wait_for("the number field to hold the new number",
             lambda: number.queryText().getText(0, -1) == "13912345678")
    submit = named(app, {"push button"}, "提交 手机号码") or fail("no button 提交 手机号码")
    do_action(submit, {"press"})

    phone = named(app, {"image"}, "手机截屏画面") or fail("no image named 手机截屏画面")
    wait_for("the grouped number in the phone screen's description",
             lambda: "号码 139 1234 5678" in phone.description)

    auto_save = named(app, {"check box"}, "自动保存JPG") or fail("no box 自动保存JPG")
    do_action(auto_save, {"toggle", "press"})
    wait_for("the automatic save switched off",
             lambda: not auto_save.getState().contains(pyatspi.STATE_CHECKED))
    do_action(phone, {"press"})
    wait_for("the notice of the capture, an alert",
             lambda: named(app, {"alert", "notification"}, "已复制到剪贴板"))


main()
