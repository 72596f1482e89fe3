// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "checks.h"
#include "controlids.h"

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <map>
#include <string>

namespace zerkovan::checks {

void Report::check(bool passed, std::string_view row, const std::string &detail)
{
    std::printf("%s: %.*s%s%s\n", passed ? "PASS" : "FAIL", int(row.size()), row.data(),
                detail.empty() ? "" : ": ", detail.c_str());
    std::fflush(stdout);
    ++(passed ? m_passed : m_failed);
}

void Report::require(bool done, std::string_view step)
{
    if (!done)
        check(false, step);
}

int Report::finish() const
{
    std::printf("%d passed, %d failed\n", m_passed, m_failed);
    return m_failed == 0 && m_passed > 0 ? 0 : 1;
}

Program::Program()
{
    // The start of a program under emulation takes tens of seconds.
    WaitUntil(
        [this] {
            const HWND found = FindWindowW(zerkovan::win32::WindowClass, nullptr);
            if (found && IsWindowVisible(found))
                m_window = found;
            return m_window != nullptr;
        },
        5 * Patience);
    if (!m_window)
        return;
    GetWindowThreadProcessId(m_window, &m_processId);
    m_process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, m_processId);
    if (m_process)
        WaitForInputIdle(m_process, Patience);
}

Program::~Program()
{
    if (m_process)
        CloseHandle(m_process);
}

bool Program::close()
{
    if (!m_process)
        return false;
    PostMessageW(m_window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(m_process, Patience) == WAIT_OBJECT_0)
        return true;
    TerminateProcess(m_process, 1);
    return false;
}

void putOnClipboard(const wchar_t *text)
{
    if (!OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    const std::size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

namespace {

// The events by which the checker tells the stand-in a state it holds,
// and the stand-in tells the checker what it saw, made before either is
// asked for; a state ends when its event is closed.
HANDLE &eventOf(const wchar_t *name)
{
    static std::map<std::wstring, HANDLE> events;
    HANDLE &event = events[name];
    if (!event)
        event = CreateEventW(nullptr, TRUE, FALSE, name);
    return event;
}

void hold(const wchar_t *state, bool on)
{
    HANDLE &event = eventOf(state);
    if (!on) {
        CloseHandle(event);
        event = nullptr;
    }
}

bool loadedWithSignals()
{
    for (const wchar_t *signal :
         {L"ZerkovanCheckStandInTaken", L"ZerkovanCheckAlertRole",
          L"ZerkovanCheckAnnotationsCleared", L"ZerkovanCheckColoursPassedOn"})
        if (!eventOf(signal))
            return false;
    return LoadLibraryW(L"standin.dll") != nullptr;
}

HOOKPROC standInProcedure(const char *name)
{
    return reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"standin.dll"), name)));
}

// Hooks the program's messages with standin.dll, once; whether the
// program's thread has loaded it and taken its imports.
bool takeStandIn(const Program &program)
{
    static bool taken = false;
    if (!taken && loadedWithSignals() &&
        SetWindowsHookExW(WH_GETMESSAGE, standInProcedure("StandInHook"),
                          GetModuleHandleW(L"standin.dll"),
                          GetWindowThreadProcessId(program.window(), nullptr))) {
        // The program's thread loads the library at its next message.
        PostMessageW(program.window(), WM_NULL, 0, 0);
        taken = WaitUntil([] { return Signalled(L"ZerkovanCheckStandInTaken"); });
    }
    return taken;
}

} // namespace

bool Signalled(const wchar_t *signal)
{
    return WaitForSingleObject(eventOf(signal), 0) == WAIT_OBJECT_0;
}

bool SetHighContrast(const Program &program, bool on)
{
    hold(L"ZerkovanCheckHighContrastOn", on);
    // What Windows broadcasts when the theme changes, answered once handled.
    DWORD_PTR result = 0;
    const bool done = takeStandIn(program) &&
                      SendMessageTimeoutW(program.window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST,
                                          0, SMTO_BLOCK, Patience, &result) != 0;
    // Painted again before anyone reads the screen.
    RedrawWindow(program.window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return done;
}

bool StartAsOlderWindows(const wchar_t *windows)
{
    hold(windows, true);
    return loadedWithSignals() && SetWindowsHookExW(WH_CBT, standInProcedure("StandInStartHook"),
                                                    GetModuleHandleW(L"standin.dll"), 0);
}

bool ChangeSystemColour(const Program &program, int index, COLORREF colour)
{
    static const UINT change = RegisterWindowMessageW(L"ZerkovanCheckSysColour");
    ResetEvent(eventOf(L"ZerkovanCheckColoursPassedOn"));
    return takeStandIn(program) &&
           PostMessageW(program.window(), change, WPARAM(index), LPARAM(colour)) &&
           WaitUntil([] { return Signalled(L"ZerkovanCheckColoursPassedOn"); });
}

Measures Measure(const Program &program)
{
    static const UINT measure = RegisterWindowMessageW(L"ZerkovanCheckMeasure");
    const HWND window = program.window();
    const auto read = [window](const wchar_t *name) {
        return int(reinterpret_cast<INT_PTR>(GetPropW(window, name)));
    };
    // Each measure writes the font's height last: cleared first, it tells
    // when this one is done.
    SetPropW(window, L"ZerkovanCheck.FontHeight", nullptr);
    if (!takeStandIn(program) || !PostMessageW(window, measure, 0, 0) ||
        !WaitUntil([&] { return read(L"ZerkovanCheck.FontHeight") != 0; }))
        return {};
    return {read(L"ZerkovanCheck.BigIcon"), read(L"ZerkovanCheck.SmallIcon"),
            read(L"ZerkovanCheck.FontHeight")};
}

bool ChangeDpi(const Program &program, UINT dpi, UINT from)
{
    static const UINT change = RegisterWindowMessageW(L"ZerkovanCheckDpiChange");
    // Handled once the window has laid out its controls again, the task
    // statement's motto last.
    const HWND last = program.control(zerkovan::win32::Text1_1);
    const auto placeOf = [last] {
        RECT place;
        GetWindowRect(last, &place);
        return place;
    };
    const RECT before = placeOf();
    if (!takeStandIn(program) || !PostMessageW(program.window(), change, dpi, LPARAM(from)))
        return false;
    return WaitUntil([&] {
        const RECT now = placeOf();
        return EqualRect(&now, &before) == 0;
    });
}

} // namespace zerkovan::checks
