// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The window's class and the identifiers of its controls, by which the
// window tells them apart and its checks find them. None is IDOK or
// IDCANCEL, which the dialog manager sends for Enter and Escape.
#pragma once

#include <cstdint>

namespace zerkovan::win32 {

inline constexpr const wchar_t *WindowClass = L"Zerkovan";

enum ControlId : std::uint8_t {
    Label1_0 = 100,
    Label1_1,
    Text2_0,
    Text2_1,
    Text1_0,
    Text1_1,
    Command1_0,
    Command1_1,
    VerdictStatic,
    // The names of the boxes that no visible label names.
    OutputBoxNameStatic,
    TaskStatementBoxNameStatic,
    MottoBoxNameStatic,
};

} // namespace zerkovan::win32
