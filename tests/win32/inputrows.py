#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""The input rule's rows (tests/window/inputrule.json) as C++ for the
Windows check, which drives the real input box with them. Texts are written
unit by unit, so that a lone surrogate half stays what it is.
    usage: inputrows.py ROWS.json OUTPUT.inc"""

import json
import sys


def units(text):
    data = text.encode("utf-16-le", "surrogatepass")
    return "{" + ", ".join(hex(int.from_bytes(data[i:i + 2], "little"))
                           for i in range(0, len(data), 2)) + "}"


rows = json.load(open(sys.argv[1], encoding="utf-8"))
with open(sys.argv[2], "w", encoding="utf-8") as output:
    output.write("// Made by inputrows.py from inputrule.json; not to be edited.\n")
    for row in rows:
        output.write(f"{{{json.dumps(row['name'], ensure_ascii=True)}, {units(row['before'])}, "
                     f"{row['select'][0]}, {row['select'][1]}, {units(row['inserted'])}, "
                     f"{units(row['text'])}, {row['cursor']}}},\n")
