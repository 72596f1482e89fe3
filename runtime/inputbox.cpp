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
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus() && !text().isEmpty())
                selectAll();
        },
        Qt::QueuedConnection);
}

} // namespace zerkovan
