// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "text.h"

namespace zerkovan::win32 {

std::wstring Utf16(std::string_view utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring text(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), length);
    return text;
}

std::string Utf8(std::wstring_view utf16)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), int(utf16.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string text(std::size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), int(utf16.size()), text.data(), length, nullptr,
                        nullptr);
    return text;
}

// By message: GetWindowText reads only a caption from another process.
std::wstring TextOf(HWND control)
{
    std::wstring text(std::size_t(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(std::size_t(SendMessageW(control, WM_GETTEXT, WPARAM(text.size()),
                                         reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

} // namespace zerkovan::win32
