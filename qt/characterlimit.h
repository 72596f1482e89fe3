// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The input rule of a one-line box that takes a few characters: typed,
// pasted, dropped or set by an assistive tool, the box ends up holding one
// line of at most `limit` characters as a person counts them.
#pragma once

#include "inputrule.h"

#include <QString>
#include <QValidator>

class QLineEdit;

namespace zerkovan {

// Where each character of `text` starts, as Qt counts characters
// (Unicode's grapheme clusters), and its end.
std::vector<std::size_t> GraphemeBoundariesOf(std::u16string_view text);

class CharacterLimit : public QValidator
{
    Q_OBJECT

public:
    // Becomes box's validator and follows its text, so that it can tell what
    // each edit inserted, wherever the edit leaves the cursor.
    CharacterLimit(int limit, QLineEdit *box);

    // Admits the edit as AdmitEdit (inputrule.h) says. Never rejects: every
    // path into the box, including one that cannot be undone, gets the
    // mended text.
    State validate(QString &text, int &cursor) const override;

private:
    int m_limit;
    QString m_held; // the box's text before the edit under validation
};

} // namespace zerkovan
