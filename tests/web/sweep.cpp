// Prints what the native engine makes of every text the input box admits,
// with either decimal separator, one JSON line each:
//   {"input": ..., "separator": ..., "failed": ..., "output": ...}
// check-module.mjs holds the browser's module to the same bytes.
#include "everytext.h"
#include "triangle.h"

#include <cstdio>
#include <string>

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

} // namespace

int main()
{
    zerkovan::WindowState state;
    for (const char *separator : {".", ","}) {
        for (const std::string &text : everytext::texts()) {
            state.input = text;
            const bool failed =
                zerkovan::ShowTriangle(state, separator) != zerkovan::RunResult::Done;
            std::printf("{\"input\": %s, \"separator\": %s, \"failed\": %s, \"output\": %s}\n",
                        json(text).c_str(), json(separator).c_str(), failed ? "true" : "false",
                        json(state.output).c_str());
        }
    }
    return 0;
}
