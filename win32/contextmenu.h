// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// A text box's context menu in Bulgarian, whatever the system's language:
// the edit control's own commands, each disabled where it would do nothing.
#pragma once

#include <windows.h>

namespace zerkovan::win32 {

// Shows the menu at the screen point in `position` (WM_CONTEXTMENU's
// lParam), or below the caret when it came from the keyboard, and carries
// out what is chosen.
void ShowContextMenu(HWND box, bool readOnly, LPARAM position);

} // namespace zerkovan::win32
