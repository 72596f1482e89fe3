// Conversions between texts and numbers that the triangle engine relies on.
//
// Texts are UTF-8. Numbers are IEEE doubles for the triangle's values and
// 16-bit signed integers for row numbers, counters and the window's flags;
// every conversion into the 16-bit range is checked.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zerkovan {

using Integer16 = std::int16_t;

// The one error the engine can raise: a value left the 16-bit range.
class OverflowError : public std::runtime_error
{
public:
    OverflowError()
        : std::runtime_error("Overflow")
    {
    }
};

// Reads the number at the start of a text; a text without one reads as 0.
// Blanks, tabs and line feeds are ignored wherever they stand, only "." is a
// decimal separator, and "&H", "&O" or "&" open hexadecimal and octal numbers.
double ValFromText(std::string_view text);

// The text that stands for a number when it is joined to a text.
std::string NumberText(Integer16 value);
std::string NumberText(double value, std::string_view decimalSeparator);

// Appends NumberText(value, decimalSeparator) to out without a temporary.
void AppendNumberText(std::string &out, double value, std::string_view decimalSeparator);

// Rounds half to even; throws OverflowError outside -32768..32767.
Integer16 ToInteger16(double value);

// a - b, throwing OverflowError when the result leaves the 16-bit range.
Integer16 CheckedSubtract(Integer16 a, Integer16 b);

} // namespace zerkovan
