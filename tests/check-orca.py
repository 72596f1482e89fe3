#!/usr/bin/python3
"""What a student hears from Orca, a real screen reader, using the program
with the keyboard: its debug log's SPEECH OUTPUT lines are what it says.

Run on an X server inside its own D-Bus session:
    dbus-run-session -- xvfb-session.sh check-orca.py PROGRAM

Orca runs without a speech server (-d speech): it then writes what it would
say to the log and returns, where with speech-dispatcher and no sound card it
can wait for the server for ever. Openbox gives the window the focus, as a
desktop does.
"""
import os
import pty
import re
import subprocess
import sys
import tempfile
import threading
import time

failures = []


def check(what, ok, detail=""):
    print(("PASS: " if ok else "FAIL: ") + what + (f" ({detail})" if detail and not ok else ""))
    if not ok:
        failures.append(what)


class Orca:
    """Orca, its debug log read as it writes it. The log goes to a terminal
    (a pseudo-terminal of this check's): Python buffers a file's writes and
    would hold back what Orca said, but writes a terminal line by line."""

    def __init__(self, folder):
        self.lines = []
        self.read = 0
        master, terminal = pty.openpty()
        self.process = subprocess.Popen(
            ["orca", "--replace", "-d", "speech", "-u", os.path.join(folder, "prefs"),
             "--debug-file", "/dev/stderr"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=terminal)
        os.close(terminal)
        threading.Thread(target=self._follow, args=(master,), daemon=True).start()

    def _follow(self, master):
        with os.fdopen(master, "rb", buffering=0) as log:
            pending = b""
            while True:
                try:
                    chunk = log.read(65536)
                except OSError:  # Orca has ended
                    return
                if not chunk:
                    return
                *complete, pending = (pending + chunk).split(b"\n")
                self.lines += [line.decode("utf-8", "replace").rstrip("\r") for line in complete]

    def _until(self, found, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            result = found()
            if result:
                return result
            time.sleep(0.1)
        return None

    # Once Orca listens for events.
    def ready(self, seconds=30):
        return self._until(lambda: any("EVENT MANAGER: Activated" in line for line in self.lines), seconds)

    # What Orca has said since the last call, once it says what `wanted`
    # matches, or everything it said in `seconds`.
    def hear(self, wanted, seconds=20):
        def spoken():
            return [m.group(1) for line in self.lines[self.read:]
                    if (m := re.search(r"SPEECH OUTPUT: '(.*?)' ?(?:voice=\S+)?\{", line))]
        if self._until(lambda: any(re.search(wanted, said) for said in spoken()), seconds):
            heard = spoken()
            self.read = len(self.lines)
            return heard
        return spoken()

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "100", *names], check=True)


def main(program):
    folder = tempfile.mkdtemp(prefix="zerkovan-orca-")
    manager = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    orca = Orca(folder)
    app = None
    try:
        check("Orca starts and listens", orca.ready())
        app = subprocess.Popen([program], env={**os.environ, "QT_QPA_PLATFORM": "xcb"})
        heard = orca.hear("Условие на задачата")
        check("at start Orca reads the window and the task statement",
              any("Условие на задачата" in said for said in heard), heard)

        keys("Tab")
        heard = orca.hear("Номер на ред:")
        check("Tab into the input box: Orca says its name", any("Номер на ред:" in said for said in heard),
              heard)

        subprocess.run(["xdotool", "type", "4"], check=True)
        keys("Tab", "Tab")
        heard = orca.hear("Изведи")
        check("Tab to «Изведи»: Orca says the button", any("Изведи" in said for said in heard), heard)
        keys("space")
        heard = orca.hear("Числото 4 се среща в ред 3")
        check("«Изведи» pressed: Orca says the verdict, and no row",
              any("Числото 4 се среща в ред 3" in said for said in heard) and
              not any("3 4 3" in said for said in heard), heard)
        keys("space")
        heard = orca.hear("Числото 4 се среща в ред 3")
        check("pressed again: Orca says the same verdict again",
              any("Числото 4 се среща в ред 3" in said for said in heard), heard)
    finally:
        for process in (app, manager):
            if process is not None:
                process.terminate()
                process.wait(10)
        orca.stop()


if __name__ == "__main__":
    if len(sys.argv) != 2 or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        sys.exit("usage: dbus-run-session -- xvfb-session.sh check-orca.py PROGRAM")
    main(sys.argv[1])
    sys.exit(1 if failures else 0)
