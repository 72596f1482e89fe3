// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "graphemes.h"

#include <windows.h>
// After windows.h, which it needs.
#include <usp10.h>

namespace zerkovan::win32 {

std::vector<std::size_t> ClusterStopsOf(std::u16string_view text)
{
    std::vector<std::size_t> boundaries;
    const auto *characters = reinterpret_cast<const WCHAR *>(text.data());
    const int length = int(text.size());
    std::vector<SCRIPT_ITEM> items(std::size_t(length) + 2);
    int itemCount = 0;
    if (length > 0 && SUCCEEDED(ScriptItemize(characters, length, int(items.size()) - 1, nullptr,
                                              nullptr, items.data(), &itemCount))) {
        for (int item = 0; item < itemCount; ++item) {
            const int start = items[std::size_t(item)].iCharPos;
            const int end = items[std::size_t(item) + 1].iCharPos;
            std::vector<SCRIPT_LOGATTR> attributes(std::size_t(end - start));
            if (FAILED(ScriptBreak(characters + start, end - start, &items[std::size_t(item)].a,
                                   attributes.data()))) {
                attributes.assign(attributes.size(), SCRIPT_LOGATTR{});
                for (auto &attribute : attributes)
                    attribute.fCharStop = 1;
            }
            for (int at = start; at < end; ++at) {
                // Never inside a surrogate pair, whatever the script says.
                const bool lowSurrogate =
                    text[std::size_t(at)] >= 0xdc00 && text[std::size_t(at)] <= 0xdfff && at > 0;
                if (attributes[std::size_t(at - start)].fCharStop && !lowSurrogate)
                    boundaries.push_back(std::size_t(at));
            }
        }
    }
    if (boundaries.empty() || boundaries.front() != 0)
        boundaries.insert(boundaries.begin(), 0);
    if (boundaries.back() != text.size())
        boundaries.push_back(text.size());
    return boundaries;
}

} // namespace zerkovan::win32
