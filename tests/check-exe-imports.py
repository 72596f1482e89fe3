#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""Reads the built Zerkovan.exe's import table, as Windows' loader reads it,
so that the one file starts on every Windows from 7 SP1 on: it may import
only from the system's own DLLs, and nothing that Windows 7 lacks. What
later versions added the program looks up at run time.

    check-exe-imports.py Zerkovan.exe
"""
import re
import sys

import pefile

# The DLLs of Windows 7 the program may import from, by name.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "ole32.dll",
               "oleaut32.dll", "oleacc.dll", "usp10.dll", "msvcrt.dll", "advapi32.dll"}
# What those DLLs export only from Windows 8 on: functions the program
# resolves at run time where they exist, and must never import.
NEWER = re.compile(r"^(GetDpiFor(Window|System)|SetThreadDpiAwarenessContext|"
                   r"SetProcessDpiAwareness(Context)?|AdjustWindowRectExForDpi|"
                   r"GetSystemMetricsForDpi|SystemParametersInfoForDpi|EnableNonClientDpiScaling|"
                   r"GetWindowDpiAwarenessContext|AreDpiAwarenessContextsEqual|"
                   r"GetAwarenessFromDpiAwarenessContext|UiaRaiseNotificationEvent|"
                   r"GetPointer\w*|InjectTouchInput|RegisterPointer\w*|"
                   r"GetSystemTimePreciseAsFileTime|CreateFile2|"
                   r"GetCurrentThreadStackLimits|SetThreadDescription|GetThreadDescription|"
                   r"WaitOnAddress|WakeByAddress\w*|PrefetchVirtualMemory)$")


def main(argv):
    pe = pefile.PE(argv[0])
    failures = []
    imports = {entry.dll.decode().lower(): [i.name.decode() if i.name else f"#{i.ordinal}"
                                            for i in entry.imports]
               for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])}
    for dll, functions in sorted(imports.items()):
        if dll not in SYSTEM_DLLS:
            failures.append(f"imports {dll}, which is not one of Windows 7's own DLLs")
        newer = [name for name in functions if NEWER.match(name)]
        if newer:
            failures.append(f"imports {', '.join(newer)} from {dll}, which Windows 7 lacks")
    delayed = [entry.dll.decode() for entry in getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])]
    if delayed:
        failures.append(f"delay-loads {', '.join(delayed)}")
    for failure in failures:
        print("FAIL: " + failure)
    if not failures:
        count = sum(len(functions) for functions in imports.values())
        print(f"PASS: {count} functions from {', '.join(sorted(imports))}, all in Windows 7")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
