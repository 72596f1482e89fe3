// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace zerkovan {

namespace {

bool isIgnoredBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digitValue(char c, unsigned base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    return value >= 0 && static_cast<unsigned>(value) < base ? value : -1;
}

// Reads what follows a leading "&": "&H" hexadecimal, "&O" or "&" with an
// octal digit octal. Values of up to 16 bits are 16-bit signed (so &HFFFF is
// -1), up to 32 bits 32-bit signed; a digit that would pass 32 bits ends it.
double readRadixNumber(std::string_view s)
{
    if (s.empty())
        return 0;
    unsigned base = 8;
    std::size_t pos = 0;
    if (s[0] == 'H' || s[0] == 'h') {
        base = 16;
        pos = 1;
    } else if (s[0] == 'O' || s[0] == 'o') {
        pos = 1;
    } else if (digitValue(s[0], 8) < 0) {
        return 0;
    }
    std::uint64_t value = 0;
    for (; pos < s.size(); ++pos) {
        const int digit = digitValue(s[pos], base);
        if (digit < 0)
            break;
        const std::uint64_t next = value * base + static_cast<unsigned>(digit);
        if (next > 0xFFFF'FFFFu)
            break;
        value = next;
    }
    if (value <= 0xFFFF)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::size_t countDigits(std::string_view s, std::size_t pos)
{
    std::size_t end = pos;
    while (end < s.size() && isDecimalDigit(s[end]))
        ++end;
    return end - pos;
}

// Reads an exponent ("E", "e", "D" or "d", an optional sign, digits) at pos.
// Returns false, consuming nothing, when no digit follows the letter.
bool readExponent(std::string_view s, std::size_t &pos, long long &exponent)
{
    std::size_t p = pos;
    if (p >= s.size() || (s[p] != 'E' && s[p] != 'e' && s[p] != 'D' && s[p] != 'd'))
        return false;
    ++p;
    bool negative = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
        negative = s[p] == '-';
        ++p;
    }
    const std::size_t digits = countDigits(s, p);
    if (digits == 0)
        return false;
    // Anything past a billion is far outside the double range; saturate.
    long long value = 0;
    for (std::size_t i = p; i < p + digits; ++i)
        value = std::min(value * 10 + (s[i] - '0'), 1'000'000'000LL);
    exponent = negative ? -value : value;
    pos = p + digits;
    return true;
}

// The nearest double to decimal digits times a power of ten, "12e-1":
// infinity past the largest double, zero below the smallest. A template so
// that it is only compiled where it is called: the browser's libc++ declares
// from_chars for doubles deleted, and there the call below is discarded.
template <typename Number> double readScaledWithFromChars(std::string_view text)
{
    Number value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Past either end: where the leading digit stands says which.
        const std::size_t e = text.find('e');
        const std::string_view digits = text.substr(0, e);
        const long long magnitude =
            static_cast<long long>(digits.size() - digits.find_first_not_of('0')) - 1 +
            std::atoll(std::string(text.substr(e + 1)).c_str());
        value = magnitude > 0 ? std::numeric_limits<Number>::infinity() : 0;
    }
    return value;
}

double readScaledWithStrtod(std::string_view text)
{
    // Correctly rounded, HUGE_VAL past the largest double and 0 or a
    // subnormal below the smallest normal, as from_chars gives them.
    const std::string terminated(text);
    return std::strtod(terminated.c_str(), nullptr);
}

double readScaled(std::string_view text, DigitReader reader)
{
    if constexpr (HasFromCharsForDouble) {
        if (reader == DigitReader::FromChars)
            return readScaledWithFromChars<double>(text);
    }
    return readScaledWithStrtod(text);
}

double readDecimalNumber(std::string_view s, DigitReader reader)
{
    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        negative = s[pos] == '-';
        ++pos;
    }
    const std::string_view intDigits = s.substr(pos, countDigits(s, pos));
    pos += intDigits.size();
    std::string_view fracDigits;
    if (pos < s.size() && s[pos] == '.') {
        fracDigits = s.substr(pos + 1, countDigits(s, pos + 1));
        pos += 1 + fracDigits.size();
    }
    if (intDigits.empty() && fracDigits.empty())
        return 0;
    long long exponent = 0;
    readExponent(s, pos, exponent);

    // The digits as one whole number, scaled: no decimal point, which strtod
    // would read by the C locale.
    std::string scaled;
    scaled.reserve(intDigits.size() + fracDigits.size() + 24);
    scaled += intDigits;
    scaled += fracDigits;
    scaled += 'e';
    scaled += std::to_string(exponent - static_cast<long long>(fracDigits.size()));
    const double value = readScaled(scaled, reader);
    return negative ? -value : value;
}

// Fifteen significant digits in scientific form, "-d.ddddddddddddde-x".
// A template, so that to_chars for doubles is compiled only where it is
// called: in the browser it is not.
template <typename Number> std::string scientificWithToChars(Number value)
{
    char buffer[48];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, SignificantDigits - 1);
    return {buffer, result.ptr};
}

// The same with snprintf, whose decimal point is the C locale's: the digits
// are read around it, whatever it is.
std::string scientificWithSnprintf(double value)
{
    char buffer[48];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", SignificantDigits - 1, value);
    return {buffer, static_cast<std::size_t>(std::max(length, 0))};
}

std::string scientific(double value, DigitWriter writer)
{
    if constexpr (NumberTextWriter == DigitWriter::ToChars) {
        if (writer == DigitWriter::ToChars)
            return scientificWithToChars(value);
    }
    return scientificWithSnprintf(value);
}

// Writes a value that is not a whole number below 10^15 in the general form:
// 15 significant digits, no trailing zeros, exponent form where fixed
// notation would need more than 15 digits.
void appendGeneralForm(std::string &out, double value, std::string_view decimalSeparator,
                       DigitWriter writer)
{
    const std::string written = scientific(value, writer);
    std::string_view text = written;
    if (text.front() == '-') {
        out += '-';
        text.remove_prefix(1);
    }
    const std::size_t e = text.find('e');
    const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    std::string digits;
    for (const char c : text.substr(0, e)) {
        if (isDecimalDigit(c))
            digits += c;
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    const int count = static_cast<int>(digits.size());

    const bool fixed =
        exponent >= 0 ? exponent < SignificantDigits : -exponent - 1 + count <= SignificantDigits;
    if (!fixed) {
        out += digits[0];
        if (count > 1) {
            out += decimalSeparator;
            out.append(digits, 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const std::size_t intCount = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intCount) {
            out += digits;
            out.append(intCount - digits.size(), '0');
        } else {
            out.append(digits, 0, intCount);
            out += decimalSeparator;
            out.append(digits, intCount);
        }
    }
}

// The common case, a sign and at most 15 digits and nothing else, read
// without the general machinery. Exact: that many digits fit a double.
std::optional<double> readPlainInteger(std::string_view text)
{
    std::size_t pos = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const std::size_t digits = text.size() - pos;
    if (digits == 0 || digits > std::size_t(SignificantDigits))
        return std::nullopt;
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        if (!isDecimalDigit(text[pos]))
            return std::nullopt;
        value = value * 10 + (text[pos] - '0');
    }
    return text[0] == '-' ? -double(value) : double(value);
}

// NumberText, written with the writer given.
void appendNumberText(std::string &out, double value, std::string_view decimalSeparator,
                      DigitWriter writer)
{
    if (value == 0) { // negative zero too
        out += '0';
    } else if (std::isnan(value)) {
        out += "NaN";
    } else if (std::isinf(value)) {
        out += value < 0 ? "-\u221E" : "\u221E";
    } else if (std::fabs(value) < WholeNumberLimit && value == std::trunc(value)) {
        char buffer[24];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
        out.append(buffer, result.ptr);
    } else {
        appendGeneralForm(out, value, decimalSeparator, writer);
    }
}

} // namespace

double ValFromText(std::string_view text)
{
    return ValFromText(text, HasFromCharsForDouble ? DigitReader::FromChars : DigitReader::Strtod);
}

double ValFromText(std::string_view text, DigitReader reader)
{
    if (const auto plain = readPlainInteger(text))
        return *plain;
    std::string compact;
    if (text.find_first_of(" \t\n") != std::string_view::npos) {
        compact.reserve(text.size());
        for (const char c : text) {
            if (!isIgnoredBlank(c))
                compact += c;
        }
        text = compact;
    }
    if (!text.empty() && text[0] == '&')
        return readRadixNumber(text.substr(1));
    return readDecimalNumber(text, reader);
}

std::string NumberText(Integer16 value)
{
    return std::to_string(value);
}

std::string NumberText(double value, std::string_view decimalSeparator)
{
    return NumberText(value, decimalSeparator, NumberTextWriter);
}

std::string NumberText(double value, std::string_view decimalSeparator, DigitWriter writer)
{
    std::string text;
    appendNumberText(text, value, decimalSeparator, writer);
    return text;
}

void AppendNumberText(std::string &out, double value, std::string_view decimalSeparator)
{
    appendNumberText(out, value, decimalSeparator, NumberTextWriter);
}

} // namespace zerkovan
