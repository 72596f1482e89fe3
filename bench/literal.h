// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The triangle built the way the first version of the program built it:
// the output box is the only buffer, and every entry is appended by reading
// the whole text, appending to it and writing the whole text back. Kept as
// the yardstick the real engine is measured against; same output, byte for
// byte.
#pragma once

#include "triangle.h"

class QWidget;

namespace zerkovan::literal {

// The output text is a std::string, copied in full on every append.
void ShowTriangle(WindowState &state, std::string_view decimalSeparator);

// The output text lives in the box itself: every append reads the box's
// whole text and assigns it back with the entry added.
void ShowTriangleInBoxes(QWidget *inputBox, QWidget *outputBox, WindowState &state,
                         std::string_view decimalSeparator);

} // namespace zerkovan::literal
