#!/usr/bin/python3
"""Reads the version record of the Windows program back and checks it.

    check-version-record.py --res FILE.res   a compiled resource script
    check-version-record.py --raw FILE       the VS_VERSIONINFO resource alone
"""
import struct
import sys

MAKER = "www.dorvelan.example"
EXPECTED_STRINGS = {
    "ProductName": "Zerkovan", "FileDescription": "Zerkovan", "InternalName": "Zerkovan",
    "Comments": "Zerkovan", "OriginalFilename": "Zerkovan.exe", "FileVersion": "1.00",
    "ProductVersion": "1.00", "CompanyName": MAKER, "LegalCopyright": MAKER,
}
RT_VERSION = 16


def align4(offset):
    return (offset + 3) & ~3


def utf16z(data, offset):
    end = offset
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[offset:end].decode("utf-16-le"), end + 2


def node(data, offset):
    """One VS_VERSIONINFO-style block: (key, value bytes, is text, children)."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
    key, cursor = utf16z(data, offset + 6)
    cursor = align4(cursor)
    size = value_length * 2 if is_text else value_length
    value = data[cursor:cursor + size]
    cursor = align4(cursor + size)
    children = []
    while cursor < offset + length:
        child, cursor = node(data, cursor)
        children.append(child)
        cursor = align4(cursor)
    return (key, value, is_text, children), offset + length


def version_from_res(data):
    offset = 0
    while offset < len(data):
        size, header_size = struct.unpack_from("<II", data, offset)
        type_id = struct.unpack_from("<HH", data, offset + 8)
        if type_id == (0xFFFF, RT_VERSION):
            start = offset + header_size
            return data[start:start + size]
        offset = align4(offset + header_size + size)
    sys.exit("FAIL: no version record in the resources")


def main():
    mode, path = sys.argv[1:3]
    data = open(path, "rb").read()
    blob = version_from_res(data) if mode == "--res" else data
    (key, fixed, _, children), _ = node(blob, 0)
    failures = []
    if key != "VS_VERSION_INFO":
        failures.append(f"root is {key!r}")
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    if signature != 0xFEEF04BD or (file_ms, file_ls, product_ms, product_ls) != (0x10000, 0, 0x10000, 0):
        failures.append("the fixed file and product versions are not 1.0.0.0")

    by_key = {child[0]: child for child in children}
    tables = by_key.get("StringFileInfo", ("", b"", 0, []))[3]
    if [table[0] for table in tables] != ["040904B0"]:
        failures.append(f"string tables are {[table[0] for table in tables]}, not ['040904B0']")
    strings = {entry[0]: entry[1].decode("utf-16-le").rstrip("\0")
               for table in tables for entry in table[3]}
    for name, expected in EXPECTED_STRINGS.items():
        if strings.get(name) != expected:
            failures.append(f"{name} is {strings.get(name)!r}, not {expected!r}")
    translations = [struct.unpack("<HH", entry[1]) for entry in
                    by_key.get("VarFileInfo", ("", b"", 0, []))[3] if entry[0] == "Translation"]
    if translations != [(0x0409, 1200)]:
        failures.append(f"translation is {translations}, not US English, Unicode")

    for failure in failures:
        print("FAIL: " + failure)
    if not failures:
        print(f"PASS: version record of {path}: {len(strings)} strings in 040904B0, version 1.0.0.0")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
