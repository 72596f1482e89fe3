// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The main window on Windows, made of the system's own controls: the only
// window of the program. It owns its controls, kept in numbered arrays and
// addressed as Text2(0); the state and the buttons' handlers are the
// window's own (zerkovan.h).
#pragma once

#include "controlarray.h"
#include "services.h"
#include "text.h"
#include "textboxes.h"
#include "verdictstatus.h"
#include "zerkovan.h"

#include <windows.h>

namespace zerkovan::win32 {

class ZerkovanWindow : public Zerkovan
{
public:
    // Registers the window class and opens the window, hidden.
    static ZerkovanWindow *Create(HINSTANCE instance);

    HWND window() const { return m_window; }

    // Label1: the title and the input's label. Text1: the task statement and
    // the hidden motto. Text2: the input box (one line) and the output box.
    // Command1: display and clear.
    ControlArray<HWND> Label1;
    ControlArray<HWND> Text1;
    ControlArray<HWND> Text2;
    ControlArray<HWND> Command1;

protected:
    std::string TextOfText2(Integer16 index) const override { return Utf8(TextOf(Text2(index))); }
    void AssignText2(Integer16 index, std::string_view text) override
    {
        AssignText(Text2(index), Utf16(text));
    }
    void SayVerdict(std::string_view verdict) override { m_verdict.say(Utf16(verdict)); }
    void ClearVerdict() override { m_verdict.clear(); }
    void ShowRunError(std::string_view message) override { ShowRunErrorBox(m_window, message); }
    std::string DecimalSeparator() const override { return UserDecimalSeparator(); }

private:
    explicit ZerkovanWindow(HWND window);
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // controls.cpp: making, placing, colouring and drawing the controls.
    void createControls();
    void placeControls(UINT dpi);
    void takeColours();
    LRESULT brushFor(HDC dc, HWND control);
    void drawButton(const DRAWITEMSTRUCT &item) const;
    void paintBackground(HDC dc) const;

    void pressEnter();
    void click(Integer16 index);
    // The title bar's and the taskbar's icons, drawn for `dpi`.
    void takeIcons(UINT dpi);
    // Puts the window at `place`, with the layout's client area at `dpi`.
    void placeWindow(const RECT &place, UINT dpi);

    HWND m_window = nullptr;
    VerdictStatus m_verdict;
    HFONT m_font = nullptr;
    HBRUSH m_windowBrush = nullptr;
    HBRUSH m_labelBrush = nullptr;
    HWND m_lastFocus = nullptr;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
};

} // namespace zerkovan::win32
