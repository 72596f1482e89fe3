// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Writes the service worker into the built site: every file the site serves,
// the scripts' and the module's with their SHA-256 (the page as the site's
// address, './'), the files kept
// at once, and a version made from all of them, so that a change to any
// file the site serves makes a new release. It is minified, as the page's
// scripts are.
//   usage: node makeserviceworker.mjs TEMPLATE SITE_FOLDER AT_ONCE_LIST
// AT_ONCE_LIST names the files kept at once, one a line (web/kept-at-once.txt).
import { transformSync } from 'esbuild';
import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join, relative, sep } from 'node:path';

const [template, site, atOnceList] = process.argv.slice(2);
if (!template || !site || !atOnceList) {
    console.error('usage: node makeserviceworker.mjs TEMPLATE SITE_FOLDER AT_ONCE_LIST');
    process.exit(2);
}
const keptAtOnce = (list) => readFileSync(list, 'utf8').split('\n').map((line) => line.trim())
    .filter((line) => line && !line.startsWith('#'));
const atOnce = keptAtOnce(atOnceList);
const integrity = (file) => `sha256-${createHash('sha256').update(readFileSync(join(site, file))).digest('base64')}`;
const served = readdirSync(site, { recursive: true, withFileTypes: true })
    .filter((entry) => entry.isFile())
    .map((entry) => relative(site, join(entry.parentPath ?? entry.path, entry.name)).split(sep).join('/'))
    .filter((file) => file !== 'sw.js')
    .sort();
// The scripts and the module must be this release's, byte for byte: a page
// never runs another release's code. Everything else (the page, icons, the
// manifest, the style sheet and its font, the terms and notices) is taken
// as the host sends it, since hosts rewrite such files (auto-minify, image
// optimisers); were it held to its hash, such a host would leave the site
// with no offline use at all.
const mustMatch = (file) => /\.(js|wasm)$/.test(file);
const hashes = Object.fromEntries(served.map((file) => [file === 'index.html' ? './' : file, integrity(file)]));
const release = Object.fromEntries(Object.entries(hashes).map(([file, hash]) => [file, mustMatch(file) ? hash : '']));
for (const file of atOnce) {
    if (!Object.hasOwn(release, file)) throw new Error(`${file} is not in the site`);
}
const version = createHash('sha256').update(JSON.stringify(hashes)).digest('hex').slice(0, 16);

const fill = (text, placeholder, value) => {
    if (!text.includes(placeholder)) throw new Error(`no ${placeholder} in the template`);
    return text.replace(placeholder, () => value);
};
let worker = readFileSync(template, 'utf8');
worker = fill(worker, '{{Version}}', version);
worker = fill(worker, '/* {{Release}} */ {}', JSON.stringify(release, null, 4));
worker = fill(worker, '/* {{AtOnce}} */ []', JSON.stringify(['./', ...atOnce]));
writeFileSync(join(site, 'sw.js'), transformSync(worker, { minify: true, charset: 'utf8' }).code);
