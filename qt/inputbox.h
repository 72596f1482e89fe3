// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// A one-line text box whose arrival by Tab a screen reader announces.
//
// QLineEdit selects its whole text as Tab brings the focus in, and does so
// inside its focus-in event, before the toolkit tells assistive tools that
// the focus arrived. Orca takes the selection's caret event for the focus
// arriving, moves there silently, and then finds nothing new in the real
// focus event: the user never hears the box's name. This box lets the focus
// be told first and selects its text after: on the next turn of the event
// loop, or at the first key or input-method text, if one was already queued
// behind the Tab, so that it replaces the selection as on a plain line edit.
#pragma once

#include <QLineEdit>

namespace zerkovan {

// No Q_OBJECT of its own: to assistive tools it is a QLineEdit.
class InputBox : public QLineEdit
{
public:
    explicit InputBox(QWidget *parent);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void selectAllIfPending();

    bool m_selectAllPending = false;
};

} // namespace zerkovan
