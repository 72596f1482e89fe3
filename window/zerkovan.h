// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The main window: the only window of the program.
//
// It owns its controls, kept in numbered arrays and addressed as Text2(0),
// and the window state that the triangle engine works on. After start, a
// button click or Enter in the input box runs Command1_Click once, to its
// end; otherwise only the window's painting runs.
#pragma once

#include "controlarray.h"
#include "triangle.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zerkovan {

class StatusNotice;

class Zerkovan : public QWidget
{
    Q_OBJECT

public:
    explicit Zerkovan(QWidget *parent = nullptr);

    // Label1: the title and the input's label. Text1: the task statement and
    // the hidden motto. Text2: the input box (one line) and the output box.
    // Command1: display and clear.
    const ControlArray<QLabel> Label1;
    const ControlArray<QWidget> Text2;
    const ControlArray<QPlainTextEdit> Text1;
    const ControlArray<QPushButton> Command1;

    const WindowState &state() const { return m_state; }

    void Command1_Click(Integer16 Index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void ShowTriangle();
    void ClearBoxes();

    void placeControls();
    void setTabOrder();
    void connectControls();

    WindowState m_state;
    // Tells assistive tools the verdict of each display; not a control.
    StatusNotice *m_verdict = nullptr;
};

} // namespace zerkovan
