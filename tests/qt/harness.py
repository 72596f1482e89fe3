# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""What the checks that drive the program from outside share: their verdicts,
and an end for every process they start."""

import subprocess

failures = []


def check(what, ok, detail=""):
    print(("PASS: " if ok else "FAIL: ") + what + (f" ({detail})" if detail and not ok else ""))
    if not ok:
        failures.append(what)


def end(process):
    """Ends what the check started, whatever it takes: a process that
    outlives SIGTERM by 10 s is killed, and the run's result stands."""
    process.terminate()
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
