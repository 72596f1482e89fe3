#include "triangle.h"

#include <cmath>

namespace zerkovan {

namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr std::string_view VerdictStart = "Числото ";
constexpr std::string_view FoundInRow = " се среща в ред ";
constexpr std::string_view NotFound = " не се среща в триъгълника";

bool isEven(double wholeValue)
{
    return std::fmod(wholeValue, 2.0) == 0;
}

// Room for rows 1..rows: every entry is at most (rows + 1)^2 / 4.
std::size_t outputSizeBound(double rows)
{
    if (rows < 1)
        return 64;
    const auto count = static_cast<std::size_t>(rows);
    const double largestEntry = (rows + 1) * (rows + 1) / 4;
    const auto entryWidth = static_cast<std::size_t>(std::log10(largestEntry)) + 2;
    return count * (count + 1) / 2 * entryWidth + count * LineBreak.size() + 128;
}

} // namespace

void PrintRow(WindowState &state, const Integer16 &n, std::string_view decimalSeparator)
{
    const double v = ValFromText(NumberText(n));
    if (v < 1)
        return;
    // The input cannot change while a row is written, so one reading serves
    // every comparison in the row.
    const double searched = ValFromText(state.input);
    const auto noteIfSearched = [&](double entry) {
        if (entry == searched && state.FoundFlag == NotSeen)
            state.FoundFlag = SeenInRow;
    };

    Integer16 half = ToInteger16(isEven(v) ? std::floor(v / 2) : std::floor(v / 2) + 1);
    std::string &out = state.output;
    AppendNumberText(out, v, decimalSeparator);
    noteIfSearched(v);
    // The row reads the same both ways: compare only the first half, middle
    // entry included, and mirror it without comparing.
    for (Integer16 k = 2; k <= half; ++k) {
        const double entry = k * (v - k + 1);
        out += ' ';
        AppendNumberText(out, entry, decimalSeparator);
        noteIfSearched(entry);
    }
    if (!isEven(v))
        half = CheckedSubtract(half, 1);
    for (Integer16 k = half; k >= 1; --k) {
        out += ' ';
        AppendNumberText(out, k * (v - k + 1), decimalSeparator);
    }
    out += LineBreak;
}

void ShowTriangle(WindowState &state, std::string_view decimalSeparator)
{
    state.FoundFlag = NotSeen;
    state.output.clear();
    state.FoundRow = 0;
    const double rows = ValFromText(state.input);
    // Fail before writing anything rather than after 32767 rows.
    if (rows >= FirstUnreachableRow)
        throw OverflowError();

    state.output.reserve(outputSizeBound(rows));
    for (double i = 1; i <= rows; ++i) {
        const Integer16 row = ToInteger16(i);
        PrintRow(state, row, decimalSeparator);
        if (state.FoundFlag == SeenInRow && state.FoundRow == 0) {
            state.FoundRow = ToInteger16(i);
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
}

} // namespace zerkovan
