#include "characterlimit.h"

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

qsizetype firstLineBreak(const QString &text, qsizetype from = 0)
{
    const auto at = std::find_if(text.cbegin() + from, text.cend(), isLineBreak);
    return at == text.cend() ? -1 : at - text.cbegin();
}

// The box holds one line and held no break before this edit, so every break
// lies in the text just inserted, which ends at the cursor. Keeps what came
// before the first break and what stood after the insertion.
void cutAtLineBreak(QString &text, int &cursor)
{
    const qsizetype cut = firstLineBreak(text);
    if (cut < 0)
        return;
    QString tail = text.mid(std::max<qsizetype>(cursor, cut));
    if (const qsizetype tailBreak = firstLineBreak(tail); tailBreak >= 0)
        tail.truncate(tailBreak);
    text.truncate(cut);
    text += tail;
    cursor = int(std::min<qsizetype>(cursor, cut));
}

void dropControlCharacters(QString &text, int &cursor)
{
    QString kept;
    kept.reserve(text.size());
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].category() == QChar::Other_Control)
            continue;
        kept += text[i];
        if (i < cursor)
            ++keptBeforeCursor;
    }
    text = kept;
    cursor = keptBeforeCursor;
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

} // namespace

CharacterLimit::CharacterLimit(int limit, QObject *parent)
    : QValidator(parent),
      m_limit(limit)
{
}

QValidator::State CharacterLimit::validate(QString &text, int &cursor) const
{
    cursor = std::clamp(cursor, 0, int(text.size()));
    cutAtLineBreak(text, cursor);
    dropControlCharacters(text, cursor);

    const std::vector<qsizetype> bounds = graphemeBoundaries(text);
    const auto count = qsizetype(bounds.size()) - 1;
    qsizetype excess = count - m_limit;
    if (excess <= 0)
        return Acceptable;

    // Characters that end at or before the cursor were the ones inserted.
    const auto beforeCursor =
        qsizetype(std::upper_bound(bounds.begin() + 1, bounds.end(), qsizetype(cursor)) -
                  bounds.begin()) -
        1;
    const qsizetype fromBefore = std::min(excess, beforeCursor);
    const qsizetype removeFrom = bounds[std::size_t(beforeCursor - fromBefore)];
    const qsizetype removeTo = bounds[std::size_t(beforeCursor)];
    excess -= fromBefore;
    const qsizetype keepAtEnd = bounds[std::size_t(count - excess)];

    text = text.left(removeFrom) + text.mid(removeTo, keepAtEnd - removeTo);
    cursor = int(removeFrom);
    return Acceptable;
}

} // namespace zerkovan
