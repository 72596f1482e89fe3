// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The page's input rule against the rows every front end meets
// (tests/window/inputrule.json): each types, pastes or replaces a text in a
// box and says what stays and where the caret ends.
// The limit is the one the page was made with.
//   usage: node check-inputrule.mjs SITE
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { mended } from '../../web/inputrule.js';

const page = await readFile(join(process.argv[2], 'index.html'), 'utf8');
const limit = Number(/ data-limit="(\d+)"/.exec(page)?.[1]);
const rows = JSON.parse(await readFile(new URL('../window/inputrule.json', import.meta.url), 'utf8'));
let failed = 0;
for (const row of rows) {
    const [start, end] = row.select;
    const after = row.before.slice(0, start) + row.inserted + row.before.slice(end);
    const { text, caret } = mended(row.before, after, start + row.inserted.length, limit);
    const passed = text === row.text && caret === row.cursor;
    if (!passed) failed += 1;
    console.log(`${passed ? 'PASS' : 'FAIL'}: ${row.name}: ${JSON.stringify(text)}, caret ${caret}` +
        (passed ? '' : `; wanted ${JSON.stringify(row.text)}, caret ${row.cursor}`));
}
console.log(`${rows.length - failed} passed, ${failed} failed`);
process.exitCode = failed === 0 && rows.length > 0 ? 0 : 1;
