// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The input box's rule, as on the desktop: however a text comes in (typed,
// pasted, dropped, autofilled, set by an assistive tool), the box holds one
// line of at most `limit` characters as a person counts them. Of what an edit
// inserted it keeps the part before the first line break, without control
// characters, and as many whole characters as fit beside what the box held;
// a character typed into a full box is refused.

const lineBreak = /[\n\r\v\f\u0085\u2028\u2029]/u;
const controlCharacters = /\p{Cc}/gu;

// Characters as a person counts them, Unicode's grapheme clusters: by the
// browser's segmenter, or where it has none (Firefox before 125) by the
// unicode-segmenter library, which the page loads only then
// (useGraphemeSplitter). Until it has come, code points stand in.
// eslint-disable-next-line compat/compat -- looked for first; without it, the library
const segmenter = typeof Intl.Segmenter === 'function' ? new Intl.Segmenter(undefined, { granularity: 'grapheme' }) : null;
export const hasSegmenter = segmenter !== null;
let splitGraphemes = (text) => text;
export function useGraphemeSplitter(split) {
    splitGraphemes = split;
}
const characters = segmenter
    ? (text) => Array.from(segmenter.segment(text), (part) => part.segment)
    : (text) => Array.from(splitGraphemes(text));

// The smallest edit that turns `before` into `after`: at `start`, `inserted`
// characters in place of `removed`. Within a run of equal characters it could
// stand in several places; typing and pasting leave the caret after what they
// inserted, so the place that ends at the caret is taken when it fits.
function editBetween(before, after, caret) {
    const shorter = Math.min(before.length, after.length);
    let prefix = 0;
    while (prefix < shorter && before[prefix] === after[prefix]) prefix += 1;
    let suffix = 0;
    while (suffix < shorter - prefix && before.at(-1 - suffix) === after.at(-1 - suffix)) suffix += 1;
    const inserted = after.length - prefix - suffix;
    const removed = before.length - prefix - suffix;
    const atCaret = caret - inserted;
    const fits = (start) =>
        start >= 0 &&
        after.slice(0, start) === before.slice(0, start) &&
        after.slice(start + inserted) === before.slice(start + removed);
    return { start: atCaret < prefix && fits(atCaret) ? atCaret : prefix, inserted };
}

// The text the box holds after an edit from `before` to `after`, and where
// the caret goes.
export function mended(before, after, caret, limit) {
    const edit = editBetween(before, after, caret);
    let inserted = after.slice(edit.start, edit.start + edit.inserted);
    const cut = inserted.search(lineBreak);
    if (cut >= 0) inserted = inserted.slice(0, cut);
    const pieces = characters(inserted.replace(controlCharacters, ''));
    const head = after.slice(0, edit.start);
    const tail = after.slice(edit.start + edit.inserted);
    for (let count = pieces.length; ; count -= 1) {
        const kept = pieces.slice(0, count).join('');
        const text = head + kept + tail;
        if (characters(text).length <= limit) return { text, caret: head.length + kept.length };
        // Only a box that held too much before the edit is still over.
        if (count === 0) {
            const cutText = characters(text).slice(0, limit).join('');
            return { text: cutText, caret: Math.min(head.length, cutText.length) };
        }
    }
}

// Holds `box` to the rule. An input method's composition is left alone
// until it ends. A browser turns the line breaks of a pasted or dropped text
// into blanks before any script sees the box's value, so the rule reads what
// was pasted or dropped as it came. Returns the way for the page to set the
// box's text.
export function keepToRule(box, limit) {
    let held = box.value;
    let pasted = null;
    const apply = (raw) => {
        let after = box.value;
        let caret = box.selectionEnd ?? after.length;
        if (raw !== null) {
            const edit = editBetween(held, after, caret);
            after = after.slice(0, edit.start) + raw + after.slice(edit.start + edit.inserted);
            caret = edit.start + raw.length;
        }
        if (after === held) return;
        const mend = mended(held, after, caret, limit);
        if (mend.text !== box.value) {
            box.value = mend.text;
            box.setSelectionRange(mend.caret, mend.caret);
        }
        held = mend.text;
    };
    // What the box holds as an edit begins, even if a script changed it quietly.
    box.addEventListener('beforeinput', (event) => {
        if (!event.isComposing && event.inputType !== 'insertCompositionText') held = box.value;
    });
    box.addEventListener('paste', (event) => {
        pasted = event.clipboardData?.getData('text/plain') ?? null;
    });
    box.addEventListener('drop', (event) => {
        pasted = event.dataTransfer?.getData('text/plain') ?? null;
    });
    box.addEventListener('input', (event) => {
        if (event.isComposing) return;
        const fromOutside = event.inputType === 'insertFromPaste' || event.inputType === 'insertFromDrop';
        apply(fromOutside ? pasted : null);
        pasted = null;
    });
    box.addEventListener('compositionend', () => apply(null));
    return (text) => {
        box.value = text;
        held = text;
    };
}
