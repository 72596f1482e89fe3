// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "checks.h"
#include "controlids.h"

#include <cstdio>
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

Program::Program(const wchar_t *path)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + std::wstring(path) + L"\"";
    if (!CreateProcessW(path, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_process))
        return;
    WaitForInputIdle(m_process.hProcess, 30000);
    for (int tries = 0; tries < 300 && !m_window; ++tries) {
        HWND found = nullptr;
        while ((found = FindWindowExW(nullptr, found, zerkovan::win32::WindowClass, nullptr))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == m_process.dwProcessId && IsWindowVisible(found))
                m_window = found;
        }
        if (!m_window)
            Sleep(100);
    }
    // Painted and idle before the first row.
    Sleep(500);
}

Program::~Program()
{
    if (!m_process.hProcess)
        return;
    if (m_window)
        PostMessageW(m_window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0) {
        std::puts("FAIL: the program still runs after its window was closed");
        TerminateProcess(m_process.hProcess, 1);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

void SetHighContrast(bool on)
{
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    contrast.dwFlags = on ? HCF_HIGHCONTRASTON : 0;
    SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof contrast, &contrast,
                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    Sleep(1000);
}

} // namespace zerkovan::checks
