// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "zerkovanwindow.h"

#include "appearance.h"
#include "controlids.h"
#include "layout.h"
#include "newerfunctions.h"
#include "resources.h"
#include "statictexts.h"

#include <algorithm>
#include <exception>
#include <tuple>
#include <windowsx.h>

namespace zerkovan::win32 {

namespace {

// Only minimise and close: the layout has one size.
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The window's frame around a client area of the layout's size at `dpi`,
// placed at (0, 0): its left and top are the frame's widths, negative.
RECT outerFrame(UINT dpi)
{
    RECT rect = RectOf(layout::ClientArea, dpi);
    if (const auto adjustForDpi = NewerDpiFunctions().adjustWindowRectExForDpi)
        adjustForDpi(&rect, WindowStyle, FALSE, 0, dpi);
    else
        AdjustWindowRectEx(&rect, WindowStyle, FALSE, 0);
    return rect;
}

// `place` moved just enough to lie whole inside the work area of the
// monitor it is on, where a taskbar at the top or the left would cover its
// caption, or one at the bottom its lower edge; where it cannot fit, its
// caption shows. Nothing moves it left: it starts at the screen's left
// edge, the frame's width from it.
RECT insideWorkArea(RECT place)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor))
        return place;
    const RECT &work = monitor.rcWork;
    const LONG up = std::min(0L, work.bottom - place.bottom);
    OffsetRect(&place, std::max(0L, work.left - place.left), std::max(up, work.top - place.top));
    return place;
}

} // namespace

ZerkovanWindow *ZerkovanWindow::Create(HINSTANCE instance)
{
    // Shared: the system frees the class's icons, which live as long as
    // the program.
    const auto icon = [instance](int size) {
        return static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(ProgramIcon), IMAGE_ICON, size, size, LR_SHARED));
    };
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon(GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = icon(GetSystemMetrics(SM_CXSMICON));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = WindowClass;
    if (!RegisterClassExW(&windowClass))
        return nullptr;

    // The stored place of the client area: 45 twips from the screen's left
    // and 435 from its top.
    const std::wstring caption = Utf16(WindowCaption());
    const HWND window = CreateWindowExW(0, WindowClass, caption.c_str(), WindowStyle, 0, 0, 0, 0,
                                        nullptr, nullptr, instance, nullptr);
    if (!window)
        return nullptr;
    const UINT dpi = DpiOf(window);
    KeepDpi(window, dpi);
    RECT place = outerFrame(dpi);
    OffsetRect(&place, TwipsToPixels(45, dpi), TwipsToPixels(435, dpi));
    auto *zerkovan = reinterpret_cast<ZerkovanWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    zerkovan->placeWindow(insideWorkArea(place), dpi);
    zerkovan->takeIcons(dpi);
    return zerkovan;
}

void ZerkovanWindow::takeIcons(UINT dpi)
{
    const auto sizeOf = [dpi](int metric) {
        if (const auto forDpi = NewerDpiFunctions().getSystemMetricsForDpi)
            return forDpi(metric, dpi);
        // Before Windows 10 1607 the metrics are the system DPI's.
        return MulDiv(GetSystemMetrics(metric), int(dpi), int(SystemDpi()));
    };
    for (auto [metric, kind, icon] : {std::tuple{SM_CXICON, ICON_BIG, &m_bigIcon},
                                      std::tuple{SM_CXSMICON, ICON_SMALL, &m_smallIcon}}) {
        const int size = sizeOf(metric);
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        const PCWSTR name = MAKEINTRESOURCEW(ProgramIcon);
        HICON loaded = nullptr;
        // The picture drawn for the size where the icon has one, scaled
        // down from a larger one otherwise, never up.
        if (const auto scaleDown = NewerLoadIconWithScaleDown();
            !scaleDown || FAILED(scaleDown(instance, name, size, size, &loaded)))
            loaded = static_cast<HICON>(LoadImageW(instance, name, IMAGE_ICON, size, size, 0));
        if (!loaded)
            continue;
        SendMessageW(m_window, WM_SETICON, WPARAM(kind), reinterpret_cast<LPARAM>(loaded));
        if (*icon)
            DestroyIcon(*icon);
        *icon = loaded;
    }
}

void ZerkovanWindow::placeWindow(const RECT &place, UINT dpi)
{
    SetWindowPos(m_window, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame drawn is not the one computed (Wine draws every
    // window's at the system's DPI), the size is mended by the difference.
    RECT client;
    GetClientRect(m_window, &client);
    const RECT area = RectOf(layout::ClientArea, dpi);
    if (EqualRect(&client, &area))
        return;
    SetWindowPos(m_window, nullptr, 0, 0, place.right - place.left + area.right - client.right,
                 place.bottom - place.top + area.bottom - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ZerkovanWindow::ZerkovanWindow(HWND window)
    : m_window(window)
{
}

LRESULT CALLBACK ZerkovanWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *zerkovan = reinterpret_cast<ZerkovanWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        zerkovan = new ZerkovanWindow(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(zerkovan));
    }
    if (!zerkovan)
        return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = zerkovan->handleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete zerkovan;
    }
    return result;
}

LRESULT ZerkovanWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createControls();
        return 0;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (HIWORD(wParam) == BN_CLICKED && (id == Command1_0 || id == Command1_1))
            click(Integer16(id - Command1_0));
        else if (id == IDOK)
            pressEnter();
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        return brushFor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_ERASEBKGND:
        paintBackground(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case GetDpiScaledSizeMessage: {
        // Asked before a move to a monitor of another DPI (Windows 10 1703
        // and later), so that the rectangle then suggested has our size.
        const RECT frame = outerFrame(UINT(wParam));
        *reinterpret_cast<SIZE *>(lParam) = {frame.right - frame.left, frame.bottom - frame.top};
        return TRUE;
    }
    case WM_DPICHANGED: {
        const UINT dpi = HIWORD(wParam);
        KeepDpi(m_window, dpi);
        // The suggested place, but our own size: where Windows scales the
        // old frame with the client area (8.1, 10 before 1607) the size it
        // suggests leaves a band at the right and the bottom.
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        RECT place = outerFrame(dpi);
        OffsetRect(&place, suggested->left - place.left, suggested->top - place.top);
        placeWindow(place, dpi);
        placeControls(dpi);
        takeIcons(dpi);
        return 0;
    }
    case WM_SIZE:
        // The layout has one size: a shortcut set to start maximised, or
        // another program, gets the window at that size, where it was.
        if (wParam == SIZE_MAXIMIZED)
            PostMessageW(m_window, WM_SYSCOMMAND, SC_RESTORE, 0);
        break;
    case WM_SYSCOLORCHANGE:
        // Common controls learn of the change only from their parent.
        for (HWND child = GetWindow(m_window, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            SendMessageW(child, message, wParam, lParam);
        [[fallthrough]];
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        takeColours();
        RedrawWindow(m_window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        break;
    case WM_ACTIVATE:
        // The focus comes back to the control that had it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (const HWND focus = GetFocus(); focus && IsChild(m_window, focus))
                m_lastFocus = focus;
        } else if (m_lastFocus) {
            SetFocus(m_lastFocus);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        if (m_lastFocus)
            SetFocus(m_lastFocus);
        return 0;
    case WM_DESTROY:
        m_verdict.release();
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        KeepDpi(m_window, 0);
        if (m_font)
            DeleteObject(m_font);
        for (const HICON icon : {m_bigIcon, m_smallIcon})
            if (icon)
                DestroyIcon(icon);
        for (const HBRUSH brush : {m_windowBrush, m_labelBrush})
            if (brush)
                DeleteObject(brush);
        break;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

// Enter, which the dialog manager sends as IDOK: in the input box it
// displays, on a button it presses that button, elsewhere it does nothing.
void ZerkovanWindow::pressEnter()
{
    const HWND focus = GetFocus();
    if (focus == Text2(0) || focus == Command1(0))
        click(0);
    else if (focus == Command1(1))
        click(1);
}

// An error that escapes a handler is shown, and the window stays open with
// what the user typed: nothing may unwind through DispatchMessageW.
void ZerkovanWindow::click(Integer16 index)
{
    try {
        Command1_Click(index);
    } catch (const std::exception &error) {
        ShowRunError(error.what());
    }
}

} // namespace zerkovan::win32
