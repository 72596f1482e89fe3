// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Unicode's grapheme cluster rules from unicode-segmenter, built into a
// classic script of their own (graphemes.js) that the page loads only where
// the browser has no Intl.Segmenter.
import { splitGraphemes } from 'unicode-segmenter/grapheme';

globalThis.zerkovanGraphemes = splitGraphemes;
