// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Makers for the window's controls, each set up as the window shows it.
#pragma once

class QColor;
class QFont;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace zerkovan {

// A caption centred on a filled background.
QLabel *MakeLabel(QWidget *parent, const char *caption, const QColor &background);

// One line, centred, at most two characters however they come in.
QLineEdit *MakeInputBox(QWidget *parent, const char *accessibleName);

// Several lines, word-wrapped, vertical scroll bar; the user can scroll,
// select and copy, but not edit, and sees when it has the focus. Tab leaves
// the box.
QPlainTextEdit *MakeReadOnlyBox(QWidget *parent, const char *accessibleName);

// A button whose face is filled with one flat colour.
QPushButton *MakeButton(QWidget *parent, const char *caption, const QColor &face);

// Fills a widget's background with one colour; its children keep theirs.
void SetBackground(QWidget *widget, const QColor &colour);

// Times New Roman, 12 points, regular: the font of the window and its controls.
QFont WindowFont();

} // namespace zerkovan
