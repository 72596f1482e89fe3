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

void StatusNotice::say(std::string_view text)
{
    hide();
    setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
    show();
}

void StatusNotice::clear()
{
    hide();
    setText({});
}

} // namespace zerkovan
