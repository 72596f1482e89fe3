// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The input rule, however the text comes in: every row of the rule's one
// table (inputrule.json) replaced at the selection, pasted, typed unit by
// unit and set whole by another process (as an assistive tool's set-value
// comes); then an input method's character, and Undo after a paste or a
// refused keystroke. And the read-only boxes, which take no text from
// anyone but the program.
#include "checks.h"
#include "controlids.h"
#include "inputrule.h"
#include "text.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace zerkovan::checks {

namespace {

using namespace zerkovan::win32;

struct RuleRow
{
    const char *name;
    std::wstring before;
    int selectionStart;
    int selectionEnd;
    std::wstring inserted;
    std::wstring text;
    int cursor;
};

const RuleRow RuleRows[] = {
#include "inputrows.inc"
};

enum class Way : std::uint8_t { Replaced, Pasted, Typed, SetWhole };

const std::pair<Way, const char *> Ways[] = {{Way::Replaced, "replaced"},
                                             {Way::Pasted, "pasted"},
                                             {Way::Typed, "typed"},
                                             {Way::SetWhole, "set whole"}};

// After a paste, Undo comes as the context menu sends it (asking first),
// twice (the second gives the paste back), or as Alt+Backspace, which an
// edit control may undo by itself; Ctrl+Z comes in the keyboard's rows.
enum class Other : std::uint8_t {
    InputMethod,
    PasteThenUndo,
    PasteThenMenuUndo,
    PasteThenUndoTwice,
    PasteThenAltBackspace,
    TypeThenUndo
};

const struct
{
    const char *name;
    const wchar_t *before;
    int caret;
    Other way;
    const wchar_t *arriving;
    const wchar_t *after;
    int caretAfter; // -1: not checked
} OtherRows[] = {
    {"an input method's character is held to the rule", L"12", 2, Other::InputMethod, L"9", L"12",
     2},
    {"an input method's character beside one is taken", L"1", 1, Other::InputMethod, L"9", L"19",
     2},
    {"Undo after a refused paste leaves the box as it was", L"12", 2, Other::PasteThenUndo, L"3",
     L"12", -1},
    {"Undo after a paste cut down gives back the text before it", L"", 0, Other::PasteThenUndo,
     L"345", L"", 0},
    {"Undo after a refused keystroke takes back the last one taken", L"1", 1, Other::TypeThenUndo,
     L"23", L"1", 1},
    {"the context menu's Undo after a paste gives back the text before it", L"1", 1,
     Other::PasteThenMenuUndo, L"3", L"1", 1},
    {"Undo twice after a paste gives the paste back", L"1", 1, Other::PasteThenUndoTwice, L"3",
     L"13", 2},
    {"Alt+Backspace after a paste gives back the text before it", L"1", 1,
     Other::PasteThenAltBackspace, L"3", L"1", 1},
};

// A key types a line break or a control character as a command, not as text.
bool typeable(const std::wstring &text)
{
    return std::none_of(text.begin(), text.end(), [](wchar_t c) {
        return IsControlCharacter(char16_t(c)) || c == 0x2028 || c == 0x2029;
    });
}

void type(HWND box, const std::wstring &text)
{
    for (const wchar_t unit : text)
        SendMessageW(box, WM_CHAR, WPARAM(unit), 1);
}

void paste(HWND box, const wchar_t *text)
{
    putOnClipboard(text);
    SendMessageW(box, WM_PASTE, 0, 0);
}

void other(HWND box, Other way, const wchar_t *text)
{
    if (way == Other::InputMethod) {
        SendMessageW(box, WM_IME_CHAR, WPARAM(text[0]), 1);
        return;
    }
    way == Other::TypeThenUndo ? type(box, text) : paste(box, text);
    if (way == Other::PasteThenMenuUndo) {
        if (SendMessageW(box, EM_CANUNDO, 0, 0))
            SendMessageW(box, EM_UNDO, 0, 0);
    } else if (way == Other::PasteThenAltBackspace) {
        SendMessageW(box, WM_SYSKEYDOWN, VK_BACK, 0x20000001);
    } else {
        SendMessageW(box, WM_UNDO, 0, 0);
        if (way == Other::PasteThenUndoTwice)
            SendMessageW(box, WM_UNDO, 0, 0);
    }
}

struct Seen
{
    std::wstring text;
    DWORD start = 0;
    DWORD end = 0;
    bool operator==(const Seen &) const = default;
};

// The box once it has handled everything it was sent. Wine's edit control
// answers an input method's character by posting itself the character: a
// marker posted behind it (the modified flag, cleared first) is handled
// after it, and the flag read back tells when.
Seen settled(HWND box)
{
    SendMessageW(box, EM_SETMODIFY, FALSE, 0);
    PostMessageW(box, EM_SETMODIFY, TRUE, 0);
    WaitUntil([&] { return SendMessageW(box, EM_GETMODIFY, 0, 0) != 0; });
    Seen now{TextOf(box)};
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&now.start),
                 reinterpret_cast<LPARAM>(&now.end));
    return now;
}

// The row: the box holds `text`, the caret alone at `caret` (anywhere: -1).
void holds(Report &report, HWND box, std::string_view row, const std::wstring &text, int caret)
{
    const auto [now, start, end] = settled(box);
    report.check(now == text && (caret < 0 || (int(start) == caret && start == end)), row,
                 "«" + Utf8(now) + "», caret " + std::to_string(start) + ".." +
                     std::to_string(end));
}

} // namespace

void CheckInputRule(const Program &program, Report &report)
{
    const HWND box = program.control(Text2_0);
    // The box as a person leaves it: the text in, the selection made.
    const auto prepare = [&](const std::wstring &before, int start, int end) {
        SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(before.c_str()));
        SendMessageW(box, EM_SETSEL, WPARAM(start), end);
        SendMessageW(box, EM_EMPTYUNDOBUFFER, 0, 0);
        return TextOf(box) == before;
    };
    for (const RuleRow &row : RuleRows) {
        for (const auto &[way, wayName] : Ways) {
            if (!prepare(row.before, row.selectionStart, row.selectionEnd))
                break; // a box that held too much: no box can
            if (way == Way::Typed && (row.inserted.empty() || !typeable(row.inserted)))
                continue;
            const std::wstring whole = row.before.substr(0, std::size_t(row.selectionStart)) +
                                       row.inserted +
                                       row.before.substr(std::size_t(row.selectionEnd));
            if (way == Way::Replaced)
                SendMessageW(box, EM_REPLACESEL, TRUE,
                             reinterpret_cast<LPARAM>(row.inserted.c_str()));
            else if (way == Way::Pasted)
                paste(box, row.inserted.c_str());
            else if (way == Way::Typed)
                type(box, row.inserted);
            else
                SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(whole.c_str()));
            // A text set whole leaves the caret where the control puts it.
            holds(report, box, std::string(row.name) + ", " + wayName, row.text,
                  way == Way::SetWhole ? -1 : row.cursor);
        }
    }
    for (const auto &row : OtherRows) {
        prepare(row.before, row.caret, row.caret);
        other(box, row.way, row.arriving);
        holds(report, box, row.name, row.after, row.caretAfter);
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
        // Only these reach the program's filter: the edit control itself
        // refuses typing, pasting, cutting, clearing and undoing in a
        // read-only box, so rows for those could not fail.
        {"a set text", WM_SETTEXT, 0, L"x"},
        {"a replaced selection", EM_REPLACESEL, TRUE, L"x"},
        {"a request to become writable", EM_SETREADONLY, FALSE, nullptr},
    };
    // The program's own writes reach it; every other edit tries to change them.
    SendMessageW(program.control(Text2_0), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"4"));
    SendMessageW(program.control(Command1_0), BM_CLICK, 0, 0);
    report.require(TextOf(program.control(Text2_1)).ends_with(L"3"), "«Изведи» displays 4");
    for (const int id : {Text2_1, Text1_0}) {
        const HWND box = program.control(id);
        const std::wstring held = TextOf(box);
        for (const auto &attempt : attempts) {
            SendMessageW(box, EM_SETSEL, 0, -1);
            SendMessageW(box, attempt.message, attempt.wParam,
                         reinterpret_cast<LPARAM>(attempt.text));
            const bool readOnly = (GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) != 0;
            report.check(TextOf(box) == held && readOnly,
                         std::string(ControlName(id)) + " refuses " + attempt.name);
        }
    }
    SendMessageW(program.control(Command1_1), BM_CLICK, 0, 0);
}

} // namespace zerkovan::checks
