// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Writes the single-file edition from the built site: the same page with its
// style sheet, font, icon and scripts inside, the engine translated to
// JavaScript among them, so that the one file works wherever it is opened
// (from a disk, an e-mail, a learning platform, any host) and asks for
// nothing but its own address and data: URLs. Its security policy admits
// exactly its inline script and style sheet, by their hashes. It carries
// the program's terms and the notices of other people's work it holds.
//   usage: node makesinglefile.mjs SITE_FOLDER OUTPUT_FILE
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [site, output] = process.argv.slice(2);
if (!site || !output) {
    console.error('usage: node makesinglefile.mjs SITE_FOLDER OUTPUT_FILE');
    process.exit(2);
}
const read = (name) => readFileSync(join(site, name));
const dataUrl = (name, type) => `data:${type};base64,${read(name).toString('base64')}`;
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;

// Replaces exactly one occurrence, so that a change to the page cannot slip
// past unnoticed.
function replaceOnce(text, from, to) {
    const at = text.indexOf(from);
    if (at < 0 || text.indexOf(from, at + 1) >= 0) throw new Error(`not once in the page: ${from}`);
    return text.slice(0, at) + to + text.slice(at + from.length);
}

const style = replaceOnce(read('style.css').toString('utf8'), 'url(zerkovan-serif.woff2)',
    `url("${dataUrl('zerkovan-serif.woff2', 'font/woff2')}")`);
// The grapheme rules and the translated engine first: the page finds them
// in place of loading them.
const script = ['graphemes.js', 'zerkovan.wasm.js', 'zerkovan.js'].map((name) => read(name).toString('utf8')).join('\n');
if (/<\/(script|style)/i.test(script + style)) throw new Error('the inline script or style would end early');

let page = read('index.html').toString('utf8');
page = replaceOnce(page, '<html lang="bg">', '<html lang="bg" data-edition="single-file">');
page = page.replace(/content="default-src [^"]*"/, `content="default-src 'none'; script-src ${hash(script)}; ` +
    `style-src ${hash(style)}; img-src data:; font-src data:; object-src 'none'; base-uri 'none'; form-action 'none'"`);
page = replaceOnce(page, '<link rel="stylesheet" href="style.css">', `<style>${style}</style>`);
// Nothing to install: no manifest, no home-screen icon.
page = replaceOnce(page, '<link rel="manifest" href="manifest.json">\n', '');
page = replaceOnce(page, '<link rel="apple-touch-icon" href="apple-touch-icon.png">\n', '');
page = replaceOnce(page, 'href="zerkovan.svg"', `href="${dataUrl('zerkovan.svg', 'image/svg+xml')}"`);
// Run where the site's deferred script runs: once the page is parsed.
page = replaceOnce(page, '<script src="zerkovan.js" defer></script>\n', '');
page = replaceOnce(page, '</body>', `<script>${script}</script>\n</body>`);
if (/(src|href)="(?!data:)/.test(page)) throw new Error('the page still asks for another file');
// The program's terms and the notices of what it carries, which a single
// file cannot put beside itself, as a comment right after the character
// set: a browser looks for that in the first 1024 bytes, and guesses (or,
// in Firefox, loads the page again) when it comes later.
const notices = ['LICENSE.txt', 'NOTICES.txt'].map((name) => read(name).toString('utf8')).join('\n');
if (notices.includes('-->')) throw new Error('the notices would end their comment early');
page = replaceOnce(page, '<meta charset="utf-8">\n', `<meta charset="utf-8">\n<!--\n${notices}-->\n`);
writeFileSync(output, page);
