// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Where the window's controls stand and how the window is coloured: one
// table, read by the desktop window and by the web page's stylesheet.
// Positions and sizes are in twips (1/1440 inch) from the top left corner
// of the client area.
#pragma once

namespace zerkovan::layout {

struct Twips
{
    int left, top, width, height;
};

struct Colour
{
    int red, green, blue;
};

inline constexpr Twips ClientArea{0, 0, 7215, 6360};
inline constexpr Twips Label1_0{960, 0, 5415, 375};
inline constexpr Twips Label1_1{120, 600, 1575, 375};
inline constexpr Twips Text2_0{1680, 600, 1575, 405};
inline constexpr Twips Command1_0{3840, 600, 1095, 375};
inline constexpr Twips Command1_1{5760, 600, 1095, 375};
inline constexpr Twips Text2_1{120, 1200, 6855, 2325};
inline constexpr Twips Text1_0{120, 3720, 6855, 2535};
inline constexpr Twips Text1_1{600, 4680, 6735, 1815};

inline constexpr Colour WindowColour{192, 192, 255};
inline constexpr Colour LabelColour{255, 192, 128};
inline constexpr Colour DisplayButtonColour{128, 255, 128};
inline constexpr Colour ClearButtonColour{255, 0, 0};
inline constexpr Colour ButtonBorderColour{64, 64, 64};
// The text boxes' edges: 6:1 against the window's colour, where a boundary
// needs 3:1 to be seen; their faces stay the system's.
inline constexpr Colour BoxBorderColour{64, 64, 64};
// A focused control's edge.
inline constexpr Colour FocusColour{0, 0, 0};

} // namespace zerkovan::layout
