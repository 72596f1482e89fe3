// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Keys as Windows delivers them, through its input queue to the window in
// the foreground: Tab and Shift+Tab through the five controls that take
// the focus, and the input box's context menu, opened with Shift+F10 and
// walked with the arrows to «Постави».
#include "checks.h"
#include "controlids.h"
#include "text.h"

#include <cstring>
#include <vector>

namespace zerkovan::checks {

namespace {

using namespace zerkovan::win32;

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
    Sleep(300);
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
    const struct
    {
        int id;
        const char *name;
    } names[] = {{Text1_0, "Text1(0)"},
                 {Text2_0, "Text2(0)"},
                 {Text2_1, "Text2(1)"},
                 {Command1_0, "Command1(0)"},
                 {Command1_1, "Command1(1)"}};
    for (const auto &name : names)
        if (program.control(name.id) == control)
            return name.name;
    return "another window";
}

} // namespace

void CheckKeyboard(const Program &program, Report &report)
{
    SetForegroundWindow(program.window());
    Sleep(300);
    // From the task statement, wherever the rows before left the focus.
    for (int tries = 0; tries < 6 && focusOf(program) != program.control(Text1_0); ++tries)
        press({VK_TAB});
    const int forwards[] = {Text2_0, Text2_1, Command1_0, Command1_1, Text1_0};
    std::string order;
    bool inOrder = focusOf(program) == program.control(Text1_0);
    for (const int id : forwards) {
        press({VK_TAB});
        order += std::string(" ") + nameOf(program, focusOf(program));
        inOrder = inOrder && focusOf(program) == program.control(id);
    }
    report.check(inOrder,
                 "Tab goes from Text1(0) through the input, the output, both buttons and back",
                 order);
    order.clear();
    inOrder = true;
    for (const int id : {Command1_1, Command1_0, Text2_1, Text2_0, Text1_0}) {
        press({VK_SHIFT, VK_TAB});
        order += std::string(" ") + nameOf(program, focusOf(program));
        inOrder = inOrder && focusOf(program) == program.control(id);
    }
    report.check(inOrder, "Shift+Tab goes the same way back", order);

    // The menu's items: Отмени, Изрежи, Копирай, Постави; the fourth pastes.
    const HWND box = program.control(Text2_0);
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        const wchar_t text[] = L"345";
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
        std::memcpy(GlobalLock(memory), text, sizeof text);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
    press({VK_TAB});
    press({VK_SHIFT, VK_F10});
    for (int item = 0; item < 4; ++item)
        press({VK_DOWN});
    press({VK_RETURN});
    report.check(TextOf(box) == L"34", "the context menu's «Постави» pastes what the box admits",
                 "«" + Utf8(TextOf(box)) + "»");
    press({VK_RETURN});
    const std::wstring output = TextOf(program.control(Text2_1));
    report.check(output.ends_with(Utf16("Числото 34 се среща в ред 18")),
                 "Enter in the input box then displays");
}

} // namespace zerkovan::checks
