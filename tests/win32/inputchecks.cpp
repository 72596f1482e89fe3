// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The input rule, however the text comes in: set by another process (as an
// assistive tool's set-value comes), replaced at the caret, typed as a
// character or by an input method, pasted, and undone after a paste. And
// the read-only boxes, which take no text from anyone but the program.
#include "checks.h"
#include "controlids.h"
#include "text.h"

#include <cstdint>
#include <cstring>

namespace zerkovan::checks {

namespace {

using namespace zerkovan::win32;

enum class Way : std::uint8_t {
    SetText,
    ReplaceSelection,
    Character,
    InputMethod,
    Paste,
    PasteThenUndo,
    TypeThenUndo
};

struct Row
{
    const char *name;
    const wchar_t *before; // the box's text, all of it selected when `caret` is -1
    int caret;
    Way way;
    const wchar_t *arriving;
    const wchar_t *after;
    int caretAfter; // -1: not checked
};

// U+0301 is a combining acute accent; U+1F600 a face, two UTF-16 units.
const Row Rows[] = {
    {"a set text keeps two characters", L"", 0, Way::SetText, L"1234", L"12", -1},
    {"a set text keeps its first line", L"", 0, Way::SetText, L"7\r\n8", L"7", -1},
    {"a set text loses its control characters", L"", 0, Way::SetText, L"\t5", L"5", -1},
    {"an accented letter is one character", L"", 0, Way::SetText, L"e\u0301x9", L"e\u0301x", -1},
    {"a face is one character, never half", L"", 0, Way::SetText,
     L"\U0001F600"
     L"12",
     L"\U0001F600"
     L"1",
     -1},
    {"a replaced selection keeps what fits", L"1", 1, Way::ReplaceSelection, L"23", L"12", 2},
    {"a third character is refused where the caret stands", L"12", 1, Way::Character, L"3", L"12",
     1},
    {"a typed character beside one is taken", L"1", 1, Way::Character, L"5", L"15", 2},
    {"Ctrl+Backspace's DEL is refused", L"12", 2, Way::Character, L"\x7f", L"12", 2},
    {"an input method's character is held to the rule", L"12", 2, Way::InputMethod, L"9", L"12", 2},
    {"an input method's character beside one is taken", L"1", 1, Way::InputMethod, L"9", L"19", 2},
    {"a paste of three digits keeps two", L"", 0, Way::Paste, L"345", L"34", 2},
    {"a paste into a full box is refused", L"12", 2, Way::Paste, L"3", L"12", 2},
    {"Undo after a refused paste leaves the box as it was", L"12", 2, Way::PasteThenUndo, L"3",
     L"12", -1},
    {"Undo after a paste gives back the text before it", L"1", 1, Way::PasteThenUndo, L"3", L"1",
     -1},
    {"Undo after a paste cut down gives back the text before it", L"", 0, Way::PasteThenUndo,
     L"345", L"", 0},
    {"Undo after a refused keystroke takes back the last one taken", L"1", 1, Way::TypeThenUndo,
     L"23", L"1", 1},
};

void arrive(HWND box, Way way, const wchar_t *text)
{
    const auto asLParam = reinterpret_cast<LPARAM>(text);
    switch (way) {
    case Way::SetText:
        SendMessageW(box, WM_SETTEXT, 0, asLParam);
        break;
    case Way::ReplaceSelection:
        SendMessageW(box, EM_REPLACESEL, TRUE, asLParam);
        break;
    case Way::Character:
        SendMessageW(box, WM_CHAR, WPARAM(text[0]), 1);
        break;
    case Way::InputMethod:
        SendMessageW(box, WM_IME_CHAR, WPARAM(text[0]), 1);
        break;
    case Way::Paste:
    case Way::PasteThenUndo:
        putOnClipboard(text);
        SendMessageW(box, WM_PASTE, 0, 0);
        if (way == Way::PasteThenUndo)
            SendMessageW(box, WM_UNDO, 0, 0);
        break;
    case Way::TypeThenUndo:
        for (const wchar_t *c = text; *c; ++c)
            SendMessageW(box, WM_CHAR, WPARAM(*c), 1);
        SendMessageW(box, WM_UNDO, 0, 0);
        break;
    }
}

struct Seen
{
    std::wstring text;
    DWORD start = 0;
    DWORD end = 0;
    bool operator==(const Seen &) const = default;
};

Seen seen(HWND box)
{
    Seen now{TextOf(box)};
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&now.start),
                 reinterpret_cast<LPARAM>(&now.end));
    return now;
}

// The box once it has handled everything it was sent. Wine's edit control
// answers an input method's character by posting itself the character: a
// marker posted behind it (the modified flag, cleared first) is handled
// after it, and the flag read back tells when.
Seen settled(HWND box)
{
    SendMessageW(box, EM_SETMODIFY, FALSE, 0);
    PostMessageW(box, EM_SETMODIFY, TRUE, 0);
    WaitUntil([&] { return SendMessageW(box, EM_GETMODIFY, 0, 0) != 0; });
    return seen(box);
}

} // namespace

void CheckInputRule(const Program &program, Report &report)
{
    const HWND box = program.control(Text2_0);
    for (const Row &row : Rows) {
        // The box as a person leaves it: the text typed, the caret placed.
        SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        for (const wchar_t *c = row.before; *c; ++c)
            SendMessageW(box, WM_CHAR, WPARAM(*c), 1);
        SendMessageW(box, EM_SETSEL, WPARAM(row.caret), row.caret);
        SendMessageW(box, EM_EMPTYUNDOBUFFER, 0, 0);
        arrive(box, row.way, row.arriving);
        const auto [text, start, end] = settled(box);
        const bool caretHolds =
            row.caretAfter < 0 || (int(start) == row.caretAfter && start == end);
        report.check(text == row.after && caretHolds, row.name,
                     "«" + Utf8(text) + "», caret " + std::to_string(start) + ".." +
                         std::to_string(end));
    }
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
}

void CheckReadOnlyBoxes(const Program &program, Report &report)
{
    const struct
    {
        const char *name;
        UINT message;
        WPARAM wParam;
        const wchar_t *text;
    } attempts[] = {
        {"a set text", WM_SETTEXT, 0, L"x"},
        {"a replaced selection", EM_REPLACESEL, TRUE, L"x"},
        {"a typed character", WM_CHAR, L'x', nullptr},
        {"an input method's character", WM_IME_CHAR, L'x', nullptr},
        {"a paste", WM_PASTE, 0, nullptr},
        {"a cut", WM_CUT, 0, nullptr},
        {"a deletion", WM_CLEAR, 0, nullptr},
        {"a request to become writable", EM_SETREADONLY, FALSE, nullptr},
        {"an undo", WM_UNDO, 0, nullptr},
        {"an edit control's undo", EM_UNDO, 0, nullptr},
    };
    // The program's own writes reach it; every other edit tries to change them.
    SendMessageW(program.control(Text2_0), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"4"));
    SendMessageW(program.control(Command1_0), BM_CLICK, 0, 0);
    const std::wstring output = TextOf(program.control(Text2_1));
    report.check(output == Utf16("1\r\n2 2\r\n3 4 3\r\n4 6 6 4\r\nЧислото 4 се среща в ред 3"),
                 "«Изведи» with 4 writes the worked example", Utf8(output));
    putOnClipboard(L"x");
    for (const int id : {Text2_1, Text1_0}) {
        const HWND box = program.control(id);
        const std::wstring held = TextOf(box);
        for (const auto &attempt : attempts) {
            SendMessageW(box, EM_SETSEL, 0, -1);
            SendMessageW(box, attempt.message, attempt.wParam,
                         reinterpret_cast<LPARAM>(attempt.text));
            const bool readOnly = (GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) != 0;
            report.check(TextOf(box) == held && readOnly,
                         std::string(id == Text2_1 ? "the output box" : "the task statement") +
                             " refuses " + attempt.name);
        }
    }
    SendMessageW(program.control(Command1_1), BM_CLICK, 0, 0);
}

} // namespace zerkovan::checks
