// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Window layouts are stored in twips (1/1440 inch); the screen's DPI turns
// them into pixels, so the whole layout scales with it.
#pragma once

#include "layout.h"

#include <cmath>

namespace zerkovan {

inline constexpr int TwipsPerInch = 1440;

// To the nearest pixel, halves away from zero, as Windows' MulDiv rounds.
inline int TwipsToPixels(int twips, double dpi)
{
    return int(std::lround(twips * dpi / TwipsPerInch));
}

// A place of the layout in pixels at `dpi`, each of its four numbers
// rounded on its own.
inline layout::Twips PixelsOf(const layout::Twips &twips, double dpi)
{
    return {TwipsToPixels(twips.left, dpi), TwipsToPixels(twips.top, dpi),
            TwipsToPixels(twips.width, dpi), TwipsToPixels(twips.height, dpi)};
}

} // namespace zerkovan
