// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The window as it stands on the screen: every control where the layout
// table puts it at the window's DPI, what starts where, and its colours,
// which give way to the system's under a high-contrast theme.
#include "checks.h"
#include "controlids.h"
#include "layout.h"
#include "statictexts.h"
#include "text.h"

#include <cmath>
#include <cstdio>

namespace zerkovan::checks {

namespace {

using namespace zerkovan::win32;

struct Placed
{
    const char *name;
    int id;
    const layout::Twips &twips;
};

const Placed Controls[] = {
    {"Label1(0)", Label1_0, layout::Label1_0},
    {"Label1(1)", Label1_1, layout::Label1_1},
    {"Text2(0)", Text2_0, layout::Text2_0},
    {"Command1(0)", Command1_0, layout::Command1_0},
    {"Command1(1)", Command1_1, layout::Command1_1},
    {"Text2(1)", Text2_1, layout::Text2_1},
    {"Text1(0)", Text1_0, layout::Text1_0},
    {"Text1(1)", Text1_1, layout::Text1_1},
};

int pixels(int twips, UINT dpi)
{
    return int(std::lround(twips * double(dpi) / 1440));
}

std::string rectText(const RECT &rect)
{
    char text[64];
    std::snprintf(text, sizeof text, "(%ld, %ld, %ld x %ld)", rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top);
    return text;
}

std::string colourText(COLORREF colour)
{
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%d, %d, %d)", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

COLORREF rgb(const layout::Colour &colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

// A pixel of the screen, `x` and `y` in the window's client area.
COLORREF pixelAt(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

RECT clientRectOf(HWND window, HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

// Where a control stands at `dpi`, and where the table puts it.
struct Standing
{
    RECT actual, expected;
    bool inPlace;
};

Standing standingOf(const Program &program, const Placed &placed, UINT dpi)
{
    const RECT expected{pixels(placed.twips.left, dpi), pixels(placed.twips.top, dpi),
                        pixels(placed.twips.left, dpi) + pixels(placed.twips.width, dpi),
                        pixels(placed.twips.top, dpi) + pixels(placed.twips.height, dpi)};
    const RECT actual = clientRectOf(program.window(), program.control(placed.id));
    // One pixel either way for rounding a position and a size apart.
    const bool inPlace = std::abs(actual.left - expected.left) <= 1 &&
                         std::abs(actual.top - expected.top) <= 1 &&
                         std::abs(actual.right - expected.right) <= 1 &&
                         std::abs(actual.bottom - expected.bottom) <= 1;
    return {actual, expected, inPlace};
}

void checkControls(const Program &program, UINT dpi, Report &report, const std::string &when)
{
    for (const Placed &placed : Controls) {
        const Standing standing = standingOf(program, placed, dpi);
        report.check(standing.inPlace, when + placed.name + " stands at its twips",
                     rectText(standing.actual) + ", table " + rectText(standing.expected));
    }
}

void checkClientArea(const Program &program, UINT dpi, Report &report, const std::string &when)
{
    RECT client;
    GetClientRect(program.window(), &client);
    const RECT area{0, 0, pixels(layout::ClientArea.width, dpi),
                    pixels(layout::ClientArea.height, dpi)};
    report.check(EqualRect(&client, &area) != 0, when + "the client area is 7215 x 6360 twips",
                 rectText(client));
}

// The icons at the sizes Windows asks for at `dpi`, and the font's points.
void checkIconsAndFont(const Program &program, UINT dpi, Report &report, const std::string &when)
{
    const Measures measured = Measure(program);
    const int big = MulDiv(32, int(dpi), 96);
    const int small = MulDiv(16, int(dpi), 96);
    report.check(measured.bigIcon == big && measured.smallIcon == small,
                 when + "the icons are " + std::to_string(big) + " and " + std::to_string(small) +
                     " pixels wide",
                 std::to_string(measured.bigIcon) + " and " + std::to_string(measured.smallIcon));
    report.check(measured.fontHeight == MulDiv(12, int(dpi), 72),
                 when + "the font is 12 points high",
                 std::to_string(measured.fontHeight) + " pixels");
}

} // namespace

const char *ControlName(int id)
{
    for (const Placed &placed : Controls)
        if (placed.id == id)
            return placed.name;
    return "another window";
}

void CheckDpiChange(const Program &program, UINT from, Report &report)
{
    constexpr UINT Dpi = 144;
    report.require(ChangeDpi(program, Dpi, from), "the window is moved to a monitor of 144 dpi");
    // Laid out again before the rows read it.
    WaitUntil([&] {
        for (const Placed &placed : Controls)
            if (!standingOf(program, placed, Dpi).inPlace)
                return false;
        return true;
    });
    checkClientArea(program, Dpi, report, "at 144 dpi, ");
    checkControls(program, Dpi, report, "at 144 dpi, ");
    checkIconsAndFont(program, Dpi, report, "at 144 dpi, ");
    // The edge: its outer line of the edge colour, 2 pixels wide at 144 dpi;
    // a box still drawn at 96 dpi has the box's face in the second pixel.
    const RECT edge = clientRectOf(program.window(), program.control(Text2_1));
    const auto secondPixel = [&] {
        return pixelAt(program.window(), edge.left + 1, (edge.top + edge.bottom) / 2);
    };
    const COLORREF expected = rgb(layout::BoxBorderColour);
    WaitUntil([&] { return secondPixel() == expected; });
    report.check(secondPixel() == expected,
                 "at 144 dpi, the output box's edge line is drawn 2 pixels wide",
                 "second pixel " + colourText(secondPixel()));
}

void CheckLayout(const Program &program, UINT dpi, Report &report)
{
    const HWND window = program.window();
    checkClientArea(program, dpi, report, "");
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    report.check(origin.x == pixels(45, dpi) && origin.y == pixels(435, dpi),
                 "the client area stands 45 twips from the screen's left, 435 from its top",
                 std::to_string(origin.x) + ", " + std::to_string(origin.y));
    checkControls(program, dpi, report, "");
    checkIconsAndFont(program, dpi, report, "");

    report.check(!IsWindowVisible(program.control(Text1_1)) &&
                     TextOf(program.control(Text1_1)) == Utf16(Motto),
                 "the motto is there and hidden");
    report.check(TextOf(program.control(Text1_0)) == Utf16(TaskStatement),
                 "the task statement is shown whole");
    report.check(TextOf(program.control(Text2_0)).empty() &&
                     TextOf(program.control(Text2_1)).empty(),
                 "the input and output boxes start empty");
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    report.check(thread.hwndFocus == program.control(Text1_0), "the task statement has the focus");
}

void CheckPlace(const Program &program, Report &report, bool workAreaMoved)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(program.window(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &work = monitor.rcWork;
    RECT before;
    GetWindowRect(program.window(), &before);
    if (workAreaMoved)
        report.require(work.left > 0 && work.bottom - work.top < before.bottom - before.top,
                       "the work area leaves room at the left and is shorter than the window");
    // Whole inside; or, where it is taller, hanging from the work area's top.
    report.check(before.left >= work.left && before.top >= work.top && before.right <= work.right &&
                     (before.bottom <= work.bottom || before.top == work.top),
                 "the window lies inside the work area, or hangs from its top",
                 rectText(before) + " in " + rectText(work));
    // As a shortcut set to start maximised shows it.
    ShowWindow(program.window(), SW_MAXIMIZE);
    RECT after{};
    const auto restored = [&] {
        GetWindowRect(program.window(), &after);
        return !IsZoomed(program.window()) && EqualRect(&after, &before);
    };
    WaitUntil(restored);
    report.check(restored(), "maximised, the window comes back to its place and size",
                 rectText(after));
}

void CheckColours(const Program &program, Report &report, bool highContrast, COLORREF face)
{
    const HWND window = program.window();
    const std::string theme = highContrast ? " under high contrast" : "";
    const auto inside = [&](int id) {
        const RECT rect = clientRectOf(window, program.control(id));
        return POINT{rect.left + 4, rect.top + 4};
    };
    const RECT output = clientRectOf(window, program.control(Text2_1));
    const struct
    {
        const char *what;
        POINT at;
        COLORREF normal, contrast;
    } rows[] = {
        {"the window", {4, 4}, rgb(layout::WindowColour), face},
        {"a label", inside(Label1_1), rgb(layout::LabelColour), face},
        {"«Изведи»", inside(Command1_0), rgb(layout::DisplayButtonColour), face},
        {"«Изчисти»", inside(Command1_1), rgb(layout::ClearButtonColour), face},
        {"a text box's edge",
         {output.left, (output.top + output.bottom) / 2},
         rgb(layout::BoxBorderColour),
         GetSysColor(COLOR_WINDOWTEXT)},
    };
    const auto expectedOf = [&](const auto &row) {
        return highContrast ? row.contrast : row.normal;
    };
    // The screen once the program has painted what it was told.
    WaitUntil([&] {
        for (const auto &row : rows)
            if (pixelAt(window, row.at.x, row.at.y) != expectedOf(row))
                return false;
        return true;
    });
    for (const auto &row : rows) {
        const COLORREF expected = expectedOf(row);
        const COLORREF actual = pixelAt(window, row.at.x, row.at.y);
        report.check(actual == expected,
                     std::string(row.what) + " is " + colourText(expected) + theme,
                     colourText(actual));
    }
}

} // namespace zerkovan::checks
