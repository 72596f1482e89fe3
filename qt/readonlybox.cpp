// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "readonlybox.h"

#include <QInputMethodEvent>
#include <QPainter>

namespace zerkovan {

namespace {

// Drawn inside the text area, within the document margin, so that it covers
// no text and leaves the unfocused box exactly as the style draws it.
constexpr int FocusRingWidth = 2;

} // namespace

ReadOnlyBox::ReadOnlyBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setUndoRedoEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

QVariant ReadOnlyBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // A box that can be selected answers that it takes input-method text, and
    // the toolkit would then insert what an input method composes (a dead key
    // and a letter, or a whole word from ibus). It takes none.
    if (query == Qt::ImEnabled)
        return false;
    return QPlainTextEdit::inputMethodQuery(query);
}

void ReadOnlyBox::inputMethodEvent(QInputMethodEvent *event)
{
    // Whatever an input method sends anyway (a commit, a preedit) is refused.
    event->ignore();
}

void ReadOnlyBox::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    // A read-only box shows no caret frame of its own in most styles; the
    // caret alone is too easy to miss.
    if (!hasFocus())
        return;
    QPainter painter(viewport());
    const int half = FocusRingWidth / 2;
    painter.setPen(QPen(palette().color(QPalette::Highlight), FocusRingWidth));
    painter.drawRect(viewport()->rect().adjusted(half, half, -half, -half));
}

void ReadOnlyBox::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
}

void ReadOnlyBox::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    viewport()->update();
}

} // namespace zerkovan
