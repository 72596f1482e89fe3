#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""Reads the built Zerkovan.exe with pefile, as Windows reads it: a GUI
program for the machine it was built for, the version record with every
field, the icon, byte for byte the icon file the resource script names, and
the manifest Windows reads before the program starts.

    check-exe-resources.py Zerkovan.exe ICON.ico ARCH   checks them all
    check-exe-resources.py --print Zerkovan.exe         prints the record's strings
"""
import struct
import sys
import xml.etree.ElementTree as ElementTree

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


# Every size Windows draws the program's icon at: title bars and the
# taskbar at 100 to 250 %, Alt+Tab, Explorer's views and the Start menu.
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 96, 256)


def check_icon(pe, icon_path):
    """One group with an image at every size: the hand-drawn 32-pixel,
    256-colour one of the icon file byte for byte, the rest 32-bit with
    alpha and a picture on it, the 256-pixel one a PNG."""
    ico = open(icon_path, "rb").read()
    if struct.unpack_from("<HHH", ico, 0)[2] != 1:
        return f"{icon_path} holds more than the hand-drawn image"
    width, height, colours, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", ico, 6)
    if (width, height, colours, bits) != (32, 32, 0, 8):
        return f"the hand-drawn icon is {width}x{height}, {bits}-bit, not 32x32 with 256 colours"
    groups = list(resources(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"]).values())
    images = resources(pe, pefile.RESOURCE_TYPE["RT_ICON"])
    if len(groups) != 1:
        return f"{len(groups)} icon groups, not one"
    count = struct.unpack_from("<HHH", groups[0], 0)[2]
    entries = {(entry[0] or 256): entry for entry in
               (struct.unpack_from("<BBBBHHIH", groups[0], 6 + 14 * i) for i in range(count))}
    if tuple(sorted(entries)) != ICON_SIZES:
        return f"the icon's sizes are {sorted(entries)}, not {list(ICON_SIZES)}"
    for side, entry in entries.items():
        image = images.get(entry[7], b"")
        if side == 32:
            if entry[2] != 0 or entry[5] != 8 or image != ico[offset:offset + size]:
                return "the 32-pixel image is not the hand-drawn one, byte for byte"
        elif side == 256:
            if not image.startswith(b"\x89PNG\r\n\x1a\n"):
                return "the 256-pixel image is not a PNG"
        else:
            if entry[5] != 32 or struct.unpack_from("<IiiHH", image) != (40, side, 2 * side, 1, 32):
                return f"the {side}-pixel image is not a 32-bit bitmap of its size"
            alpha = image[40 + 3:40 + 4 * side * side:4]
            opaque = sum(1 for value in alpha if value == 255) / len(alpha)
            if not 0.2 < opaque < 0.95:
                return f"the {side}-pixel image is {opaque:.0%} opaque: no picture on it"
    return None


MACHINES = {"i686": pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"],
            "x86_64": pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"]}
WINDOWS_7 = "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"


def check_manifest(pe):
    """No elevation, common controls 6, Windows 7 among the systems, and
    per-monitor DPI awareness (v2 first) with its older form beside it."""
    manifests = list(resources(pe, pefile.RESOURCE_TYPE["RT_MANIFEST"]).items())
    if [number for number, _ in manifests] != [1]:
        return [f"manifests {[number for number, _ in manifests]}, not the one of a program (1)"]
    root = ElementTree.fromstring(manifests[0][1])
    found = {element.tag.split("}")[1]: element for element in root.iter()}
    text = {tag: (element.text or "").strip() for tag, element in found.items()}
    controls = [e.attrib for e in root.iter() if e.tag.endswith("assemblyIdentity")
                and e.attrib.get("name") == "Microsoft.Windows.Common-Controls"]
    systems = [e.attrib.get("Id") for e in root.iter() if e.tag.endswith("supportedOS")]
    failures = []
    if found.get("requestedExecutionLevel") is None or \
            found["requestedExecutionLevel"].attrib.get("level") != "asInvoker":
        failures.append("the manifest does not ask to run as the invoker")
    if not controls or controls[0].get("version") != "6.0.0.0":
        failures.append("the manifest does not ask for common controls 6")
    if WINDOWS_7 not in systems or len(systems) != 4:
        failures.append(f"supported systems are {systems}, not Windows 7 to 11")
    if text.get("dpiAwareness") != "PerMonitorV2, PerMonitor" or text.get("dpiAware") != "true/pm":
        failures.append(f"DPI awareness is {text.get('dpiAwareness')!r} / {text.get('dpiAware')!r}")
    return failures


def main(argv):
    if argv[:1] == ["--print"]:
        tables, _ = version_record(pefile.PE(argv[1]))
        for name, value in sorted(next(iter(tables.values()), {}).items()):
            print(f"{name}={value}")
        return 0
    path, icon, arch = argv
    pe = pefile.PE(path)
    failures = []
    if pe.FILE_HEADER.Machine != MACHINES[arch]:
        failures.append(f"the machine is {pe.FILE_HEADER.Machine:#x}, not {arch}")
    if pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
        failures.append("the program is not a GUI program")
    failures += check_manifest(pe)
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
        print(f"PASS: {path}: an {arch} GUI program, {len(strings)} strings in 040904B0, "
              "version 1.0.0.0, the 32x32, 256-colour icon byte for byte, and its manifest")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
