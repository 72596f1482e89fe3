// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "checks.h"
#include "controlids.h"

#include <cstdio>
#include <string>
#include <tlhelp32.h>

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

namespace {

// Runs `function` in the program's process with `argument`, to its end.
bool runInProgram(const Program &program, LPTHREAD_START_ROUTINE function, void *argument)
{
    const HANDLE thread =
        CreateRemoteThread(program.process(), nullptr, 0, function, argument, 0, nullptr);
    if (!thread)
        return false;
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    return true;
}

HMODULE moduleInProgram(const Program &program, const wchar_t *name)
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, program.processId());
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    HMODULE found = nullptr;
    for (BOOL more = Module32FirstW(snapshot, &module); more && !found;
         more = Module32NextW(snapshot, &module)) {
        if (lstrcmpiW(module.szModule, name) == 0)
            found = module.hModule;
    }
    CloseHandle(snapshot);
    return found;
}

} // namespace

bool SetHighContrast(const Program &program, bool on)
{
    constexpr const wchar_t *Library = L"highcontrast.dll";
    const auto kernel = GetModuleHandleW(L"kernel32.dll");
    bool done = false;
    if (on) {
        wchar_t path[MAX_PATH];
        const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring library(path, length);
        library = library.substr(0, library.find_last_of(L'\\') + 1) + Library;
        const std::size_t bytes = (library.size() + 1) * sizeof(wchar_t);
        void *remote = VirtualAllocEx(program.process(), nullptr, bytes, MEM_COMMIT | MEM_RESERVE,
                                      PAGE_READWRITE);
        done = remote &&
               WriteProcessMemory(program.process(), remote, library.c_str(), bytes, nullptr) &&
               runInProgram(program,
                            reinterpret_cast<LPTHREAD_START_ROUTINE>(
                                reinterpret_cast<void *>(GetProcAddress(kernel, "LoadLibraryW"))),
                            remote);
        done = done && moduleInProgram(program, Library);
    } else if (const HMODULE loaded = moduleInProgram(program, Library)) {
        done = runInProgram(program,
                            reinterpret_cast<LPTHREAD_START_ROUTINE>(
                                reinterpret_cast<void *>(GetProcAddress(kernel, "FreeLibrary"))),
                            loaded);
    }
    // What Windows broadcasts when the theme changes.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(program.window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_BLOCK,
                        5000, &result);
    Sleep(500);
    return done;
}

} // namespace zerkovan::checks
