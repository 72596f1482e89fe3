// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The engine and the tables speak UTF-8; Windows' controls speak UTF-16.
#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace zerkovan::win32 {

std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

// A control's whole text, in this process or another.
std::wstring TextOf(HWND control);

} // namespace zerkovan::win32
