// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "accessibility.h"

#include "readonlybox.h"
#include "statusnotice.h"

#include <QAccessibleWidget>
#include <QTextDocument>

namespace zerkovan {

namespace {

// The text of a read-only box, for reading only: no editable-text interface,
// and setting the value does nothing.
class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ReadOnlyTextAccessible(ReadOnlyBox *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return box()->toPlainText();
        return QAccessibleWidget::text(type);
    }

    // Its text, name and description are the program's; no client sets them.
    void setText(QAccessible::Text, const QString &) override {}

    // Selection and caret: the reader may move them, as the keyboard can.
    void selection(int index, int *start, int *end) const override
    {
        const QTextCursor cursor = box()->textCursor();
        const bool has = index == 0 && cursor.hasSelection();
        *start = has ? cursor.selectionStart() : 0;
        *end = has ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index != 0)
            return;
        QTextCursor cursor = box()->textCursor();
        cursor.clearSelection();
        box()->setTextCursor(cursor);
    }
    void setSelection(int index, int start, int end) override
    {
        if (index != 0)
            return;
        QTextCursor cursor = cursorAt(start);
        cursor.setPosition(clamped(end), QTextCursor::KeepAnchor);
        box()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override { box()->setTextCursor(cursorAt(position)); }

    QString text(int start, int end) const override
    {
        QTextCursor cursor = cursorAt(start);
        cursor.setPosition(clamped(end), QTextCursor::KeepAnchor);
        // The document separates paragraphs with U+2029; readers expect "\n".
        return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    }
    int characterCount() const override { return box()->document()->characterCount() - 1; }

    QRect characterRect(int offset) const override
    {
        const QTextCursor cursor = cursorAt(offset);
        QRect rect = box()->cursorRect(cursor);
        const QString next = text(offset, offset + 1);
        rect.setWidth(next.isEmpty() ? 1 : box()->fontMetrics().horizontalAdvance(next));
        return QRect(box()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint local = box()->viewport()->mapFromGlobal(point);
        if (!box()->viewport()->rect().contains(local))
            return -1;
        return box()->cursorForPosition(local).position();
    }
    void scrollToSubstring(int start, int end) override
    {
        Q_UNUSED(end);
        box()->setTextCursor(cursorAt(start));
        box()->ensureCursorVisible();
    }
    QString attributes(int offset, int *start, int *end) const override
    {
        // One format for the whole text.
        *start = 0;
        *end = characterCount();
        if (offset < -2 || offset > *end)
            *start = *end = -1;
        return {};
    }

private:
    ReadOnlyBox *box() const { return static_cast<ReadOnlyBox *>(widget()); }
    int clamped(int offset) const { return qBound(0, offset, characterCount()); }
    QTextCursor cursorAt(int offset) const
    {
        QTextCursor cursor(box()->document());
        cursor.setPosition(clamped(offset));
        return cursor;
    }
};

// The status notice is a notification whose name is what it says.
class NoticeAccessible : public QAccessibleWidget
{
public:
    explicit NoticeAccessible(StatusNotice *notice)
        : QAccessibleWidget(notice, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name)
            return static_cast<StatusNotice *>(widget())->text();
        return QAccessibleWidget::text(type);
    }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(StatusNotice::staticMetaObject.className()))
        return new NoticeAccessible(static_cast<StatusNotice *>(object));
    if (className == QLatin1String(ReadOnlyBox::staticMetaObject.className()))
        return new ReadOnlyTextAccessible(static_cast<ReadOnlyBox *>(object));
    // A plain top-level widget is otherwise announced as a "client" area
    // (AT-SPI "filler"); its title names it.
    auto *widget = qobject_cast<QWidget *>(object);
    if (className == QLatin1String("QWidget") && widget && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    QAccessible::installFactory(accessibleFor);
}

} // namespace zerkovan
