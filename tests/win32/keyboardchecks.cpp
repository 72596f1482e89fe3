// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Keys as Windows delivers them, through its input queue to the window in
// the foreground: Tab and Shift+Tab through the five controls that take
// the focus, and the input box's context menu, opened with Shift+F10 and
// walked with the arrows to «Постави».
#include "checks.h"
#include "controlids.h"
#include "text.h"

#include <utility>
#include <vector>

namespace zerkovan::checks {

namespace {

using namespace zerkovan::win32;

// Sends the keys as one chord through the input queue. Whoever reads the
// window next waits for it to have handled them.
void press(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND focusOf(const Program &program)
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(program.window(), nullptr), &thread);
    return thread.hwndFocus;
}

const char *nameOf(const Program &program, HWND control)
{
    return GetParent(control) == program.window() ? ControlName(GetDlgCtrlID(control))
                                                  : "another window";
}

// Presses the keys and waits for the focus to leave where it was: a key
// that never arrives fails the row instead of being read as arrived.
HWND focusAfter(const Program &program, std::initializer_list<WORD> keys)
{
    const HWND before = focusOf(program);
    press(keys);
    WaitUntil([&] { return focusOf(program) != before; });
    return focusOf(program);
}

} // namespace

void CheckKeyboard(const Program &program, Report &report)
{
    SetForegroundWindow(program.window());
    WaitUntil([&] { return GetForegroundWindow() == program.window(); });
    // From the task statement, wherever the rows before left the focus.
    for (int tries = 0; tries < 6 && focusOf(program) != program.control(Text1_0); ++tries)
        focusAfter(program, {VK_TAB});
    const auto walk = [&](std::initializer_list<WORD> keys, std::initializer_list<int> ids) {
        std::string order;
        bool inOrder = focusOf(program) == program.control(Text1_0);
        for (const int id : ids) {
            const HWND focus = focusAfter(program, keys);
            order += std::string(" ") + nameOf(program, focus);
            inOrder = inOrder && focus == program.control(id);
        }
        return std::pair{inOrder, order};
    };
    const auto [forwards, forwardOrder] =
        walk({VK_TAB}, {Text2_0, Text2_1, Command1_0, Command1_1, Text1_0});
    report.check(forwards,
                 "Tab goes from Text1(0) through the input, the output, both buttons and back",
                 forwardOrder);
    const auto [backwards, backwardOrder] =
        walk({VK_SHIFT, VK_TAB}, {Command1_1, Command1_0, Text2_1, Text2_0, Text1_0});
    report.check(backwards, "Shift+Tab goes the same way back", backwardOrder);

    // The menu's items: Отмени, Изрежи, Копирай, Постави; the fourth pastes.
    const HWND box = program.control(Text2_0);
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    putOnClipboard(L"345");
    focusAfter(program, {VK_TAB});
    press({VK_SHIFT, VK_F10});
    const bool menuShown = WaitUntil([] {
        const HWND menu = FindWindowW(L"#32768", nullptr);
        return menu && IsWindowVisible(menu);
    });
    for (int item = 0; item < 4; ++item)
        press({VK_DOWN});
    press({VK_RETURN});
    WaitUntil([&] { return !TextOf(box).empty(); });
    report.check(menuShown && TextOf(box) == L"34",
                 "the context menu's «Постави» pastes what the box admits",
                 "«" + Utf8(TextOf(box)) + "»");
    press({VK_CONTROL, 'Z'});
    WaitUntil([&] { return TextOf(box).empty(); });
    report.check(TextOf(box).empty(), "Ctrl+Z takes back the paste the box cut down",
                 "«" + Utf8(TextOf(box)) + "»");
}

} // namespace zerkovan::checks
