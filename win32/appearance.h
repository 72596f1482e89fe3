// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// How the window looks at a given DPI and under a given theme: twips to
// pixels, the window's font, and its colours, which give way to the
// system's own when a high-contrast theme is on.
#pragma once

#include "layout.h"
#include "twips.h"

#include <windows.h>

namespace zerkovan::win32 {

// The window's own DPI: its own where Windows knows it (10 1607 and
// later), its monitor's on 8.1 and 10 before 1607, the system's on 7.
UINT DpiOf(HWND window);
// Keeps `dpi` as the DPI of the top-level `window` and all its controls,
// from its start and each WM_DPICHANGED: before Windows 10 1607 nothing
// else knows a per-monitor DPI that is not the system's. 0 forgets it.
void KeepDpi(HWND window, UINT dpi);
// The system's DPI, the one every window has on Windows 7.
UINT SystemDpi();

// A place of the layout, in pixels at `dpi`.
RECT RectOf(const layout::Twips &twips, UINT dpi);
// A line of `width` pixels at 96 dpi, at least one pixel at any DPI.
int LineWidth(int width, UINT dpi);

// Times New Roman 12 pt, regular, Cyrillic character set, at `dpi`.
HFONT MakeWindowFont(UINT dpi);

bool HighContrastIsOn();

struct Colours
{
    COLORREF window, label, labelText, displayButton, clearButton, buttonText;
    COLORREF buttonEdge, boxEdge, focus;
};
// The window's colours, or the system's under a high-contrast theme.
Colours CurrentColours();

} // namespace zerkovan::win32
