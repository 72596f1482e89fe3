// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What the program says when it cannot open its window, worded from the
// displays its environment names.
#pragma once

#include <string>

namespace zerkovan {

// Why no window can be opened before trying, or "" when a display (X11 or
// Wayland) or a platform is named.
std::string NoDisplayReason();

// Why opening the window failed once the named displays were tried.
std::string UnreachableDisplayReason();

} // namespace zerkovan
