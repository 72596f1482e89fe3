// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The main window as every platform has it: the window state the triangle
// engine works on, and the two buttons' handlers. A front end derives from
// it, makes the controls, and gives the few operations below through which
// the handlers reach them. After start, a click on a button or Enter in the
// input box runs Command1_Click once, to its end. Every front end runs it
// inside a guard that shows an exception escaping it with ShowRunError, so
// that nothing unwinds through the toolkit's or the system's dispatch.
#pragma once

#include "triangle.h"

#include <string>
#include <string_view>

namespace zerkovan {

class Zerkovan
{
public:
    virtual ~Zerkovan() = default;

    const WindowState &state() const { return m_state; }

    // Command1(0), «Изведи», shows the triangle; Command1(1), «Изчисти»,
    // empties the boxes.
    void Command1_Click(Integer16 Index);

protected:
    // The whole text of the box Text2(index), UTF-8; and that text replaced.
    virtual std::string TextOfText2(Integer16 index) const = 0;
    virtual void AssignText2(Integer16 index, std::string_view text) = 0;
    // The verdict of a display, told to assistive tools; and taken back.
    virtual void SayVerdict(std::string_view verdict) = 0;
    virtual void ClearVerdict() = 0;
    // A failed click's message shown over the window, which stays open.
    virtual void ShowRunError(std::string_view message) = 0;
    // The decimal separator of the user's locale, UTF-8: a number service
    // of the platform's.
    virtual std::string DecimalSeparator() const = 0;

private:
    void ShowTriangle();
    void ClearBoxes();

    WindowState m_state;
};

} // namespace zerkovan
