// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "contextmenu.h"

#include "statictexts.h"
#include "text.h"

#include <cstdint>
#include <windowsx.h>

namespace zerkovan::win32 {

namespace {

enum Command : std::uint8_t { Undo = 1, Cut, Copy, Paste, Delete, SelectAll };

struct Item
{
    Command command;
    const char *text;
    const wchar_t *keys;
};

constexpr Item Items[] = {
    {Undo, UndoCommand, L"\tCtrl+Z"},  {Cut, CutCommand, L"\tCtrl+X"},
    {Copy, CopyCommand, L"\tCtrl+C"},  {Paste, PasteCommand, L"\tCtrl+V"},
    {Delete, DeleteCommand, L"\tDel"}, {SelectAll, SelectAllCommand, L"\tCtrl+A"},
};

bool enabled(HWND box, bool readOnly, Command command)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool selection = start != end;
    const auto length = DWORD(GetWindowTextLengthW(box));
    switch (command) {
    case Undo:
        return !readOnly && SendMessageW(box, EM_CANUNDO, 0, 0);
    case Cut:
    case Delete:
        return !readOnly && selection;
    case Copy:
        return selection;
    case Paste:
        return !readOnly && IsClipboardFormatAvailable(CF_UNICODETEXT);
    case SelectAll:
        return length > 0 && (start != 0 || end != length);
    }
    return false;
}

POINT placeOf(HWND box, LPARAM position)
{
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    // Windows marks the keyboard's menu with x and y of -1 each.
    if (point.x != -1 || point.y != -1)
        return point;
    // From the keyboard (Shift+F10, the menu key): at the caret.
    if (!GetCaretPos(&point))
        point = {0, 0};
    point.y += GetSystemMetrics(SM_CYMENU) / 2;
    ClientToScreen(box, &point);
    return point;
}

} // namespace

void ShowContextMenu(HWND box, bool readOnly, LPARAM position)
{
    SetFocus(box);
    const HMENU menu = CreatePopupMenu();
    for (const Item &item : Items) {
        if (item.command == SelectAll)
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        const UINT state = enabled(box, readOnly, item.command) ? MF_ENABLED : MF_GRAYED;
        AppendMenuW(menu, MF_STRING | state, item.command, (Utf16(item.text) + item.keys).c_str());
    }
    const POINT at = placeOf(box, position);
    const auto chosen = Command(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                               at.x, at.y, 0, box, nullptr));
    DestroyMenu(menu);
    switch (chosen) {
    case Undo:
        SendMessageW(box, EM_UNDO, 0, 0);
        break;
    case Cut:
        SendMessageW(box, WM_CUT, 0, 0);
        break;
    case Copy:
        SendMessageW(box, WM_COPY, 0, 0);
        break;
    case Paste:
        SendMessageW(box, WM_PASTE, 0, 0);
        break;
    case Delete:
        SendMessageW(box, WM_CLEAR, 0, 0);
        break;
    case SelectAll:
        SendMessageW(box, EM_SETSEL, 0, -1);
        break;
    }
}

} // namespace zerkovan::win32
