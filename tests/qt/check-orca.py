#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""What a student hears from Orca, a real screen reader, using the program
and the web edition (opened from a disk in Firefox) with the keyboard: its
debug log's SPEECH OUTPUT lines are what it says.
    dbus-run-session -- xvfb-session.sh check-orca.py PROGRAM [SITE]

Orca speaks with no speech server: the one it would start, with no sound
card, can keep it waiting for ever. It still logs what it says. Its log goes
to a terminal of this check's, which Python writes line by line where it
would buffer a file. Openbox gives the window the focus, as a desktop does.
"""
import os
import pty
import re
import subprocess
import sys
import tempfile
import threading
import time

from harness import check, end, failures

lines = []  # Orca's log so far


def follow(terminal):
    pending = b""
    with os.fdopen(terminal, "rb", buffering=0) as log:
        try:
            while chunk := log.read(65536):
                *complete, pending = (pending + chunk).split(b"\n")
                lines.extend(line.decode("utf-8", "replace").rstrip("\r") for line in complete)
        except OSError:  # Orca has ended
            pass


def other_orcas():
    """Orca's processes of this user anywhere on the machine: a user's own
    screen reader, or another check's (Debian roots share the machine's
    processes). Orca will not start beside one, and --replace would kill
    it."""
    found = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                           stdout=subprocess.PIPE, text=True, check=False)
    return found.stdout.split()


def wait_for_other_orcas(seconds=420):
    """Waits until no other Orca runs; the ones still running."""
    deadline = time.monotonic() + seconds
    while (running := other_orcas()) and time.monotonic() < deadline:
        time.sleep(1)
    return running


def start_orca():
    master, terminal = pty.openpty()
    orca = subprocess.Popen(
        ["orca", "-u", tempfile.mkdtemp(prefix="zerkovan-orca-"),
         "--debug-file", "/dev/stderr"],
        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=terminal,
        env={**os.environ, "SPEECHD_ADDRESS": "unix_socket:/nonexistent/speechd.sock"})
    os.close(terminal)
    threading.Thread(target=follow, args=(master,), daemon=True).start()
    return orca


def spoken(since=0):
    return [m.group(1) for line in lines[since:]
            if (m := re.search(r"SPEECH OUTPUT: '(.*?)' ?(?:voice=\S+)?\{", line))]


def hear(wanted, since, seconds=20):
    """What Orca said after line `since` of its log, once it says `wanted`,
    or all it said in `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        said = spoken(since)
        if any(wanted in each for each in said) or time.monotonic() > deadline:
            return said
        time.sleep(0.1)


def settle(quiet=1.5, longest=15):
    """Waits until Orca has said nothing for `quiet` seconds, so that what
    it says next answers the next step, not a late word about the last."""
    deadline = time.monotonic() + longest
    count, since = len(spoken()), time.monotonic()
    while time.monotonic() < deadline and time.monotonic() - since < quiet:
        time.sleep(0.1)
        if len(spoken()) != count:
            count, since = len(spoken()), time.monotonic()


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "100", *names], check=True)


def session(what, command, steps):
    """Orca and `command` on a desktop of their own; each step acts once Orca
    has fallen silent, and Orca must then say what it names (and no row of
    the triangle)."""
    del lines[:]
    if running := wait_for_other_orcas():
        check(f"{what}: Orca starts", False, "another Orca of this user runs: pid " + " ".join(running))
        return
    manager = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    orca = start_orca()
    app = None
    try:
        # A program started before Orca is ready finds no screen reader and
        # tells it nothing: wait for Orca, generously on a busy machine.
        deadline = time.monotonic() + 180
        while not any("EVENT MANAGER: Activated" in line for line in lines) and time.monotonic() < deadline:
            time.sleep(0.1)
        if not any("EVENT MANAGER: Activated" in line for line in lines):
            check(f"{what}: Orca starts", False, "not ready in 180 s")
            return
        app = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for index, (step, act, wanted) in enumerate(steps):
            if index > 0:
                settle()
            mark = len(lines) if index > 0 else 0
            act()
            said = hear(wanted, mark, 90 if step.startswith("at start") else 60)
            check(f"{what}: {step}", any(wanted in each for each in said) and
                  not any("3 4 3" in each for each in said), said)
        if not spoken():
            print(f"NOTE: {what}: Orca said nothing; its log ends:", *lines[-20:], sep="\n    ")
    finally:
        for process in (app, manager, orca):
            if process is not None:
                end(process)


def main(program, site):
    verdict = "Числото 4 се среща в ред 3"
    session("the desktop window", [program], (
        ("at start Orca reads the task statement", lambda: None, "Условие на задачата"),
        ("Tab into the input box: Orca says its name", lambda: keys("Tab"), "Номер на ред:"),
        ("Tab to «Изведи»: Orca says the button",
         lambda: (subprocess.run(["xdotool", "type", "4"]), keys("Tab", "Tab")), "Изведи"),
        ("«Изведи» pressed: Orca says the verdict", lambda: keys("space"), verdict),
        ("pressed again: Orca says it again", lambda: keys("space"), verdict)))
    if not site:
        return  # a build without the web edition (make test-asan)
    # Firefox tells assistive tools of its pages only where a desktop asks.
    page = os.path.join(os.path.abspath(site), "index.html")
    session("the web edition in Firefox", ["env", "GNOME_ACCESSIBILITY=1", "firefox-esr", "--no-remote",
                                          "--profile", tempfile.mkdtemp(), f"file://{page}"], (
        ("at start Orca reads the page's title", lambda: None, "Дорвелан"),
        ("Tab into the input box: Orca says its name", lambda: keys("Tab"), "Номер на ред:"),
        ("4 and Enter: Orca says the verdict",
         lambda: (subprocess.run(["xdotool", "type", "4"]), keys("Return")), verdict)))


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3) or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        sys.exit("usage: dbus-run-session -- xvfb-session.sh check-orca.py PROGRAM [SITE]")
    main(sys.argv[1], sys.argv[2] if len(sys.argv) == 3 else None)
    sys.exit(1 if failures else 0)
