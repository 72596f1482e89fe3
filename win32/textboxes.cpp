// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "textboxes.h"

#include "appearance.h"
#include "contextmenu.h"
#include "graphemes.h"
#include "inputrule.h"
#include "text.h"

#include <commctrl.h>
#include <optional>

namespace zerkovan::win32 {

namespace {

constexpr UINT_PTR SubclassId = 1;
// Where AssignText finds a box's state.
constexpr const wchar_t *StateProperty = L"Zerkovan.TextBox";

struct BoxState
{
    BoxKind kind = BoxKind::Input;
    bool programWrites = false; // AssignText is at work
    bool admitting = false;     // the input rule is mending the text
    bool focused = false;
    std::u16string held; // the input box's text as last admitted
    // The input box's text before its last admitted change, which Undo
    // gives back. The control's own undo cannot serve: mending a change
    // that broke the rule sets the text, which empties it.
    std::optional<std::u16string> undone;
};

// Every change of the input box, whatever made it, is held against the
// input rule once the control has made it, and mended where it broke it.
void admitChange(HWND box, BoxState &state)
{
    const std::wstring text = TextOf(box);
    if (AsUtf16(text) == state.held)
        return;
    DWORD cursor = 0;
    SendMessageW(box, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&cursor));
    const AdmittedEdit admitted =
        AdmitEdit(state.held, AsUtf16(text), cursor, InputBoxMaxLength, ClusterStopsOf);
    if (admitted.text != AsUtf16(text)) {
        SetWindowTextW(box, reinterpret_cast<const wchar_t *>(admitted.text.c_str()));
        SendMessageW(box, EM_SETSEL, admitted.cursor, LPARAM(admitted.cursor));
    }
    // A change refused whole leaves Undo with the change before it.
    if (admitted.text != state.held)
        state.undone = state.held;
    state.held = admitted.text;
}

// Undo as the control's own: the text before the last admitted change
// comes back, the caret after it, and Undo again takes that back.
LRESULT undoLastChange(HWND box, BoxState &state)
{
    if (!state.undone)
        return FALSE;
    const std::u16string text = *state.undone;
    state.undone = state.held;
    state.held = text;
    SetWindowTextW(box, reinterpret_cast<const wchar_t *>(text.c_str()));
    SendMessageW(box, EM_SETSEL, text.size(), LPARAM(text.size()));
    return TRUE;
}

// What a client other than the program may not do to a read-only box: an
// assistive tool's set-value comes as WM_SETTEXT from its own process.
bool changesText(UINT message)
{
    switch (message) {
    case WM_SETTEXT:
    case EM_REPLACESEL:
    case EM_SETREADONLY:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
        return true;
    default:
        return false;
    }
}

int edgeWidth(HWND box)
{
    return 2 * LineWidth(1, DpiOf(box));
}

// The edge around the box: one line of the edge colour and one of the
// box's face; with the focus, two lines of the focus colour on the input
// box and of the highlight colour on a read-only box.
void paintEdge(HWND box, const BoxState &state)
{
    const HDC dc = GetWindowDC(box);
    RECT outer;
    GetWindowRect(box, &outer);
    OffsetRect(&outer, -outer.left, -outer.top);
    const int line = LineWidth(1, DpiOf(box));
    const Colours colours = CurrentColours();
    const COLORREF focus =
        state.kind == BoxKind::Input ? colours.focus : GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF first = state.focused ? focus : colours.boxEdge;
    const COLORREF second = state.focused ? focus : GetSysColor(COLOR_WINDOW);
    RECT inner = outer;
    InflateRect(&inner, -line, -line);
    for (const auto &[ring, colour] : {std::pair{outer, first}, std::pair{inner, second}}) {
        const HRGN outside = CreateRectRgnIndirect(&ring);
        RECT hole = ring;
        InflateRect(&hole, -line, -line);
        const HRGN inside = CreateRectRgnIndirect(&hole);
        CombineRgn(outside, outside, inside, RGN_DIFF);
        const HBRUSH brush = CreateSolidBrush(colour);
        FillRgn(dc, outside, brush);
        DeleteObject(brush);
        DeleteObject(inside);
        DeleteObject(outside);
    }
    ReleaseDC(box, dc);
}

LRESULT readOnlyMessage(HWND box, UINT message, WPARAM wParam, LPARAM lParam, BoxState &state)
{
    // Refused: WM_SETTEXT's FALSE, and nothing done for the rest.
    if (changesText(message) && !state.programWrites)
        return FALSE;
    if (message == WM_GETDLGCODE) {
        // Tab and Enter stay with the window, and Tab selects nothing.
        return DefSubclassProc(box, message, wParam, lParam) &
               ~LRESULT(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_HASSETSEL);
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

LRESULT inputMessage(HWND box, UINT message, WPARAM wParam, LPARAM lParam, BoxState &state)
{
    if (state.admitting)
        return DefSubclassProc(box, message, wParam, lParam);
    switch (message) {
    case WM_UNDO:
    case EM_UNDO: {
        state.admitting = true;
        const LRESULT undone = undoLastChange(box, state);
        state.admitting = false;
        // A one-line box answers EM_UNDO with TRUE, undone or not.
        return message == EM_UNDO ? TRUE : undone;
    }
    case EM_CANUNDO:
        return state.undone.has_value();
    case EM_EMPTYUNDOBUFFER:
        state.undone.reset();
        break;
    default:
        break;
    }
    const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
    if (message != WM_GETTEXT && message != WM_GETTEXTLENGTH && message != WM_NCDESTROY) {
        state.admitting = true;
        admitChange(box, state);
        state.admitting = false;
        // A text set whole cannot be undone, as in the control itself.
        if (message == WM_SETTEXT)
            state.undone.reset();
    }
    return result;
}

LRESULT CALLBACK boxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data)
{
    auto &state = *reinterpret_cast<BoxState *>(data);
    switch (message) {
    case WM_NCDESTROY:
        RemoveWindowSubclass(box, boxProcedure, SubclassId);
        RemovePropW(box, StateProperty);
        delete &state;
        return DefSubclassProc(box, message, wParam, lParam);
    case WM_CONTEXTMENU:
        ShowContextMenu(box, state.kind == BoxKind::ReadOnly, lParam);
        return 0;
    case WM_KEYDOWN:
        if (wParam == 'A' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
            SendMessageW(box, EM_SETSEL, 0, -1);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == 1) // Ctrl+A's character, which some EDITs answer with a beep
            return 0;
        // Ctrl+Z's character, which an edit control may answer with its own
        // undo or with WM_UNDO: the box's own undo either way.
        if (wParam == 0x1a) {
            SendMessageW(box, WM_UNDO, 0, 0);
            return 0;
        }
        break;
    case WM_SYSKEYDOWN:
        // Alt+Backspace, Windows' older undo key, likewise.
        if (wParam == VK_BACK && (lParam & (LPARAM(1) << 29)) != 0) {
            SendMessageW(box, WM_UNDO, 0, 0);
            return 0;
        }
        break;
    case WM_NCCALCSIZE: {
        RECT *client = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS *>(lParam)->rgrc[0]
                              : reinterpret_cast<RECT *>(lParam);
        const int edge = edgeWidth(box);
        InflateRect(client, -edge, -edge);
        return DefSubclassProc(box, message, wParam, lParam);
    }
    case WM_NCPAINT: {
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        paintEdge(box, state);
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        state.focused = message == WM_SETFOCUS;
        RedrawWindow(box, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        break;
    default:
        break;
    }
    return state.kind == BoxKind::Input ? inputMessage(box, message, wParam, lParam, state)
                                        : readOnlyMessage(box, message, wParam, lParam, state);
}

} // namespace

void AttachTextBox(HWND box, BoxKind kind)
{
    auto *state = new BoxState{};
    state->kind = kind;
    SetPropW(box, StateProperty, state);
    SetWindowSubclass(box, boxProcedure, SubclassId, reinterpret_cast<DWORD_PTR>(state));
    // The edge takes its room from the client area.
    SetWindowPos(box, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AssignText(HWND box, std::wstring_view text)
{
    auto *state = static_cast<BoxState *>(GetPropW(box, StateProperty));
    if (!state)
        return;
    state->programWrites = true;
    // Drawn once, when the whole text is in.
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SetWindowTextW(box, std::wstring(text).c_str());
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    state->programWrites = false;
}

} // namespace zerkovan::win32
