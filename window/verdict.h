// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What a screen reader is told after a display: not the rows, only the
// output's last line, the verdict.
#pragma once

#include <string_view>

namespace zerkovan {

inline std::string_view VerdictOf(std::string_view output)
{
    return output.substr(output.rfind('\n') + 1);
}

} // namespace zerkovan
