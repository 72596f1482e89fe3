// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What the window needs from Windows beyond its controls: the message that
// names a failed click, and the user's number format.
#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace zerkovan::win32 {

// Tells the user, in a message box over window, that a click failed and
// why: "Грешка при изпълнение: Overflow", with a Bulgarian button. The
// window stays open.
void ShowRunErrorBox(HWND window, std::string_view message);

// The decimal separator of the user's locale, UTF-8.
std::string UserDecimalSeparator();

} // namespace zerkovan::win32
