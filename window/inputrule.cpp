// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "inputrule.h"

#include <algorithm>

namespace zerkovan {

namespace {

bool isLineBreak(char16_t c)
{
    switch (c) {
    case u'\n':
    case u'\r':
    case u'\v':
    case u'\f':
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

// An edit replaces `removed` characters of the old text at `start` with
// `inserted` characters: new = old[0, start) + inserted + old[start + removed, end).
struct Edit
{
    std::size_t start = 0;
    std::size_t inserted = 0;
    std::size_t removed = 0;
};

bool editFits(std::u16string_view before, std::u16string_view after, const Edit &edit)
{
    return after.substr(0, edit.start) == before.substr(0, edit.start) &&
           after.substr(edit.start + edit.inserted) == before.substr(edit.start + edit.removed);
}

// The smallest edit that turns before into after. Inside a run of equal
// characters it could stand in several places; typing and pasting leave the
// cursor at the end of what they inserted, so the place that ends at the
// cursor is taken when it fits. An assistive tool sets the whole text and
// leaves the cursor at its end, where the first difference is taken.
Edit editBetween(std::u16string_view before, std::u16string_view after, std::size_t cursor)
{
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const Edit edit{prefix, after.size() - prefix - suffix, before.size() - prefix - suffix};
    if (cursor >= edit.inserted) {
        Edit atCursor = edit;
        atCursor.start = cursor - edit.inserted;
        if (atCursor.start < edit.start && editFits(before, after, atCursor))
            return atCursor;
    }
    return edit;
}

std::size_t characterCount(std::u16string_view text, const GraphemeBoundaries &boundaries)
{
    return boundaries(text).size() - 1;
}

} // namespace

bool IsControlCharacter(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

AdmittedEdit AdmitEdit(std::u16string_view before, std::u16string_view after, std::size_t cursor,
                       int limit, const GraphemeBoundaries &boundaries)
{
    const auto maximum = std::size_t(limit);
    const Edit edit = editBetween(before, after, std::min(cursor, after.size()));
    std::u16string_view inserted = after.substr(edit.start, edit.inserted);
    inserted = inserted.substr(0, std::find_if(inserted.begin(), inserted.end(), isLineBreak) -
                                      inserted.begin());
    std::u16string kept;
    std::copy_if(inserted.begin(), inserted.end(), std::back_inserter(kept),
                 [](char16_t c) { return !IsControlCharacter(c); });
    const std::u16string_view head = after.substr(0, edit.start);
    const std::u16string_view tail = after.substr(edit.start + edit.inserted);

    // Whole characters of the insertion, as many as fit.
    const std::vector<std::size_t> bounds = boundaries(kept);
    std::size_t count = bounds.size() - 1;
    AdmittedEdit admitted;
    for (;; --count) {
        admitted.text.assign(head).append(kept, 0, bounds[count]).append(tail);
        if (count == 0 || characterCount(admitted.text, boundaries) <= maximum)
            break;
    }
    admitted.cursor = edit.start + bounds[count];
    // Only a box that held too much before the edit is still over.
    if (characterCount(admitted.text, boundaries) > maximum) {
        admitted.text.resize(boundaries(admitted.text)[maximum]);
        admitted.cursor = std::min(admitted.cursor, admitted.text.size());
    }
    return admitted;
}

} // namespace zerkovan
