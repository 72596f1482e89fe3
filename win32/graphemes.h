// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Where Windows puts the boundaries of user-perceived characters, as its
// edit controls move the caret over them: Uniscribe's cluster stops.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace zerkovan::win32 {

std::vector<std::size_t> ClusterStopsOf(std::u16string_view text);

} // namespace zerkovan::win32
