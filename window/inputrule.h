// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What the input box admits, for every front end: however the text comes in
// (typed, pasted, dropped, from an input method or set by an assistive tool),
// the box ends up holding one line of at most a few characters as a person
// counts them. Texts are UTF-16, as both toolkits hold them; each front end
// says where its platform puts the boundaries of user-perceived characters.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zerkovan {

inline constexpr int InputBoxMaxLength = 2;

// Where each user-perceived character (grapheme cluster) of a text starts,
// followed by the text's end: {0, ..., text.size()}.
using GraphemeBoundaries = std::function<std::vector<std::size_t>(std::u16string_view)>;

struct AdmittedEdit
{
    std::u16string text;
    std::size_t cursor = 0;
};

// The box held `before`; an edit left `after`, with the cursor at `cursor`.
// Of what the edit inserted this keeps the part before the first line break,
// without control characters, and then as many whole characters as fit
// beside what the box already held. An edit that would add a character to a
// full box thus leaves it as it was, and the cursor ends after what was kept
// of the insertion. What the edit removed stays removed.
AdmittedEdit AdmitEdit(std::u16string_view before, std::u16string_view after, std::size_t cursor,
                       int limit, const GraphemeBoundaries &boundaries);

// A text of 16-bit units, as both toolkits hold it, as the rule reads it.
template <typename Text> std::u16string_view AsUtf16(const Text &text)
{
    static_assert(sizeof(*text.data()) == sizeof(char16_t));
    return {reinterpret_cast<const char16_t *>(text.data()), std::size_t(text.size())};
}

// Only C0 and C1 controls and DEL (Unicode's category Cc).
bool IsControlCharacter(char16_t c);

} // namespace zerkovan
