// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// How the program's windows and boxes present themselves to assistive
// tools (screen readers, the AT-SPI bus on Linux).
#pragma once

namespace zerkovan {

// Announces top-level windows as windows named by their caption, and gives
// read-only boxes an interface that offers their text for reading and
// refuses every editing call. Call once the application object stands.
void InstallAccessibility();

} // namespace zerkovan
