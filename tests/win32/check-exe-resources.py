#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""Reads the built Zerkovan.exe with pefile, as Windows reads it: a GUI
program for the machine it was built for, the manifest Windows reads before
the program starts, a version record Explorer can show, and the icon at
every size, the hand-drawn one of the icon file byte for byte.

    check-exe-resources.py Zerkovan.exe ICON.ico MANIFEST ARCH   checks them all
    check-exe-resources.py --print Zerkovan.exe                  prints the record's strings
"""
import os
import struct
import sys

import pefile


def version_record(pe):
    """The string tables by language and code page, and the translations."""
    tables, translations = {}, []
    for info in getattr(pe, "FileInfo", [[]])[0]:
        for table in getattr(info, "StringTable", []):
            tables[table.LangID.decode().upper()] = {k.decode(): v.decode() for k, v in table.entries.items()}
        for var in getattr(info, "Var", []):
            for value in var.entry.values():
                translations.append("%04X%04X" % tuple(int(x, 16) for x in value.split()))
    return tables, translations


def resources(pe, kind):
    """{id: bytes} of one resource type."""
    found = {}
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id == pefile.RESOURCE_TYPE[kind]:
            for named in entry.directory.entries:
                for language in named.directory.entries:
                    data = language.data.struct
                    found[named.id] = pe.get_data(data.OffsetToData, data.Size)
    return found


# Every size Windows draws the program's icon at: title bars and the
# taskbar at 100 to 250 %, Alt+Tab, Explorer's views and the Start menu.
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 96, 256)


def icon_failure(pe, icon_path):
    """One group with an image at every size: the hand-drawn 32-pixel,
    256-colour one of the icon file byte for byte, the rest 32-bit with
    alpha and a picture on it, the 256-pixel one a PNG."""
    ico = open(icon_path, "rb").read()
    width, height, colours, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", ico, 6)
    if struct.unpack_from("<H", ico, 4)[0] != 1 or (width, height, colours, bits) != (32, 32, 0, 8):
        return f"{icon_path} is not one 32x32 image of 256 colours"
    groups = list(resources(pe, "RT_GROUP_ICON").values())
    images = resources(pe, "RT_ICON")
    if len(groups) != 1:
        return f"{len(groups)} icon groups, not one"
    entries = {(entry[0] or 256): entry for entry in (struct.unpack_from("<BBBBHHIH", groups[0], 6 + 14 * i)
                                                      for i in range(struct.unpack_from("<H", groups[0], 4)[0]))}
    if tuple(sorted(entries)) != ICON_SIZES:
        return f"the icon's sizes are {sorted(entries)}, not {list(ICON_SIZES)}"
    for side, entry in entries.items():
        image = images.get(entry[7], b"")
        if side == 32 and (entry[2], entry[5], image) != (0, 8, ico[offset:offset + size]):
            return "the 32-pixel image is not the hand-drawn one, byte for byte"
        if side == 256 and not image.startswith(b"\x89PNG\r\n\x1a\n"):
            return "the 256-pixel image is not a PNG"
        if side not in (32, 256):
            if entry[5] != 32 or struct.unpack_from("<IiiHH", image) != (40, side, 2 * side, 1, 32):
                return f"the {side}-pixel image is not a 32-bit bitmap of its size"
            alpha = image[40 + 3:40 + 4 * side * side:4]
            if not 0.2 < alpha.count(255) / len(alpha) < 0.95:
                return f"the {side}-pixel image is all or nothing opaque: no picture on it"
    return None


MACHINES = {"i686": "IMAGE_FILE_MACHINE_I386", "x86_64": "IMAGE_FILE_MACHINE_AMD64"}


def main(argv):
    if argv[:1] == ["--print"]:
        tables, _ = version_record(pefile.PE(argv[1]))
        for name, value in sorted(next(iter(tables.values()), {}).items()):
            print(f"{name}={value}")
        return 0
    path, icon, manifest, arch = argv
    pe = pefile.PE(path)
    failures = []
    if pe.FILE_HEADER.Machine != pefile.MACHINE_TYPE[MACHINES[arch]]:
        failures.append(f"the machine is {pe.FILE_HEADER.Machine:#x}, not {arch}")
    if pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
        failures.append("the program is not a GUI program")
    if resources(pe, "RT_MANIFEST") != {1: open(manifest, "rb").read()}:
        failures.append(f"the program's manifest (1) is not {manifest} alone, byte for byte")
    # Explorer shows the table the translation names, and the fixed version
    # beside the strings' "M.mm".
    tables, translations = version_record(pe)
    strings = tables.get(translations[0] if translations else "", {})
    major, _, minor = strings.get("FileVersion", "").partition(".")
    fixed = pe.VS_FIXEDFILEINFO[0]
    if list(tables) != translations or not strings:
        failures.append(f"string tables {list(tables)}, translations {translations}")
    elif not (major + minor).isdigit() or strings.get("ProductVersion") != strings["FileVersion"] or \
            (fixed.FileVersionMS, fixed.FileVersionLS, fixed.ProductVersionMS, fixed.ProductVersionLS) != \
            ((int(major) << 16) + int(minor), 0) * 2:
        failures.append(f"the fixed versions do not say version {strings.get('FileVersion')!r}")
    failures += [f"the record has no {name}" for name in ("ProductName", "CompanyName", "FileDescription")
                 if not strings.get(name)]
    if strings.get("OriginalFilename") != os.path.basename(path):
        failures.append(f"the record names another file: {strings.get('OriginalFilename')!r}")
    problem = icon_failure(pe, icon)
    if problem:
        failures.append(problem)
    for failure in failures:
        print("FAIL: " + failure)
    if not failures:
        print(f"PASS: {path}: an {arch} GUI program, its manifest, version {strings['FileVersion']} "
              "in the record, and the icon at every size")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
