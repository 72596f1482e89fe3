// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "statusnotice.h"

namespace zerkovan {

StatusNotice::StatusNotice(QWidget *parent)
    : QLabel(parent)
{
    setGeometry(0, 0, 0, 0);
    hide();
}

void StatusNotice::say(const QString &text)
{
    hide();
    setText(text);
    show();
}

void StatusNotice::clear()
{
    hide();
    setText({});
}

} // namespace zerkovan
