#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""Reads the built Zerkovan.exe's import table, as Windows' loader reads it,
so that the one file starts on every Windows from 7 SP1 on: every function
it imports must stand in the list of imports checked against Windows 7
(tests/win32/imports.txt) with a Windows no newer than 7, and its header
may ask for no system and no subsystem newer than 7's, 6.1. What later
versions added the program looks up at run time, and imports nothing of
it.

    check-exe-imports.py Zerkovan.exe IMPORTS.txt
"""
import sys

import pefile

# The Windows versions a line may name, oldest first; 7 is the floor.
WINDOWS = ["2000", "XP", "Vista", "7"]


def allowed(path):
    """{(dll, function): (since, documented in, release or None)} from the list."""
    lines, release, group = {}, None, None
    for line in open(path, encoding="utf-8"):
        if line.startswith("[Debian "):
            release = line.strip()[len("[Debian "):-1]
        elif line.strip() and not line.startswith("#"):
            if not line[0].isspace():
                head, line = line.split(":", 1)
                dll, since, *source = head.split()
                group = (dll.lower(), since, " ".join(source))
            for function in line.split():
                lines[(group[0], function)] = (group[1], group[2], release)
    return lines


def this_release():
    """The major version of the Debian that builds, or None past the last."""
    version = open("/etc/debian_version", encoding="utf-8").read().split(".")[0]
    return version if version.isdigit() else None


def main(argv):
    pe = pefile.PE(argv[0])
    listed = allowed(argv[1])
    imported = {(entry.dll.decode().lower(), i.name.decode() if i.name else f"#{i.ordinal}")
                for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []) for i in entry.imports}
    failures = [f"imports {function} from {dll}, which the list does not hold: check it "
                f"against Windows 7 and add it with its source"
                for dll, function in sorted(imported - listed.keys())]
    release = this_release()
    for dll, function in sorted(listed.keys() - imported):
        wanted = listed[(dll, function)][2]
        if release is None:
            print(f"NOTE: the list holds {function} from {dll}, which this build does not import")
        elif wanted in (None, release):
            failures.append(f"the list holds {function} from {dll} for Debian {release}, which "
                            f"this build does not import: take it out, or move it")
    failures += [f"imports {function} from {dll}, which the list holds for Debian {wanted} alone"
                 for (dll, function), (_, _, wanted) in sorted(listed.items())
                 if (dll, function) in imported and release and wanted not in (None, release)]
    failures += [f"{function} from {dll} is listed as new in Windows {since}, after 7"
                 for (dll, function), (since, _, _) in sorted(listed.items())
                 if since not in WINDOWS]
    failures += [f"{function} from {dll} names no source"
                 for (dll, function), (_, source, _) in sorted(listed.items()) if not source]
    # Windows 7's loader refuses a file that asks for a newer system.
    header = pe.OPTIONAL_HEADER
    for field in ("OperatingSystem", "Subsystem"):
        version = (getattr(header, f"Major{field}Version"), getattr(header, f"Minor{field}Version"))
        if version > (6, 1):
            failures.append(f"the header asks for {field.lower()} version %d.%d, after 7's 6.1"
                            % version)
    delayed = [entry.dll.decode() for entry in getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])]
    if delayed:
        failures.append(f"delay-loads {', '.join(delayed)}")
    for failure in failures:
        print("FAIL: " + failure)
    if not failures:
        dlls = sorted({dll for dll, _ in imported})
        print(f"PASS: {len(imported)} functions from {', '.join(dlls)}, each checked against "
              f"Windows 7")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
