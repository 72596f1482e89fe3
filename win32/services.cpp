// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "services.h"

#include "messages.h"
#include "text.h"
#include "zerkovan.h"

namespace zerkovan::win32 {

namespace {

HHOOK buttonHook = nullptr;

// The message box's OK button speaks the system's language: it is renamed
// once the box is about to show.
LRESULT CALLBACK renameButton(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        SetDlgItemTextW(reinterpret_cast<HWND>(wParam), IDOK, Utf16(RunErrorButton).c_str());
        UnhookWindowsHookEx(buttonHook);
        buttonHook = nullptr;
        return 0;
    }
    return CallNextHookEx(buttonHook, code, wParam, lParam);
}

} // namespace

std::string UserDecimalSeparator()
{
    wchar_t separator[8] = L".";
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 0)
        return ".";
    return Utf8(separator);
}

void ShowRunErrorBox(HWND window, std::string_view message)
{
    buttonHook = SetWindowsHookExW(WH_CBT, renameButton, nullptr, GetCurrentThreadId());
    const std::wstring text = Utf16(std::string(RunErrorStart).append(message));
    MessageBoxW(window, text.c_str(), Utf16(ProgramName).c_str(), MB_OK | MB_ICONERROR);
    if (buttonHook) {
        UnhookWindowsHookEx(buttonHook);
        buttonHook = nullptr;
    }
}

} // namespace zerkovan::win32
