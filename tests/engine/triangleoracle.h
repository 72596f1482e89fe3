// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// An independent account of the triangle, for checking the engine against.
#pragma once

#include <QString>
#include <QStringList>

namespace oracle {

// Row n: k * (n - k + 1) for k = 1..n, joined by blanks.
inline QString row(int n)
{
    QStringList entries;
    for (int k = 1; k <= n; ++k)
        entries << QString::number(k * (n - k + 1));
    return entries.join(QLatin1Char(' '));
}

// The first row holding n: the least x + y - 1 over n = x * y; 0 if none.
inline int firstRowHolding(int n)
{
    int best = 0;
    for (int x = 1; x <= n; ++x) {
        if (n % x == 0 && (best == 0 || x + n / x - 1 < best))
            best = x + n / x - 1;
    }
    return best;
}

} // namespace oracle
