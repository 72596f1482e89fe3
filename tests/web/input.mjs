// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The input box's rule in a browser, however a text comes in, with and
// without the browser's grapheme segmenter; and the decimal separator under
// every language tag a browser may report.
import { Unsupported } from './engines.mjs';
import { check, setting, Visit, visiting, WorkedExample } from './visit.mjs';

const { engine } = setting;
// What a paste or a drop leaves in an empty input box.
const InsertRows = [['123', '12'], ['1😀😀', '1😀'], ['9\n9', '9'], ['e\u0301xy', 'e\u0301x'],
    ['\n5', ''], ['1\u0007\u00072', '12'], ['🇧🇬🇧🇬x', '🇧🇬🇧🇬'], ['👩‍👩‍👧👍🏽x', '👩‍👩‍👧👍🏽'],
    ['กำกำx', 'กำกำ'], ['क्ab', 'क्a']];


// Copied from a box of the page with the keyboard, pasted into the
// emptied input box with the keyboard.
export async function paste(visit, text) {
    await visit.js((text) => {
        const source = document.getElementById('Text1_0');
        source.value = text;
        source.focus();
        source.setSelectionRange(0, text.length);
    }, text);
    await visit.browser.keys('Control+c');
    await visit.browser.click('#Command1_1');
    await visit.browser.click('#Text2_0');
    await visit.browser.keys('Control+v');
    return visit.value('Text2_0');
}

// Dropped onto the emptied input box: a real drop where the automation
// has one (Chromium's), else the events a browser sends for one, with
// the line breaks turned into blanks as browsers insert them.
export async function drop(visit, text) {
    await visit.browser.click('#Command1_1');
    const box = await visit.rect('Text2_0');
    const at = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
    try {
        const data = { items: [{ mimeType: 'text/plain', data: text }], dragOperationsMask: 1 };
        for (const type of ['dragEnter', 'dragOver', 'drop']) {
            await visit.browser.devtools('Input.dispatchDragEvent', { type, ...at, data });
        }
    } catch (error) {
        if (!(error instanceof Unsupported)) throw error;
        await visit.js((text) => {
            const box = document.getElementById('Text2_0');
            const dataTransfer = new DataTransfer();
            dataTransfer.setData('text/plain', text);
            box.dispatchEvent(new DragEvent('drop', { dataTransfer, bubbles: true, cancelable: true }));
            box.value = text.replace(/\n/g, ' ');
            box.dispatchEvent(new InputEvent('input', { inputType: 'insertFromDrop', bubbles: true }));
        }, text);
    }
    return visit.value('Text2_0');
}


export async function insertions(visit, how) {
    const statement = await visit.value('Text1_0');
    for (const [text, kept] of InsertRows) {
        const got = await paste(visit, text);
        check(`${how}pasting ${JSON.stringify(text)} keeps ${JSON.stringify(kept)}`, got === kept, got);
    }
    for (const [text, kept] of [['9\n9', '9'], ['\n5', ''], ['1\u0007\u00072', '12']]) {
        const got = await drop(visit, text);
        check(`${how}dropping ${JSON.stringify(text)} keeps ${JSON.stringify(kept)}`, got === kept, got);
    }
    await visit.js((text) => { document.getElementById('Text1_0').value = text; }, statement);
}

export async function separator(language, expected) {
    const visit = await Visit.open({ language });
    const shown = await visit.display('.5');
    check(`with the browser in ${JSON.stringify(language)}, .5 is written ${expected}`,
        shown === `Числото ${expected} не се среща в триъгълника`, shown);
    await visit.close();
}


// Where the browser has no Intl.Segmenter (Firefox before 125), the page
// loads unicode-segmenter's rules, and the same rows hold.
export async function withoutSegmenter() {
    await visiting('without Intl.Segmenter', { preload: 'delete Intl.Segmenter;' }, async (visit, what) => {
        check(`${what} (Firefox before 125): the page has none`, await visit.js(() => typeof Intl.Segmenter) === 'undefined');
        check(`${what}, the page loads Unicode's grapheme rules`,
            await visit.wait(() => visit.js(() => typeof zerkovanGraphemes === 'function')));
        await insertions(visit, `${what}, `);
        check(`${what}, 4 gives the worked example`, await visit.display('4') === WorkedExample);
    });
}

// Language tags a browser may report, and the separator the desktop shows
// under a locale of that name. WebKitGTK reports "C" itself under the C
// locale.
export async function languageTags() {
    for (const [tag, point] of [['C', '.'], ['', '.'], ['bg_BG.UTF-8', ','], ['en-!!', '.']]) {
        const options = engine === 'webkit' && tag === 'C' ? { language: 'C' } : { preload: `
            Object.defineProperty(Navigator.prototype, 'language', { get: () => ${JSON.stringify(tag)} });
            Object.defineProperty(Navigator.prototype, 'languages', { get: () => [${JSON.stringify(tag)}] });` };
        await visiting(`with the language tag ${JSON.stringify(tag)}`, options, async (visit, what) => {
            check(`${what}: the browser reports it`, await visit.js(() => navigator.language) === tag);
            check(`${what}, 4 gives the worked example`, await visit.display('4') === WorkedExample);
            check(`${what}, .5 is written 0${point}5, as on the desktop in that locale`,
                await visit.display('.5') === `Числото 0${point}5 не се среща в триъгълника`);
        });
    }
}
