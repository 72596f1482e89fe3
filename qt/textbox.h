// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Reading and assigning the whole text of a text box, one line or several.
//
// The program's texts are UTF-8 with CR LF line breaks; the boxes keep their
// own line breaks, and these two functions translate at the border.
#pragma once

#include <string>
#include <string_view>

class QWidget;

namespace zerkovan {

std::string TextOf(const QWidget *textBox);

// Replaces the whole contents and shows the text from its first line.
// Read-only boxes accept it: read-only restricts only the user.
void AssignText(QWidget *textBox, std::string_view text);

} // namespace zerkovan
