// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The main window in Qt widgets: the only window of the program. It owns
// its controls, kept in numbered arrays and addressed as Text2(0); the
// state and the buttons' handlers are the window's own (zerkovan.h).
#pragma once

#include "controlarray.h"
#include "platform.h"
#include "statusnotice.h"
#include "textbox.h"
#include "zerkovan.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zerkovan {

class ZerkovanWidget : public QWidget, public Zerkovan
{
    Q_OBJECT

public:
    explicit ZerkovanWidget(QWidget *parent = nullptr);

    // Label1: the title and the input's label. Text1: the task statement and
    // the hidden motto. Text2: the input box (one line) and the output box.
    // Command1: display and clear.
    const ControlArray<QLabel *> Label1;
    const ControlArray<QWidget *> Text2;
    const ControlArray<QPlainTextEdit *> Text1;
    const ControlArray<QPushButton *> Command1;

protected:
    void paintEvent(QPaintEvent *event) override;

    std::string TextOfText2(Integer16 index) const override { return TextOf(Text2(index)); }
    void AssignText2(Integer16 index, std::string_view text) override
    {
        AssignText(Text2(index), text);
    }
    void SayVerdict(std::string_view verdict) override { m_verdict->say(verdict); }
    void ClearVerdict() override { m_verdict->clear(); }
    void ShowRunError(std::string_view message) override { ShowRunErrorBox(this, message); }
    std::string DecimalSeparator() const override { return SystemDecimalSeparator(); }

private:
    void placeControls();
    void setTabOrder();
    void connectControls();

    // Tells assistive tools the verdict of each display; not a control.
    StatusNotice *m_verdict = nullptr;
};

} // namespace zerkovan
