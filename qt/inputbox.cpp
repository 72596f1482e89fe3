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
    m_selectAllPending = true;
    QMetaObject::invokeMethod(this, &InputBox::selectAllIfPending, Qt::QueuedConnection);
}

void InputBox::selectAllIfPending()
{
    if (!m_selectAllPending)
        return;
    m_selectAllPending = false;
    if (hasFocus() && !text().isEmpty())
        selectAll();
}

void InputBox::focusOutEvent(QFocusEvent *event)
{
    m_selectAllPending = false;
    QLineEdit::focusOutEvent(event);
}

void InputBox::keyPressEvent(QKeyEvent *event)
{
    selectAllIfPending();
    QLineEdit::keyPressEvent(event);
}

void InputBox::inputMethodEvent(QInputMethodEvent *event)
{
    selectAllIfPending();
    QLineEdit::inputMethodEvent(event);
}

// A click after the Tab places the caret where it falls.
void InputBox::mousePressEvent(QMouseEvent *event)
{
    m_selectAllPending = false;
    QLineEdit::mousePressEvent(event);
}

} // namespace zerkovan
