// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The decimal separator of the user's number format. The desktop program
// takes it from the system's locale; the page takes the browser's first
// language, read as the desktop would read a locale of that name: a POSIX
// name such as "bg_BG.UTF-8" names Bulgarian, and a tag that names no
// locale ("C", "POSIX", an empty or malformed one, one no browser knows)
// gives the C locale's point.
export function decimalSeparatorFor(tag) {
    const name = String(tag ?? '')
        .split(/[.@]/)[0]
        .replace(/_/g, '-');
    let locale;
    try {
        [locale] = Intl.NumberFormat.supportedLocalesOf(name);
    } catch {
        return '.';
    }
    if (!locale) return '.';
    const parts = new Intl.NumberFormat(locale).formatToParts(0.5);
    return parts.find((part) => part.type === 'decimal')?.value ?? '.';
}
