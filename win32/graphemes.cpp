// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "graphemes.h"

#include <windows.h>
// After windows.h, which it needs.
#include <usp10.h>

namespace zerkovan::win32 {

namespace {

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xd800 && unit <= 0xdbff;
}

bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xdc00 && unit <= 0xdfff;
}

} // namespace

std::vector<std::size_t> ClusterStopsOf(std::u16string_view text)
{
    const auto *characters = reinterpret_cast<const WCHAR *>(text.data());
    const int length = int(text.size());
    // Where a character may start, as Uniscribe says; one at every unit
    // where it cannot say.
    std::vector<bool> stops(text.size() + 1, true);
    std::vector<SCRIPT_ITEM> items(std::size_t(length) + 2);
    int itemCount = 0;
    if (length > 0 && SUCCEEDED(ScriptItemize(characters, length, int(items.size()) - 1, nullptr,
                                              nullptr, items.data(), &itemCount))) {
        for (int item = 0; item < itemCount; ++item) {
            const int start = items[std::size_t(item)].iCharPos;
            const int end = items[std::size_t(item) + 1].iCharPos;
            std::vector<SCRIPT_LOGATTR> attributes(std::size_t(end - start));
            if (FAILED(ScriptBreak(characters + start, end - start, &items[std::size_t(item)].a,
                                   attributes.data())))
                continue;
            for (int at = start; at < end; ++at)
                stops[std::size_t(at)] = attributes[std::size_t(at - start)].fCharStop != 0;
        }
    }
    // Never inside a surrogate pair, and a half without its other half is
    // a character of its own, whatever the script says: a lone half must
    // not ride along with the character before it.
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool secondHalf = at > 0 && isLowSurrogate(text[at]) && isHighSurrogate(text[at - 1]);
        const bool lone = (isHighSurrogate(text[at]) &&
                           !(at + 1 < text.size() && isLowSurrogate(text[at + 1]))) ||
                          (isLowSurrogate(text[at]) && !secondHalf);
        if (secondHalf)
            stops[at] = false;
        if (lone)
            stops[at] = stops[at + 1] = true;
    }
    std::vector<std::size_t> boundaries;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (stops[at] || at == 0 || at == text.size())
            boundaries.push_back(at);
    }
    return boundaries;
}

} // namespace zerkovan::win32
