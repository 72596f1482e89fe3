// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Prints what the native engine makes of every text the input box admits,
// and of longer texts that read as negative numbers of every magnitude (no
// rows, a verdict that writes the number), with either decimal separator,
// one JSON line each:
//   {"input": ..., "separator": ..., "failed": ..., "output": ...}
// check-module.mjs holds the browser's module to the same bytes.
#include "everytext.h"
#include "triangle.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

std::string json(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::vector<std::string> textsToRun()
{
    std::vector<std::string> texts = everytext::texts();
    std::mt19937_64 bits(20261209);
    for (int count = 0; count < 3000;) {
        const double value = std::fabs(std::bit_cast<double>(bits()));
        if (!std::isfinite(value) || value == 0)
            continue;
        char text[40];
        std::snprintf(text, sizeof text, "-%.17g", value);
        texts.emplace_back(text);
        ++count;
    }
    return texts;
}

} // namespace

int main()
{
    zerkovan::WindowState state;
    const std::vector<std::string> texts = textsToRun();
    for (const char *separator : {".", ","}) {
        for (const std::string &text : texts) {
            state.input = text;
            const bool failed =
                zerkovan::RunTriangle(state, separator) != zerkovan::RunResult::Done;
            std::printf("{\"input\": %s, \"separator\": %s, \"failed\": %s, \"output\": %s}\n",
                        json(text).c_str(), json(separator).c_str(), failed ? "true" : "false",
                        json(state.output).c_str());
        }
    }
    return 0;
}
