// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The number triangle: row n holds k * (n - k + 1) for k = 1..n.
//
// The engine works on the window's state as a plain value: it reads the
// input text, builds the whole output text and keeps the two fields that
// record where the searched number was first seen. It never touches a
// widget; the window shows the finished output once per run.
#pragma once

#include "numbers.h"

#include <string>
#include <string_view>

namespace zerkovan {

// FoundFlag values, of FoundFlag's own type.
enum : Integer16 {    // NOLINT(performance-enum-size)
    NotSeen = 0,      // the searched number has not been seen in this run
    SeenInRow = 1,    // seen in the row just written, not yet recorded
    SeenRecorded = 2, // seen, and its row is in FoundRow
};

struct WindowState
{
    std::string input;  // the input box, at most two characters
    std::string output; // the output box
    Integer16 FoundFlag = NotSeen;
    Integer16 FoundRow = 0; // first row that holds the searched number, or 0
};

// Rows at or past this would overflow the 16-bit row counter.
inline constexpr double FirstUnreachableRow = 32768;

// How a run ended. The one error is that a value left the 16-bit range.
enum class RunResult : std::uint8_t { Done, Overflow };

// What the user is told of a failed run: "Overflow"; empty for Done.
std::string_view MessageOf(RunResult result);

// Appends row n and CR LF to the output and sets FoundFlag to SeenInRow when
// the first half of the row holds the searched number and it was NotSeen.
// Rows below 1 write nothing. Entries are whole numbers: no separator.
RunResult PrintRow(WindowState &state, const Integer16 &n);

// Replaces the output with rows 1..N, N being the number the input reads as,
// and a closing verdict line naming the first row that holds N. Reports
// Overflow, with nothing written, when N has 32768 rows or more.
RunResult RunTriangle(WindowState &state, std::string_view decimalSeparator);

} // namespace zerkovan
