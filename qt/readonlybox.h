// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// A text box the user reads, scrolls, selects and copies from, but does not
// edit: not by keyboard, not by mouse, not through an assistive tool. The
// program still assigns its text.
#pragma once

#include <QPlainTextEdit>

namespace zerkovan {

class ReadOnlyBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ReadOnlyBox(QWidget *parent);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void inputMethodEvent(QInputMethodEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace zerkovan
