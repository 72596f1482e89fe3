#include "textbox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace zerkovan {

std::string TextOf(const QWidget *textBox)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(textBox))
        return line->text().toStdString();
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(textBox)) {
        QString text = box->toPlainText();
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        return text.toStdString();
    }
    Q_ASSERT_X(false, "TextOf", "not a text box");
    return {};
}

void AssignText(QWidget *textBox, std::string_view text)
{
    const QString qtext = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (auto *line = qobject_cast<QLineEdit *>(textBox)) {
        line->setText(qtext);
        line->setCursorPosition(0);
    } else if (auto *box = qobject_cast<QPlainTextEdit *>(textBox)) {
        box->setPlainText(qtext);
        box->moveCursor(QTextCursor::Start);
        box->verticalScrollBar()->setValue(0);
    } else {
        Q_ASSERT_X(false, "AssignText", "not a text box");
    }
}

} // namespace zerkovan
