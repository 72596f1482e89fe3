// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// libFuzzer target for the engine. The first byte picks the decimal
// separator ("," or anything else for "."); the rest is the text.
//
// Checks: reading never yields NaN; a whole value below 10^15 survives
// being written and read back, any other finite value within the 15
// significant digits it is written with; and a run on at most two characters
// of the text, as the input box holds, gives rows 1..N of the triangle and
// exactly one verdict line.
#include "triangle.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace zerkovan;

namespace {

void require(bool condition, const char *what, std::string_view text)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s, text '%.*s'\n", what, int(text.size()),
                     text.data());
        std::abort();
    }
}

// The first count characters of UTF-8 text, as a box counting characters
// would keep them.
std::string_view firstCharacters(std::string_view text, int count)
{
    std::size_t end = 0;
    for (int seen = 0; end < text.size(); ++end) {
        const bool startsCharacter = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
        if (startsCharacter && seen++ == count)
            break;
    }
    return text.substr(0, end);
}

std::string oracleRow(std::int64_t n)
{
    std::string row;
    for (std::int64_t k = 1; k <= n; ++k) {
        if (k > 1)
            row += ' ';
        row += std::to_string(k * (n - k + 1));
    }
    return row + "\r\n";
}

std::int64_t oracleFirstRow(std::int64_t n)
{
    std::int64_t best = 0;
    for (std::int64_t x = 1; x * x <= n; ++x) {
        if (n % x == 0 && (best == 0 || x + n / x - 1 < best))
            best = x + n / x - 1;
    }
    return best;
}

void checkRun(std::string_view input, std::string_view separator)
{
    WindowState state;
    state.input = input;
    const double n = ValFromText(input);
    if (RunTriangle(state, separator) == RunResult::Overflow) {
        require(n >= 32768 && state.output.empty(), "overflow only for 32768 rows or more", input);
        return;
    }
    require(n < 32768, "no overflow for 32768 rows or more", input);

    const std::int64_t rows = n >= 1 ? std::int64_t(n) : 0;
    std::string expected;
    for (std::int64_t i = 1; i <= rows; ++i)
        expected += oracleRow(i);
    const std::int64_t found = n >= 1 && n == std::floor(n) ? oracleFirstRow(std::int64_t(n)) : 0;
    expected += "Числото " + NumberText(n, separator);
    expected += found ? " се среща в ред " + std::to_string(found) : " не се среща в триъгълника";
    require(state.output == expected, "rows and verdict", input);
    require(state.FoundRow == found, "FoundRow", input);
    require(state.FoundFlag == (found ? SeenRecorded : NotSeen), "FoundFlag", input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view separator = data[0] == ',' ? "," : ".";
    const std::string_view text(reinterpret_cast<const char *>(data) + 1, size - 1);

    const double value = ValFromText(text);
    require(!std::isnan(value), "reads as a number", text);
    const std::string written = NumberText(value, separator);
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        require(ValFromText(written) == value, "whole value round trip", text);
    else if (std::isfinite(value) && separator == ".")
        require(std::fabs(ValFromText(written) - value) <= 1e-14 * std::fabs(value),
                "15 significant digits round trip", text);

    checkRun(firstCharacters(text, 2), separator);
    // Longer texts too, where the run stays small or must fail at once.
    if (value < 200 || value >= 32768)
        checkRun(text, separator);
    return 0;
}
