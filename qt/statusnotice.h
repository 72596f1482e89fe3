// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What a screen reader says after a click without moving the focus: the
// verdict, on the desktop as a web page's status region says it. Each
// platform's way is here. Unseen (it has no size) and out of the tab order,
// it is a notification to assistive tools, which Orca reads out as it is
// shown; say() shows it anew each time, so that the same verdict twice is
// told twice.
#pragma once

#include <QLabel>
#include <string_view>

namespace zerkovan {

class StatusNotice : public QLabel
{
    Q_OBJECT

public:
    explicit StatusNotice(QWidget *parent);

    // `text` is UTF-8.
    void say(std::string_view text);
    void clear();
};

} // namespace zerkovan
