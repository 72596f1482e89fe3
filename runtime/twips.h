// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Window layouts are stored in twips (1/1440 inch); the screen's logical DPI
// turns them into pixels, so the whole layout scales with it.
#pragma once

#include <QRect>
#include <cmath>

namespace zerkovan {

inline constexpr int TwipsPerInch = 1440;

inline int TwipsToPixels(int twips, qreal logicalDpi)
{
    return int(std::lround(twips * logicalDpi / TwipsPerInch));
}

inline QRect TwipsToPixels(const QRect &twips, qreal logicalDpi)
{
    return {TwipsToPixels(twips.x(), logicalDpi), TwipsToPixels(twips.y(), logicalDpi),
            TwipsToPixels(twips.width(), logicalDpi), TwipsToPixels(twips.height(), logicalDpi)};
}

} // namespace zerkovan
