// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "inputbox.h"

#include <QFocusEvent>

namespace zerkovan {

InputBox::InputBox(QWidget *parent)
    : QLineEdit(parent)
{
}

void InputBox::focusInEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    const bool selectsAll = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                            reason == Qt::ShortcutFocusReason;
    if (!selectsAll) {
        QLineEdit::focusInEvent(event);
        return;
    }
    // Everything else that the focus brings (the caret, the input method)
    // as it comes; the selection once the focus event has gone out.
    QFocusEvent arriving(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&arriving);
    m_arrivedByTab = true;
    QMetaObject::invokeMethod(this, &InputBox::selectIfArrivedByTab, Qt::QueuedConnection);
}

void InputBox::selectIfArrivedByTab()
{
    if (!m_arrivedByTab)
        return;
    m_arrivedByTab = false;
    if (hasFocus() && !text().isEmpty())
        selectAll();
}

void InputBox::focusOutEvent(QFocusEvent *event)
{
    m_arrivedByTab = false;
    QLineEdit::focusOutEvent(event);
}

void InputBox::keyPressEvent(QKeyEvent *event)
{
    selectIfArrivedByTab();
    QLineEdit::keyPressEvent(event);
}

void InputBox::inputMethodEvent(QInputMethodEvent *event)
{
    selectIfArrivedByTab();
    QLineEdit::inputMethodEvent(event);
}

// A click after the Tab places the caret where it falls.
void InputBox::mousePressEvent(QMouseEvent *event)
{
    m_arrivedByTab = false;
    QLineEdit::mousePressEvent(event);
}

} // namespace zerkovan
