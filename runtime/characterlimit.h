// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The input rule of a one-line box that takes a few characters: typed,
// pasted, dropped or set by an assistive tool, the box ends up holding one
// line of at most `limit` characters as a person counts them.
#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace zerkovan {

class CharacterLimit : public QValidator
{
    Q_OBJECT

public:
    // Becomes box's validator and follows its text, so that it can tell what
    // each edit inserted, wherever the edit leaves the cursor.
    CharacterLimit(int limit, QLineEdit *box);

    // Of what the edit inserted it keeps the part before the first line break,
    // without control characters, and then as many whole user-perceived
    // characters as fit beside what the box already held. An edit that would
    // add a character to a full box thus leaves it as it was, and the cursor
    // ends after what was kept of the insertion. Never rejects: every path into
    // the box, including one that cannot be undone, gets the mended text.
    State validate(QString &text, int &cursor) const override;

private:
    int m_limit;
    QString m_held; // the box's text before the edit under validation
};

} // namespace zerkovan
