// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Conversions between texts and numbers that the triangle engine relies on.
//
// Texts are UTF-8. Numbers are IEEE doubles for the triangle's values and
// 16-bit signed integers for row numbers, counters and the window's flags;
// every conversion into the 16-bit range is checked, and a value that
// leaves it comes back as no value. The engine throws nothing: it runs in
// the browser too, where the standard library has no exceptions.
#pragma once

#include <charconv>
#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zerkovan {

using Integer16 = std::int16_t;

// A number is written with at most 15 significant digits, and a whole
// number below 10^15 as an integer.
inline constexpr int SignificantDigits = 15;
inline constexpr double WholeNumberLimit = [] {
    double limit = 1;
    for (int digit = 0; digit < SignificantDigits; ++digit)
        limit *= 10;
    return limit;
}();

// Reads the number at the start of a text; a text without one reads as 0.
// Blanks, tabs and line feeds are ignored wherever they stand, only "." is a
// decimal separator, and "&H", "&O" or "&" open hexadecimal and octal numbers.
double ValFromText(std::string_view text);

// What turns the digits read into the nearest double. Both round correctly
// and give the same double; ValFromText takes from_chars where the standard
// library has it for doubles, and strtod where it has not (the browser's).
enum class DigitReader : std::uint8_t { FromChars, Strtod };
template <typename Number>
concept ReadableByFromChars =
    std::same_as<decltype(std::from_chars("", "", std::declval<Number &>())),
                 std::from_chars_result>;
inline constexpr bool HasFromCharsForDouble = ReadableByFromChars<double>;
double ValFromText(std::string_view text, DigitReader reader);

// The text that stands for a number when it is joined to a text.
std::string NumberText(Integer16 value);
std::string NumberText(double value, std::string_view decimalSeparator);

// What writes the significant digits of a number that is not whole. Both
// round correctly and give the same digits. NumberText takes to_chars, but
// in the browser the C library's snprintf: there libc++'s to_chars for
// doubles would triple the module with its tables.
enum class DigitWriter : std::uint8_t { ToChars, Snprintf };
#ifdef __wasm__
inline constexpr DigitWriter NumberTextWriter = DigitWriter::Snprintf;
#else
inline constexpr DigitWriter NumberTextWriter = DigitWriter::ToChars;
#endif
std::string NumberText(double value, std::string_view decimalSeparator, DigitWriter writer);

// Appends NumberText(value, decimalSeparator) to out without a temporary.
void AppendNumberText(std::string &out, double value, std::string_view decimalSeparator);

// Rounds half to even; no value outside -32768..32767. Inline, so that the
// row loop keeps the result in registers rather than reloading it.
inline std::optional<Integer16> ToInteger16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0))
        rounded = floor + 1;
    if (rounded < std::numeric_limits<Integer16>::min() ||
        rounded > std::numeric_limits<Integer16>::max())
        return std::nullopt;
    return static_cast<Integer16>(rounded);
}

// a - b; no value when the result leaves the 16-bit range.
inline std::optional<Integer16> CheckedSubtract(Integer16 a, Integer16 b)
{
    const int result = a - b;
    if (result < std::numeric_limits<Integer16>::min() ||
        result > std::numeric_limits<Integer16>::max())
        return std::nullopt;
    return static_cast<Integer16>(result);
}

} // namespace zerkovan
