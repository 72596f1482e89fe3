// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Every text the input box admits, over an alphabet of what a person might
// type or paste: the empty text and every text of one or two characters.
#pragma once

#include <string>
#include <vector>

namespace everytext {

// One UTF-8 character each: digits, signs, separators, the radix and
// exponent letters, other Latin and Cyrillic letters, blanks and breaks, a
// no-break space, a full-width digit and punctuation.
inline std::vector<std::string> alphabet()
{
    std::vector<std::string> characters;
    for (const char c : std::string("0123456789+-.,&HhOoEeDdaBcFgMyxZq:;!?/()'\"*#%=_ \t\n\r"))
        characters.emplace_back(1, c);
    for (const char *c : {"\u00A0", "\uFF17", "Ж", "ж", "З", "з", "Б", "в", "Я", "ю", "€"})
        characters.emplace_back(c);
    return characters;
}

inline std::vector<std::string> texts()
{
    const std::vector<std::string> characters = alphabet();
    std::vector<std::string> all{std::string()};
    for (const std::string &first : characters) {
        all.push_back(first);
        for (const std::string &second : characters)
            all.push_back(first + second);
    }
    return all;
}

} // namespace everytext
