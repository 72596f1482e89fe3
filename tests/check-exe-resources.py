#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""Reads the built Zerkovan.exe's resources with pefile, as Windows reads
them: the version record with every field, and the icon, byte for byte the
icon file the resource script names.

    check-exe-resources.py Zerkovan.exe ICON.ico   checks both
    check-exe-resources.py --print Zerkovan.exe    prints the record's strings
"""
import struct
import sys

import pefile

MAKER = "www.dorvelan.example"
EXPECTED_STRINGS = {
    "ProductName": "Zerkovan", "FileDescription": "Zerkovan", "InternalName": "Zerkovan",
    "Comments": "Zerkovan", "OriginalFilename": "Zerkovan.exe", "FileVersion": "1.00",
    "ProductVersion": "1.00", "CompanyName": MAKER, "LegalCopyright": MAKER,
}


def version_record(pe):
    """The string tables by language and code page, and the translations."""
    tables, translations = {}, []
    for info in getattr(pe, "FileInfo", [[]])[0]:
        for table in getattr(info, "StringTable", []):
            tables[table.LangID.decode()] = {k.decode(): v.decode() for k, v in table.entries.items()}
        for var in getattr(info, "Var", []):
            translations += [tuple(int(x, 16) for x in value.split()) for value in
                             var.entry.values()] if b"Translation" in var.entry else []
    return tables, translations


def resources(pe, kind):
    """{id: bytes} of one resource type."""
    found = {}
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id != kind:
            continue
        for named in entry.directory.entries:
            for language in named.directory.entries:
                data = language.data.struct
                found[named.id] = pe.get_data(data.OffsetToData, data.Size)
    return found


def check_icon(pe, icon_path):
    """The group's one entry, and the image it names, as in the .ico file."""
    ico = open(icon_path, "rb").read()
    _, _, count = struct.unpack_from("<HHH", ico, 0)
    width, height, colours, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", ico, 6)
    groups = list(resources(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"]).values())
    images = resources(pe, pefile.RESOURCE_TYPE["RT_ICON"])
    if count != 1 or len(groups) != 1:
        return f"{len(groups)} icon groups and {count} icons in the file, not one of each"
    group = groups[0]
    entry = struct.unpack_from("<BBBBHHIH", group, 6)
    if struct.unpack_from("<HHH", group, 0)[2] != 1 or entry[:7] != (width, height, colours, 0, planes, bits, size):
        return f"the icon group's entry is {entry}"
    if (width, height, colours, bits) != (32, 32, 0, 8):
        return f"the icon is {width}x{height}, {bits}-bit, not 32x32 with 256 colours"
    if images.get(entry[7]) != ico[offset:offset + size]:
        return "the icon's image differs from the icon file's"
    return None


def main(argv):
    if argv[:1] == ["--print"]:
        tables, _ = version_record(pefile.PE(argv[1]))
        for name, value in sorted(next(iter(tables.values()), {}).items()):
            print(f"{name}={value}")
        return 0
    path, icon = argv
    pe = pefile.PE(path)
    failures = []
    fixed = pe.VS_FIXEDFILEINFO[0]
    if (fixed.FileVersionMS, fixed.FileVersionLS, fixed.ProductVersionMS,
            fixed.ProductVersionLS) != (0x10000, 0, 0x10000, 0):
        failures.append("the fixed file and product versions are not 1.0.0.0")
    tables, translations = version_record(pe)
    if [table.upper() for table in tables] != ["040904B0"]:
        failures.append(f"string tables are {list(tables)}, not ['040904B0']")
    strings = next(iter(tables.values()), {})
    for name, expected in EXPECTED_STRINGS.items():
        if strings.get(name) != expected:
            failures.append(f"{name} is {strings.get(name)!r}, not {expected!r}")
    if translations != [(0x0409, 1200)]:
        failures.append(f"translation is {translations}, not US English, Unicode")
    problem = check_icon(pe, icon)
    if problem:
        failures.append(problem)
    for failure in failures:
        print("FAIL: " + failure)
    if not failures:
        print(f"PASS: {path}: {len(strings)} strings in 040904B0, version 1.0.0.0, "
              "and the 32x32, 256-colour icon byte for byte")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
