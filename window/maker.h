// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Who makes the program: shown in the caption and stored in its metadata.
#pragma once

namespace zerkovan {

inline constexpr const char *MakerAddress = "www.dorvelan.example";
inline constexpr const char *DesktopId = "example.dorvelan.Zerkovan";

} // namespace zerkovan
