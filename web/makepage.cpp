// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Writes the page's files from the texts, layout and colours that the
// desktop window has, so that the two front ends cannot drift apart.
//   usage: makepage SOURCE_FOLDER OUTPUT_FOLDER FONT_UNICODE_RANGE
// It fills the {{names}} in SOURCE_FOLDER/index.html and style.css (the
// font's characters, as the build cuts the font), appends the layout of the
// controls to the style sheet, and writes manifest.json.
#include "inputrule.h"
#include "layout.h"
#include "messages.h"
#include "statictexts.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

using namespace zerkovan;

std::string escapedForHtml(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\r':
            break; // the page's text has line feeds alone
        default:
            out += c;
        }
    }
    return out;
}

std::string escapedForJson(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

std::string hexOf(const layout::Colour &colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

// At 100 % a CSS pixel is 1/96 inch: 15 twips.
std::string pixels(int twips)
{
    std::ostringstream out;
    out << twips / 15.0 << "px";
    return out.str();
}

std::string rule(const char *id, const layout::Twips &twips)
{
    return std::string("#") + id + " { left: " + pixels(twips.left) +
           "; top: " + pixels(twips.top) + "; width: " + pixels(twips.width) +
           "; height: " + pixels(twips.height) + "; }\n";
}

// A browser collapses a run of blanks in a document's title into one; a
// no-break space after the first blank keeps the gap two wide.
std::string titleOf(std::string text)
{
    for (std::size_t at = text.find("  "); at != std::string::npos; at = text.find("  ", at))
        text.replace(at + 1, 1, "\u00A0");
    return text;
}

std::string filled(std::string page, const std::map<std::string, std::string> &values)
{
    std::string out;
    std::size_t from = 0;
    for (std::size_t open; (open = page.find("{{", from)) != std::string::npos;) {
        const std::size_t close = page.find("}}", open);
        const std::string name = page.substr(open + 2, close - open - 2);
        const auto value = values.find(name);
        if (close == std::string::npos || value == values.end())
            throw std::runtime_error("unknown name in the page: " + name);
        out += page.substr(from, open - from) + value->second;
        from = close + 2;
    }
    return out + page.substr(from);
}

std::string read(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write(const std::string &path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

std::string layoutRules()
{
    std::string css = "/* From the window's own layout table. */\n:root {\n";
    css += "  --window-colour: " + hexOf(layout::WindowColour) + ";\n";
    css += "  --label-colour: " + hexOf(layout::LabelColour) + ";\n";
    css += "  --display-button-colour: " + hexOf(layout::DisplayButtonColour) + ";\n";
    css += "  --clear-button-colour: " + hexOf(layout::ClearButtonColour) + ";\n";
    css += "  --button-border-colour: " + hexOf(layout::ButtonBorderColour) + ";\n";
    css += "  --box-border-colour: " + hexOf(layout::BoxBorderColour) + ";\n";
    css += "  --focus-colour: " + hexOf(layout::FocusColour) + ";\n";
    css += "  --window-width: " + pixels(layout::ClientArea.width) + ";\n";
    css += "  --window-height: " + pixels(layout::ClientArea.height) + ";\n}\n";
    css += rule("Label1_0", layout::Label1_0) + rule("Label1_1", layout::Label1_1) +
           rule("Text2_0", layout::Text2_0) + rule("Command1_0", layout::Command1_0) +
           rule("Command1_1", layout::Command1_1) + rule("Text2_1", layout::Text2_1) +
           rule("Text1_0", layout::Text1_0) + rule("Text1_1", layout::Text1_1);
    // On a touch screen the row's controls take taps in a larger area, which
    // may reach down to the output box but not into it.
    const auto roomBelow = [](const char *id, const layout::Twips &control) {
        return std::string("#") + id +
               " { --room-below: " + pixels(layout::Text2_1.top - control.top - control.height) +
               "; }\n";
    };
    css += rule("Text2_0-touch", layout::Text2_0) + roomBelow("Text2_0-touch", layout::Text2_0) +
           roomBelow("Command1_0", layout::Command1_0) +
           roomBelow("Command1_1", layout::Command1_1);
    return css;
}

std::string manifest()
{
    const std::string colour = hexOf(layout::WindowColour);
    const auto icon = [](const char *src, const char *sizes, const char *type) {
        return std::string("    { \"src\": \"") + src + "\", \"sizes\": \"" + sizes +
               "\", \"type\": \"" + type + "\" }";
    };
    return std::string("{\n") + "  \"name\": \"" + ProgramName + "\",\n" + "  \"short_name\": \"" +
           ProgramName + "\",\n" + "  \"name_localized\": { \"bg\": \"" +
           escapedForJson(TitleLabelCaption) + "\" },\n" +
           "  \"short_name_localized\": { \"bg\": \"" + escapedForJson(TitleLabelCaption) +
           "\" },\n" + "  \"start_url\": \"./\",\n  \"scope\": \"./\",\n" +
           "  \"display\": \"standalone\",\n" + "  \"background_color\": \"" + colour + "\",\n" +
           "  \"theme_color\": \"" + colour + "\",\n" + "  \"icons\": [\n" +
           icon("zerkovan.svg", "any", "image/svg+xml") + ",\n" +
           icon("zerkovan-192.png", "192x192", "image/png") + ",\n" +
           icon("zerkovan-512.png", "512x512", "image/png") + "\n  ]\n}\n";
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: makepage SOURCE_FOLDER OUTPUT_FOLDER FONT_UNICODE_RANGE\n", stderr);
        return 2;
    }
    const std::string source = argv[1];
    const std::string output = argv[2];
    try {
        const std::map<std::string, std::string> texts{
            {"Title", escapedForHtml(titleOf(WindowCaption()))},
            {"TitleLabelCaption", escapedForHtml(TitleLabelCaption)},
            {"RowLabelCaption", escapedForHtml(RowLabelCaption)},
            {"DisplayButtonCaption", escapedForHtml(DisplayButtonCaption)},
            {"ClearButtonCaption", escapedForHtml(ClearButtonCaption)},
            {"OutputBoxName", escapedForHtml(OutputBoxName)},
            {"TaskStatementBoxName", escapedForHtml(TaskStatementBoxName)},
            {"MottoBoxName", escapedForHtml(MottoBoxName)},
            {"TaskStatement", escapedForHtml(TaskStatement)},
            {"Motto", escapedForHtml(Motto)},
            {"ProgramName", escapedForHtml(ProgramName)},
            {"RunErrorStart", escapedForHtml(RunErrorStart)},
            {"RunErrorButton", escapedForHtml(RunErrorButton)},
            {"NotServed", escapedForHtml(NotServed)},
            {"NotLoaded", escapedForHtml(NotLoaded)},
            {"NoScript", escapedForHtml(NoScript)},
            {"Description", escapedForHtml(PageDescription)},
            {"ThemeColour", hexOf(layout::WindowColour)},
            {"InputLimit", std::to_string(InputBoxMaxLength)},
        };
        write(output + "/index.html", filled(read(source + "/index.html"), texts));
        const std::string css = filled(read(source + "/style.css"), {{"FontRanges", argv[3]}});
        write(output + "/style.css", css + "\n" + layoutRules());
        write(output + "/manifest.json", manifest());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "makepage: %s\n", error.what());
        return 1;
    }
    return 0;
}
