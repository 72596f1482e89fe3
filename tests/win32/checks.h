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
    // Prints the count; 0 when every row passed.
    int finish() const;

private:
    int m_passed = 0;
    int m_failed = 0;
};

// Zerkovan.exe, started and waited for; closed at the end.
class Program
{
public:
    explicit Program(const wchar_t *path);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    HWND window() const { return m_window; }
    HANDLE process() const { return m_process.hProcess; }
    DWORD processId() const { return m_process.dwProcessId; }
    HWND control(int id) const { return GetDlgItem(m_window, id); }

private:
    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
};

// Turns high contrast on or off for the program as Windows would, and tells
// its window: Wine has no such theme, so highcontrast.dll, beside this
// program, is loaded into it to answer for the system while it is on.
bool SetHighContrast(const Program &program, bool on);

void CheckLayout(const Program &program, UINT dpi, Report &report);
void CheckAccessibleNames(const Program &program, Report &report);
void CheckInputRule(const Program &program, Report &report);
void CheckReadOnlyBoxes(const Program &program, Report &report);
void CheckVerdictEvents(const Program &program, Report &report);
void CheckKeyboard(const Program &program, Report &report);
void CheckColours(const Program &program, Report &report, bool highContrast);

} // namespace zerkovan::checks
