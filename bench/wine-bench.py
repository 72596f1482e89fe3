#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""The Windows program's speed under Wine, on an X display, from outside it:
the start until its window is shown, the display click with "99" until the
output box's pixels change, and the process's resident memory then (what
Wine's working set is made of). Medians over several starts, with Wine's
server kept running, so that Wine's own start is not counted.

    wine-bench.py PROGRAM.exe [RUNS]     prints one JSON object
Environment: as tests/win32/wine-run.sh (ZERKOVAN_WINEPREFIX).
"""
import json
import os
import statistics
import subprocess
import sys
import time

from Xlib import X, XK, display, protocol
from Xlib.ext import xtest

CAPTION = "www.dorvelan.example  Дорвелан"
# The output box at 96 dpi, in client pixels (Text2_1: 120, 1200, 6855, 2325 twips).
OUTPUT = (8 + 10, 80 + 10, 457 - 40, 155 - 20)
RUNNER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "win32", "wine-run.sh")


def find_window(d, root):
    name = d.intern_atom("_NET_WM_NAME")
    for child in root.query_tree().children:
        try:
            if child.get_attributes().map_state != X.IsViewable:
                continue
            title = child.get_full_property(name, 0)
            text = title.value.decode() if title else child.get_wm_name()
        except Exception:
            continue
        if text == CAPTION:
            return child
    return None


def key(d, name):
    code = d.keysym_to_keycode(XK.string_to_keysym(name))
    xtest.fake_input(d, X.KeyPress, code)
    xtest.fake_input(d, X.KeyRelease, code)
    d.sync()


def pixels(window):
    return window.get_image(*OUTPUT, X.ZPixmap, 0xFFFFFFFF).data


def close(d, window):
    """What a window manager sends when its close button is pressed."""
    protocols = d.intern_atom("WM_PROTOCOLS")
    message = protocol.event.ClientMessage(
        window=window, client_type=protocols,
        data=(32, [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    d.sync()


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        return next(int(line.split()[1]) for line in status if line.startswith("VmRSS:"))


def one_run(d, root, program):
    started = time.perf_counter()
    process = subprocess.Popen([RUNNER, program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = None
    while window is None:
        window = find_window(d, root)
        if process.poll() is not None:
            sys.exit(f"{program} ended before its window was shown")
    shown = time.perf_counter() - started
    time.sleep(1.0)
    window.set_input_focus(X.RevertToParent, X.CurrentTime)
    d.sync()
    time.sleep(0.2)
    for name in ("Tab", "9", "9"):
        key(d, name)
        time.sleep(0.1)
    time.sleep(0.5)
    before = pixels(window)
    clicked = time.perf_counter()
    key(d, "Return")
    while pixels(window) == before:
        if time.perf_counter() - clicked > 10:
            sys.exit("the output box did not change within 10 s")
    painted = time.perf_counter() - clicked
    time.sleep(0.5)
    memory = resident_kib(process.pid)
    close(d, window)
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        sys.exit(f"{program} still ran 10 s after its window was closed")
    return shown, painted, memory


def main(argv):
    program = os.path.abspath(argv[0])
    runs = int(argv[1]) if len(argv) > 1 else 5
    d = display.Display()
    root = d.screen().root
    subprocess.run([RUNNER, "--server"], check=True)
    one_run(d, root, program)  # the first start fills Wine's caches
    results = [one_run(d, root, program) for _ in range(runs)]
    print(json.dumps({
        "program": os.path.basename(program),
        "start_ms": round(statistics.median(r[0] for r in results) * 1000, 1),
        "click_99_ms": round(statistics.median(r[1] for r in results) * 1000, 1),
        "resident_kib": int(statistics.median(r[2] for r in results)),
        "runs": runs}))


if __name__ == "__main__":
    main(sys.argv[1:])
