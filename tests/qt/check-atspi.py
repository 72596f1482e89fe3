#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""Drives the program through the AT-SPI bus, as a screen reader would.

Run on an X server inside its own D-Bus session:
    dbus-run-session -- xvfb-session.sh python3 check-atspi.py PROGRAM
"""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402
from harness import check, end, failures  # noqa: E402

CAPTION = "www.dorvelan.example  Дорвелан"
WORKED_EXAMPLE = "1\n2 2\n3 4 3\n4 6 6 4\nЧислото 4 се среща в ред 3"


def wait_for(find, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    return None


def enable_accessibility():
    # What a screen reader does when it starts: tell applications to talk.
    Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
        GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
        None, Gio.DBusCallFlags.NONE, 5000, None)


def application(name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == name:
            return app
    return None


# Roles by their number: at-spi2-core 2.50 renamed some ("push button" is
# "button" on Debian 13).
def descendant(node, name, role):
    if node.get_name() == name and node.get_role() == role:
        return node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        found = child and descendant(child, name, role)
        if found:
            return found
    return None


def notices_during(act, done):
    """The notifications shown while `act` is handled, once `done(shown)`
    holds: what a screen reader is given to say without the focus moving.
    `done` is asked once more, a call to the program, to take in what it
    raised alongside."""
    shown = []

    def on_showing(event):
        if event.detail1 and event.source.get_role() == Atspi.Role.NOTIFICATION:
            shown.append(event.source.get_name())

    listener = Atspi.EventListener.new(on_showing)
    listener.register("object:state-changed:showing")
    act()
    context = GLib.MainContext.default()

    def handled():
        context.iteration(False)
        return done(shown)

    wait_for(handled)
    done(shown)
    while context.pending():
        context.iteration(False)
    listener.deregister("object:state-changed:showing")
    return shown


def text_of(node):
    return Atspi.Text.get_text(node, 0, -1)


def main(program):
    enable_accessibility()
    process = subprocess.Popen([program])
    try:
        app = wait_for(lambda: application("Zerkovan"))
        check("the program appears on the accessibility bus", app is not None)
        if app is None:
            return
        window = wait_for(lambda: app.get_child_count() > 0 and app.get_child_at_index(0))
        check("the window is announced as a window (frame)", window.get_role() == Atspi.Role.FRAME,
              window.get_role_name())
        check("the window is named by its caption", window.get_name() == CAPTION,
              window.get_name())

        find = lambda name, role: wait_for(lambda: descendant(window, name, role))  # noqa: E731
        number = find("Номер на ред:", Atspi.Role.TEXT)
        display = find("Изведи", Atspi.Role.PUSH_BUTTON)
        output = find("Резултат", Atspi.Role.TEXT)
        statement = find("Условие на задачата", Atspi.Role.TEXT)
        check("the input box, the display button and both read-only boxes are found",
              None not in (number, display, output, statement))

        Atspi.EditableText.set_text_contents(number, "4")
        notices = notices_during(lambda: Atspi.Action.do_action(display, 0),
                                 lambda shown: shown and text_of(output) == WORKED_EXAMPLE)
        check("a display through the bus is read back whole from the output box",
              text_of(output) == WORKED_EXAMPLE, repr(text_of(output)))
        check("the display's verdict, and no row, is shown to the bus as a notification, once",
              notices == ["Числото 4 се среща в ред 3"], notices)
        clear = find("Изчисти", Atspi.Role.PUSH_BUTTON)
        notices = notices_during(lambda: Atspi.Action.do_action(clear, 0),
                                 lambda _: text_of(output) == "")
        notice = descendant(window, "", Atspi.Role.NOTIFICATION)
        check("«Изчисти» says nothing, and empties the notification",
              notices == [] and notice is not None and
              not notice.get_state_set().contains(Atspi.StateType.SHOWING), notices)
        Atspi.EditableText.set_text_contents(number, "4")
        Atspi.Action.do_action(display, 0)
        wait_for(lambda: text_of(output) == WORKED_EXAMPLE, 5)

        for box, name in ((output, "output box"), (statement, "task statement")):
            before = text_of(box)
            check(f"the {name} offers no editable-text interface",
                  "EditableText" not in box.get_interfaces(), box.get_interfaces())
            for call, args in ((Atspi.EditableText.set_text_contents, ("written",)),
                               (Atspi.EditableText.insert_text, (0, "x", 1)),
                               (Atspi.EditableText.delete_text, (0, 5))):
                try:
                    call(box, *args)
                except GLib.Error:
                    pass  # refused outright: as good as ignored
            # Each call's reply comes once the program has handled it.
            check(f"the {name} keeps its text through every editing call",
                  text_of(box) == before, repr(text_of(box)[:40]))
    finally:
        end(process)


if __name__ == "__main__":
    if len(sys.argv) != 2 or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        sys.exit("usage: dbus-run-session -- xvfb-session.sh check-atspi.py PROGRAM")
    main(sys.argv[1])
    sys.exit(1 if failures else 0)
