// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The window's controls: made from the layout table, placed at the window's
// DPI, coloured from the colour table or, under a high-contrast theme, the
// system's, and the two buttons drawn in the graphical style.
#include "appearance.h"
#include "controlids.h"
#include "statictexts.h"
#include "text.h"
#include "textboxes.h"
#include "zerkovanwindow.h"

namespace zerkovan::win32 {

namespace {

struct ControlRow
{
    int id;
    const wchar_t *windowClass;
    const char *text;
    DWORD style;
    const layout::Twips *place; // null for a name that takes no room
};

constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
constexpr DWORD Label = Child | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
constexpr DWORD NameStatic = Child | SS_LEFT | SS_NOPREFIX;
constexpr DWORD ReadOnlyBox =
    Child | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | ES_NOHIDESEL;
constexpr DWORD Button = Child | WS_TABSTOP | BS_OWNERDRAW;

// In the window's order, which is the order of Tab and of names: an edit
// control is named by the static just before it. The boxes that no label
// names have a static of their name that takes no room.
const ControlRow Rows[] = {
    {Label1_0, L"STATIC", TitleLabelCaption, Label, &layout::Label1_0},
    {TaskStatementBoxNameStatic, L"STATIC", TaskStatementBoxName, NameStatic, nullptr},
    {Text1_0, L"EDIT", nullptr, ReadOnlyBox, &layout::Text1_0},
    {MottoBoxNameStatic, L"STATIC", MottoBoxName, NameStatic, nullptr},
    {Text1_1, L"EDIT", nullptr, ReadOnlyBox & ~DWORD(WS_VISIBLE), &layout::Text1_1},
    {Label1_1, L"STATIC", RowLabelCaption, Label, &layout::Label1_1},
    {Text2_0, L"EDIT", nullptr, Child | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, &layout::Text2_0},
    {OutputBoxNameStatic, L"STATIC", OutputBoxName, NameStatic, nullptr},
    {Text2_1, L"EDIT", nullptr, ReadOnlyBox, &layout::Text2_1},
    {Command1_0, L"BUTTON", DisplayButtonCaption, Button, &layout::Command1_0},
    {Command1_1, L"BUTTON", ClearButtonCaption, Button, &layout::Command1_1},
};

} // namespace

void ZerkovanWindow::createControls()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const ControlRow &row : Rows) {
        const HWND control = CreateWindowExW(
            0, row.windowClass, row.text ? Utf16(row.text).c_str() : L"", row.style, 0, 0, 0, 0,
            m_window, reinterpret_cast<HMENU>(INT_PTR(row.id)), instance, nullptr);
        if (row.id == Text2_0) {
            AttachTextBox(control, BoxKind::Input);
        } else if (row.id == Text2_1 || row.id == Text1_0 || row.id == Text1_1) {
            // No limit below what the widest output needs.
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
            AttachTextBox(control, BoxKind::ReadOnly);
        }
    }
    const auto item = [this](int id) { return GetDlgItem(m_window, id); };
    Label1 = {item(Label1_0), item(Label1_1)};
    Text1 = {item(Text1_0), item(Text1_1)};
    Text2 = {item(Text2_0), item(Text2_1)};
    Command1 = {item(Command1_0), item(Command1_1)};
    m_verdict.create(m_window, VerdictStatic);
    takeColours();
    placeControls(DpiOf(m_window));
    // Filled once they have their size: a multi-line box of no width
    // would wrap the statement at every character first (and Wine 10's
    // box faults on it, abandoning the window's creation).
    AssignText(Text1(0), Utf16(TaskStatement));
    AssignText(Text1(1), Utf16(Motto));
    m_lastFocus = Text1(0);
}

void ZerkovanWindow::placeControls(UINT dpi)
{
    const HFONT font = MakeWindowFont(dpi);
    for (const ControlRow &row : Rows) {
        const HWND control = GetDlgItem(m_window, row.id);
        if (row.place) {
            const RECT place = RectOf(*row.place, dpi);
            SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left,
                         place.bottom - place.top,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (m_font)
        DeleteObject(m_font);
    m_font = font;
}

void ZerkovanWindow::takeColours()
{
    const Colours colours = CurrentColours();
    for (HBRUSH *brush : {&m_windowBrush, &m_labelBrush})
        if (*brush)
            DeleteObject(*brush);
    m_windowBrush = CreateSolidBrush(colours.window);
    m_labelBrush = CreateSolidBrush(colours.label);
}

// Labels on their colour; the read-only boxes, which Windows colours as
// statics, keep a text box's colours, as the input box does.
LRESULT ZerkovanWindow::brushFor(HDC dc, HWND control)
{
    const Colours colours = CurrentColours();
    if (control == Label1(0) || control == Label1(1)) {
        SetTextColor(dc, colours.labelText);
        SetBkColor(dc, colours.label);
        return reinterpret_cast<LRESULT>(m_labelBrush);
    }
    if (GetWindowLongPtrW(control, GWL_STYLE) & ES_READONLY) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    SetBkColor(dc, colours.window);
    return reinterpret_cast<LRESULT>(m_windowBrush);
}

void ZerkovanWindow::paintBackground(HDC dc) const
{
    RECT client;
    GetClientRect(m_window, &client);
    FillRect(dc, &client, m_windowBrush);
}

// A face of the button's colour inside a one-line edge, two lines of the
// focus colour when it has the focus, pushed in while pressed; the caption
// centred in the window's font.
void ZerkovanWindow::drawButton(const DRAWITEMSTRUCT &item) const
{
    const Colours colours = CurrentColours();
    const UINT dpi = DpiOf(m_window);
    const HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const int line = LineWidth(1, dpi);
    const int edge = focused || pressed ? 2 * line : line;

    const HBRUSH edgeBrush = CreateSolidBrush(focused ? colours.focus : colours.buttonEdge);
    FillRect(dc, &rect, edgeBrush);
    DeleteObject(edgeBrush);
    InflateRect(&rect, -edge, -edge);
    const HBRUSH face =
        CreateSolidBrush(item.CtlID == Command1_0 ? colours.displayButton : colours.clearButton);
    FillRect(dc, &rect, face);
    DeleteObject(face);

    if (pressed)
        OffsetRect(&rect, line, line);
    const std::wstring caption = TextOf(item.hwndItem);
    const HGDIOBJ previous = SelectObject(dc, m_font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colours.buttonText);
    DrawTextW(dc, caption.c_str(), int(caption.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
}

} // namespace zerkovan::win32
