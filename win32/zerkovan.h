// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The main window on Windows: the only window of the program, made of the
// system's own controls.
//
// It owns its controls, kept in numbered arrays and addressed as Text2(0),
// and the window state that the triangle engine works on. After start, a
// button click or Enter in the input box runs Command1_Click once, to its
// end; otherwise only the window's painting runs.
#pragma once

#include "triangle.h"
#include "verdictstatus.h"

#include <array>
#include <windows.h>

namespace zerkovan::win32 {

// Two controls of one kind, addressed by index as Text2(0).
struct ControlArray
{
    std::array<HWND, 2> elements{};
    HWND operator()(Integer16 index) const { return elements.at(std::size_t(index)); }
};

class Zerkovan
{
public:
    // Registers the window class and opens the window, hidden.
    static Zerkovan *Create(HINSTANCE instance);

    HWND handle() const { return m_window; }
    const WindowState &state() const { return m_state; }

    // Label1: the title and the input's label. Text1: the task statement and
    // the hidden motto. Text2: the input box (one line) and the output box.
    // Command1: display and clear.
    ControlArray Label1;
    ControlArray Text1;
    ControlArray Text2;
    ControlArray Command1;

    void Command1_Click(Integer16 Index);

private:
    explicit Zerkovan(HWND window);
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void ShowTriangle();
    void ClearBoxes();

    // controls.cpp: making, placing, colouring and drawing the controls.
    void createControls();
    void placeControls(UINT dpi);
    void takeColours();
    LRESULT colourOf(HDC dc, HWND control);
    void drawButton(const DRAWITEMSTRUCT &item) const;
    void paintBackground(HDC dc) const;

    void pressEnter();
    // The title bar's and the taskbar's icons, drawn for `dpi`.
    void takeIcons(UINT dpi);

    HWND m_window = nullptr;
    WindowState m_state;
    VerdictStatus m_verdict;
    HFONT m_font = nullptr;
    HBRUSH m_windowBrush = nullptr;
    HBRUSH m_labelBrush = nullptr;
    HWND m_lastFocus = nullptr;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
};

} // namespace zerkovan::win32
