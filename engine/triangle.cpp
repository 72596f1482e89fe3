// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "triangle.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace zerkovan {

namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr std::string_view VerdictStart = "Числото ";
constexpr std::string_view FoundInRow = " се среща в ред ";
constexpr std::string_view NotFound = " не се среща в триъгълника";
// The longest verdict line: its words, the longer ending, and two numbers
// of at most 24 characters each ("-1.23456789012345E-308").
constexpr std::size_t VerdictSizeBound =
    VerdictStart.size() + NotFound.size() + std::size_t(2 * 24);

// Characters an entry of rows up to n can take, with the blank or the line
// break after it: no entry is above (n + 1)^2 / 4.
std::size_t entryWidthBound(std::int64_t n)
{
    std::size_t digits = 1;
    for (std::int64_t largest = (n + 1) * (n + 1) / 4; largest >= 10; largest /= 10)
        ++digits;
    return digits + LineBreak.size();
}

// Rows 1..n: n (n + 1) / 2 entries.
std::size_t rowsSizeBound(std::int64_t n)
{
    return std::size_t(n) * std::size_t(n + 1) / 2 * entryWidthBound(n);
}

// Writes row n (1 to 32767) at p and returns the end: the entries for
// k = 1..upper, compared with the searched number, then their mirror for
// k = lower down to 1, not compared. The entries are whole numbers below
// WholeNumberLimit, which NumberText writes as integers: so they are
// written here as integers.
char *writeRow(char *p, char *end, std::int64_t n, Integer16 upper, Integer16 lower,
               double searched, Integer16 &foundFlag)
{
    // Entries are whole and positive: a searched number that is not matches
    // none, and one that is compares as an integer.
    const bool canMatch =
        searched >= 1 && searched < WholeNumberLimit && searched == std::floor(searched);
    const std::int64_t target = canMatch ? std::int64_t(searched) : -1;
    const auto noteIfSearched = [&](std::int64_t entry) {
        if (entry == target && foundFlag == NotSeen)
            foundFlag = SeenInRow;
    };
    p = std::to_chars(p, end, n).ptr;
    noteIfSearched(n);
    for (std::int64_t k = 2; k <= upper; ++k) {
        const std::int64_t entry = k * (n - k + 1);
        *p++ = ' ';
        p = std::to_chars(p, end, entry).ptr;
        noteIfSearched(entry);
    }
    for (std::int64_t k = lower; k >= 1; --k) {
        *p++ = ' ';
        p = std::to_chars(p, end, k * (n - k + 1)).ptr;
    }
    return std::copy(LineBreak.begin(), LineBreak.end(), p);
}

} // namespace

std::string_view MessageOf(RunResult result)
{
    return result == RunResult::Overflow ? std::string_view("Overflow") : std::string_view();
}

RunResult PrintRow(WindowState &state, const Integer16 &n)
{
    const double v = ValFromText(NumberText(n));
    if (v < 1)
        return RunResult::Done;
    // n / 2 rounded up: the first half, middle entry included, is compared
    // with the searched number; the row reads the same both ways and the
    // rest, n / 2 rounded down, is its mirror.
    const auto whole = std::int64_t(v);
    const bool even = whole % 2 == 0;
    const std::optional<Integer16> upper = ToInteger16(double(even ? whole / 2 : whole / 2 + 1));
    if (!upper)
        return RunResult::Overflow;
    const std::optional<Integer16> lower = even ? upper : CheckedSubtract(*upper, 1);
    if (!lower)
        return RunResult::Overflow;
    // The input cannot change while a row is written: one reading serves
    // every comparison in the row.
    const double searched = ValFromText(state.input);
    std::string &out = state.output;
    const std::size_t start = out.size();
    out.resize(start + std::size_t(whole) * entryWidthBound(whole));
    char *const written = writeRow(out.data() + start, out.data() + out.size(), whole, *upper,
                                   *lower, searched, state.FoundFlag);
    out.resize(std::size_t(written - out.data()));
    return RunResult::Done;
}

RunResult RunTriangle(WindowState &state, std::string_view decimalSeparator)
{
    state.FoundFlag = NotSeen;
    state.output.clear();
    state.FoundRow = 0;
    const double rows = ValFromText(state.input);
    // Fail before writing anything rather than after 32767 rows.
    if (rows >= FirstUnreachableRow)
        return RunResult::Overflow;

    const auto count = rows >= 1 ? std::int64_t(rows) : 0;
    state.output.reserve(rowsSizeBound(count) + VerdictSizeBound);
    for (double i = 1; i <= rows; ++i) {
        const std::optional<Integer16> row = ToInteger16(i);
        if (!row || PrintRow(state, *row) != RunResult::Done)
            return RunResult::Overflow;
        if (state.FoundFlag == SeenInRow && state.FoundRow == 0) {
            state.FoundRow = *row;
            state.FoundFlag = SeenRecorded;
        }
    }

    state.output += VerdictStart;
    AppendNumberText(state.output, rows, decimalSeparator);
    if (state.FoundRow == 0) {
        state.output += NotFound;
    } else {
        state.output += FoundInRow;
        state.output += NumberText(state.FoundRow);
    }
    return RunResult::Done;
}

} // namespace zerkovan
