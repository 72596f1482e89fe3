// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "checks.h"
#include "controlids.h"

#include <cstdio>
#include <cstring>
#include <cwchar>
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

// Hooks the program's messages with standin.dll, once; whether the
// program's thread has loaded it and taken its imports.
bool takeStandIn(const Program &program)
{
    static bool taken = false;
    if (taken)
        return true;
    const HANDLE done = CreateEventW(nullptr, TRUE, FALSE, L"ZerkovanCheckStandInTaken");
    const HMODULE library = LoadLibraryW(L"standin.dll");
    const auto procedure = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "StandInHook")));
    if (procedure && SetWindowsHookExW(WH_GETMESSAGE, procedure, library,
                                       GetWindowThreadProcessId(program.window(), nullptr))) {
        // The program's thread loads the library at its next message.
        PostMessageW(program.window(), WM_NULL, 0, 0);
        taken = done && WaitUntil([&] { return WaitForSingleObject(done, 0) == WAIT_OBJECT_0; });
    }
    if (done)
        CloseHandle(done);
    return taken;
}

// Creates the event `name`, held while `on`; whether it now is as asked.
bool holdEvent(const wchar_t *name, bool on, HANDLE &held)
{
    if (on && !held)
        held = CreateEventW(nullptr, TRUE, FALSE, name);
    if (!on && held) {
        CloseHandle(held);
        held = nullptr;
    }
    const HANDLE seen = OpenEventW(SYNCHRONIZE, FALSE, name);
    if (seen)
        CloseHandle(seen);
    return (seen != nullptr) == on;
}

} // namespace

bool SetHighContrast(const Program &program, bool on)
{
    static HANDLE themeOn = nullptr;
    bool done = takeStandIn(program) && holdEvent(L"ZerkovanCheckHighContrastOn", on, themeOn);
    // What Windows broadcasts when the theme changes, answered once handled.
    DWORD_PTR result = 0;
    done = SendMessageTimeoutW(program.window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0,
                               SMTO_BLOCK, Patience, &result) != 0 &&
           done;
    // Painted again before anyone reads the screen.
    RedrawWindow(program.window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return done;
}

bool StartAsOlderWindows(const wchar_t *windows)
{
    // Held for good, as the hook: the program is yet to start.
    const HANDLE held = CreateEventW(nullptr, TRUE, FALSE, windows);
    const HANDLE alertRole = CreateEventW(nullptr, TRUE, FALSE, L"ZerkovanCheckAlertRole");
    const HMODULE library = LoadLibraryW(L"standin.dll");
    const auto procedure = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "StandInStartHook")));
    return held && alertRole && procedure && SetWindowsHookExW(WH_CBT, procedure, library, 0);
}

bool VerdictMarkedAlert()
{
    const HANDLE role = OpenEventW(SYNCHRONIZE, FALSE, L"ZerkovanCheckAlertRole");
    const bool marked = role && WaitForSingleObject(role, 0) == WAIT_OBJECT_0;
    if (role)
        CloseHandle(role);
    return marked;
}

bool ChangeSystemColour(const Program &program, int index, COLORREF colour)
{
    static const UINT change = RegisterWindowMessageW(L"ZerkovanCheckSysColour");
    const HANDLE passedOn = CreateEventW(nullptr, TRUE, FALSE, L"ZerkovanCheckColoursPassedOn");
    const bool told = takeStandIn(program) &&
                      PostMessageW(program.window(), change, WPARAM(index), LPARAM(colour)) &&
                      WaitUntil([&] { return WaitForSingleObject(passedOn, 0) == WAIT_OBJECT_0; });
    CloseHandle(passedOn);
    return told;
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

AnnotationsWatch::AnnotationsWatch(const Program &program)
    : m_cleared(CreateEventW(nullptr, TRUE, FALSE, L"ZerkovanCheckAnnotationsCleared")),
      m_taken(takeStandIn(program))
{
}

AnnotationsWatch::~AnnotationsWatch()
{
    CloseHandle(m_cleared);
}

bool AnnotationsWatch::clearedInTime() const
{
    return m_taken && WaitForSingleObject(m_cleared, 0) == WAIT_OBJECT_0;
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
