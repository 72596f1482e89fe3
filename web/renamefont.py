#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""Names the page's cut-down font Zerkovan Serif. It is a modified version
of Liberation Serif, whose terms let a modified version go out only without
Red Hat's LIBERATION trademark in its names; its copyright and trademark
notices stay as they are.
    renamefont.py FONT_FILE"""
import sys

from fontTools.ttLib import TTFont

Family = "Zerkovan Serif"
Names = {1: Family, 3: f"{Family} Regular", 4: Family, 6: "ZerkovanSerif-Regular", 16: Family}

if len(sys.argv) != 2:
    sys.exit(__doc__)
font = TTFont(sys.argv[1], recalcTimestamp=False)
for record in font["name"].names:
    if record.nameID in Names:
        record.string = Names[record.nameID]
font.save(sys.argv[1])
