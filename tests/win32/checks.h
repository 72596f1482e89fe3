// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The rows of checkwindow.exe, each a table of what the window must do.
#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace zerkovan::checks {

class Report
{
public:
    void check(bool passed, std::string_view row, const std::string &detail = {});
    // What a row stands on: a failure is counted and said, a pass is not.
    void require(bool done, std::string_view step);
    // Prints the count; 0 when every row passed.
    int finish() const;

private:
    int m_passed = 0;
    int m_failed = 0;
};

// How long a row waits for the program to have handled what it was sent.
// Generous: under emulation a 32-bit program runs many times slower.
constexpr DWORD Patience = 60000;

// Runs this checker's messages (so that WinEvents arrive) until `done`
// holds or `limit` has passed; whether `done` held.
template <typename Condition> bool WaitUntil(Condition done, DWORD limit = Patience)
{
    const ULONGLONG end = GetTickCount64() + limit;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done())
            return true;
        if (GetTickCount64() >= end)
            return false;
        Sleep(10);
    }
}

// Zerkovan.exe's window, from the program started beside this checker,
// waited for until it is shown and idle.
class Program
{
public:
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    HWND window() const { return m_window; }
    HANDLE process() const { return m_process; }
    DWORD processId() const { return m_processId; }
    HWND control(int id) const { return GetDlgItem(m_window, id); }
    // Closes the window as its close box does; whether the program then ended.
    bool close();

private:
    HANDLE m_process = nullptr;
    DWORD m_processId = 0;
    HWND m_window = nullptr;
};

void putOnClipboard(const wchar_t *text);

// What Wine cannot be asked for, made up inside the program by standin.dll.
// High contrast turned on or off as Windows would, and the window told.
bool SetHighContrast(const Program &program, bool on);
// Before the program starts: it is to find nothing newer than Windows 7
// (ZerkovanCheckWindows7), or be 8.1 on a monitor of 144 dpi in a system
// of 96 (ZerkovanCheckWindows81).
bool StartAsOlderWindows(const wchar_t *windows);
// A system colour changes; whether the window and every control were told.
bool ChangeSystemColour(const Program &program, int index, COLORREF colour);
// The icons' widths and the font's height in pixels; 0 where not read.
struct Measures
{
    int bigIcon = 0, smallIcon = 0, fontHeight = 0;
};
Measures Measure(const Program &program);
// The window moves to a monitor of `dpi` from one of `from`.
bool ChangeDpi(const Program &program, UINT dpi, UINT from);
// Whether standin.dll has seen what `signal` names: ZerkovanCheckAlertRole
// while the verdict's static is marked an alert,
// ZerkovanCheckAnnotationsCleared once they were cleared while it existed.
bool Signalled(const wchar_t *signal);

// A control's name, as its checks' rows say it ("Text2(0)"), from its id.
const char *ControlName(int id);
void CheckLayout(const Program &program, UINT dpi, Report &report);
// The window after a move to a monitor of 144 dpi from one of `from`.
void CheckDpiChange(const Program &program, UINT from, Report &report);
// Where the window stands: inside the work area of its monitor, and there
// again after a maximise.
void CheckPlace(const Program &program, Report &report, bool workAreaMoved);
void CheckAccessibleNames(const Program &program, Report &report);
void CheckInputRule(const Program &program, Report &report);
void CheckReadOnlyBoxes(const Program &program, Report &report);
// The verdict said: a live-region event, or an alert where Windows has no
// live regions.
void CheckVerdict(const Program &program, Report &report, bool liveRegions);
void CheckKeyboard(const Program &program, Report &report);
// Under high contrast, the system's face colour is `face`.
void CheckColours(const Program &program, Report &report, bool highContrast,
                  COLORREF face = GetSysColor(COLOR_BTNFACE));

} // namespace zerkovan::checks
