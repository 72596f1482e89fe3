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

bool SetHighContrast(const Program &program, bool on)
{
    // Held while the theme is on; highcontrast.dll answers from it.
    static HANDLE themeOn = nullptr;
    static HHOOK hook = nullptr;
    bool done = false;
    if (on) {
        themeOn = CreateEventW(nullptr, TRUE, FALSE, L"ZerkovanCheckHighContrastOn");
        // Set by the library once it has taken the program's import.
        const HANDLE taken = CreateEventW(nullptr, TRUE, FALSE, L"ZerkovanCheckHighContrastTaken");
        // The program's thread loads the library at its next message.
        const HMODULE library = LoadLibraryW(L"highcontrast.dll");
        const auto procedure = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void *>(GetProcAddress(library, "HighContrastHook")));
        if (!hook && procedure)
            hook = SetWindowsHookExW(WH_GETMESSAGE, procedure, library,
                                     GetWindowThreadProcessId(program.window(), nullptr));
        PostMessageW(program.window(), WM_NULL, 0, 0);
        done = themeOn && hook && taken &&
               WaitUntil([&] { return WaitForSingleObject(taken, 0) == WAIT_OBJECT_0; });
        if (taken)
            CloseHandle(taken);
    } else {
        done = themeOn && CloseHandle(themeOn);
        themeOn = nullptr;
        const HANDLE still = OpenEventW(SYNCHRONIZE, FALSE, L"ZerkovanCheckHighContrastOn");
        done = done && !still;
        if (still)
            CloseHandle(still);
    }
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

} // namespace zerkovan::checks
