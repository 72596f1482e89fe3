// The input rule of a one-line box that takes a few characters: typed,
// pasted, dropped or set by an assistive tool, the box ends up holding one
// line of at most `limit` characters as a person counts them.
#pragma once

#include <QValidator>

namespace zerkovan {

class CharacterLimit : public QValidator
{
    Q_OBJECT

public:
    CharacterLimit(int limit, QObject *parent);

    // Keeps the text before the first line break (and what stood after the
    // cursor, which the box held before the edit), drops control characters,
    // and, when more than `limit` user-perceived characters remain, drops
    // whole ones from what was just inserted: the characters before the
    // cursor first, then from the end. An edit that would add a character to
    // a full box so leaves it as it was. Never rejects: every path into the
    // box, including one that cannot be undone, gets the mended text.
    State validate(QString &text, int &cursor) const override;

private:
    int m_limit;
};

} // namespace zerkovan
