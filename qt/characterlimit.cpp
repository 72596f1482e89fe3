// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "characterlimit.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace zerkovan {

std::vector<std::size_t> GraphemeBoundariesOf(std::u16string_view text)
{
    std::vector<std::size_t> boundaries{0};
    const QString string = QString::fromUtf16(text.data(), qsizetype(text.size()));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, string);
    while (finder.toNextBoundary() > 0)
        boundaries.push_back(std::size_t(finder.position()));
    if (boundaries.back() != text.size())
        boundaries.push_back(text.size());
    return boundaries;
}

CharacterLimit::CharacterLimit(int limit, QLineEdit *box)
    : QValidator(box),
      m_limit(limit),
      m_held(box->text())
{
    box->setValidator(this);
    // Every change of the box's text has passed validate() first.
    connect(box, &QLineEdit::textChanged, this, [this](const QString &text) { m_held = text; });
}

QValidator::State CharacterLimit::validate(QString &text, int &cursor) const
{
    const AdmittedEdit admitted =
        AdmitEdit(AsUtf16(m_held), AsUtf16(text), std::size_t(std::max(cursor, 0)), m_limit,
                  GraphemeBoundariesOf);
    text = QString::fromUtf16(admitted.text.data(), qsizetype(admitted.text.size()));
    cursor = int(admitted.cursor);
    return Acceptable;
}

} // namespace zerkovan
