// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What the window's EDIT controls do beyond the system's own: the input
// box admits only what the input rule lets in, however the text arrives;
// the read-only boxes refuse every change but the program's own; every box
// has a Bulgarian context menu, Ctrl+A, and an edge that shows the focus.
#pragma once

#include <cstdint>
#include <string_view>
#include <windows.h>

namespace zerkovan::win32 {

enum class BoxKind : std::uint8_t { Input, ReadOnly };

// Takes over the box's messages for as long as it lives.
void AttachTextBox(HWND box, BoxKind kind);

// The program's own assignment: replaces the whole text, read-only or not,
// and shows it from its first line.
void AssignText(HWND box, std::wstring_view text);

} // namespace zerkovan::win32
