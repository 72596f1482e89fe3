// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "characterlimit.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <vector>

namespace zerkovan {

namespace {

bool isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case u'\v':
    case u'\f':
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

// An edit replaces `removed` characters of the old text at `start` with
// `inserted` characters: new = old[0, start) + inserted + old[start + removed, end).
struct Edit
{
    qsizetype start = 0;
    qsizetype inserted = 0;
    qsizetype removed = 0;
};

bool editFits(const QString &before, const QString &after, const Edit &edit)
{
    return edit.start >= 0 &&
           QStringView(after).left(edit.start) == QStringView(before).left(edit.start) &&
           QStringView(after).mid(edit.start + edit.inserted) ==
               QStringView(before).mid(edit.start + edit.removed);
}

// The smallest edit that turns before into after. Inside a run of equal
// characters it could stand in several places; typing and pasting leave the
// cursor at the end of what they inserted, so the place that ends at the
// cursor is taken when it fits. An assistive tool sets the whole text and
// leaves the cursor at its end, where the first difference is taken.
Edit editBetween(const QString &before, const QString &after, qsizetype cursor)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    Edit edit{prefix, after.size() - prefix - suffix, before.size() - prefix - suffix};
    Edit atCursor = edit;
    atCursor.start = cursor - edit.inserted;
    if (atCursor.start < edit.start && editFits(before, after, atCursor))
        return atCursor;
    return edit;
}

QString withoutControlCharacters(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            kept += c;
    }
    return kept;
}

// Where each user-perceived character (grapheme cluster) starts; the last
// entry is the end of the text, which is always a boundary.
std::vector<qsizetype> graphemeBoundaries(const QString &text)
{
    std::vector<qsizetype> boundaries{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    while (finder.toNextBoundary() > 0)
        boundaries.push_back(finder.position());
    return boundaries;
}

qsizetype graphemeCount(const QString &text)
{
    return qsizetype(graphemeBoundaries(text).size()) - 1;
}

} // namespace

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
    const Edit edit = editBetween(m_held, text, std::clamp<qsizetype>(cursor, 0, text.size()));
    QStringView inserted = QStringView(text).mid(edit.start, edit.inserted);
    if (const auto lineBreak = std::find_if(inserted.begin(), inserted.end(), isLineBreak);
        lineBreak != inserted.end())
        inserted = inserted.left(lineBreak - inserted.begin());
    const QString kept = withoutControlCharacters(inserted);
    const QString before = text.left(edit.start);
    const QString after = text.mid(edit.start + edit.inserted);

    // Whole characters of the insertion, as many as fit.
    const std::vector<qsizetype> bounds = graphemeBoundaries(kept);
    auto count = qsizetype(bounds.size()) - 1;
    QString mended;
    for (;; --count) {
        mended = before + kept.left(bounds[std::size_t(count)]) + after;
        if (count == 0 || graphemeCount(mended) <= m_limit)
            break;
    }
    cursor = int(edit.start + bounds[std::size_t(count)]);
    // Only a box that held too much before the edit is still over.
    if (graphemeCount(mended) > m_limit) {
        mended.truncate(graphemeBoundaries(mended)[std::size_t(m_limit)]);
        cursor = std::min(cursor, int(mended.size()));
    }
    text = mended;
    return Acceptable;
}

} // namespace zerkovan
