// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "textbox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace zerkovan {

// Every text box is a one-line QLineEdit or a QPlainTextEdit.

std::string TextOf(const QWidget *textBox)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(textBox))
        return line->text().toStdString();
    const auto *box = qobject_cast<const QPlainTextEdit *>(textBox);
    Q_ASSERT_X(box, "TextOf", "not a text box");
    QString text = box->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text.toStdString();
}

void AssignText(QWidget *textBox, std::string_view text)
{
    const QString qtext = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (auto *line = qobject_cast<QLineEdit *>(textBox)) {
        line->setText(qtext);
        line->setCursorPosition(0);
        return;
    }
    auto *box = qobject_cast<QPlainTextEdit *>(textBox);
    Q_ASSERT_X(box, "AssignText", "not a text box");
    box->setPlainText(qtext);
    box->moveCursor(QTextCursor::Start);
    box->verticalScrollBar()->setValue(0);
}

} // namespace zerkovan
