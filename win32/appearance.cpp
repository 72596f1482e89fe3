// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "appearance.h"

#include "newerfunctions.h"

#include <algorithm>

namespace zerkovan::win32 {

namespace {

COLORREF rgb(const layout::Colour &colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

} // namespace

namespace {

constexpr const wchar_t *DpiProperty = L"Zerkovan.Dpi";

} // namespace

void KeepDpi(HWND window, UINT dpi)
{
    if (dpi)
        SetPropW(window, DpiProperty, reinterpret_cast<HANDLE>(UINT_PTR(dpi)));
    else
        RemovePropW(window, DpiProperty);
}

UINT SystemDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return UINT(dpi);
}

UINT DpiOf(HWND window)
{
    const HWND top = GetAncestor(window, GA_ROOT);
    if (const auto kept =
            UINT(reinterpret_cast<UINT_PTR>(GetPropW(top ? top : window, DpiProperty))))
        return kept;
    if (const auto getDpiForWindow = NewerDpiFunctions().getDpiForWindow)
        return getDpiForWindow(window);
    // Windows 8.1 and 10 before 1607: the effective DPI of its monitor.
    UINT x = 0;
    UINT y = 0;
    if (const auto forMonitor = NewerGetDpiForMonitor();
        forMonitor && SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                                           0 /* MDT_EFFECTIVE_DPI */, &x, &y)))
        return y;
    return SystemDpi();
}

RECT RectOf(const layout::Twips &twips, UINT dpi)
{
    const layout::Twips place = PixelsOf(twips, dpi);
    return {place.left, place.top, place.left + place.width, place.top + place.height};
}

int LineWidth(int width, UINT dpi)
{
    return std::max(1, MulDiv(width, int(dpi), USER_DEFAULT_SCREEN_DPI));
}

HFONT MakeWindowFont(UINT dpi)
{
    constexpr int Points = 12;
    LOGFONTW font{};
    font.lfHeight = -MulDiv(Points, int(dpi), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = RUSSIAN_CHARSET; // 204, Cyrillic
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    lstrcpynW(font.lfFaceName, L"Times New Roman", LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

bool HighContrastIsOn()
{
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

Colours CurrentColours()
{
    if (HighContrastIsOn()) {
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        const COLORREF text = GetSysColor(COLOR_BTNTEXT);
        return {face, face, text, face, face, text, text, GetSysColor(COLOR_WINDOWTEXT), text};
    }
    return {rgb(layout::WindowColour),       rgb(layout::LabelColour),
            GetSysColor(COLOR_WINDOWTEXT),   rgb(layout::DisplayButtonColour),
            rgb(layout::ClearButtonColour),  GetSysColor(COLOR_BTNTEXT),
            rgb(layout::ButtonBorderColour), rgb(layout::BoxBorderColour),
            rgb(layout::FocusColour)};
}

} // namespace zerkovan::win32
