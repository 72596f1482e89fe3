// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What the built page uses that no linter of scripts or style sheets reads:
// its elements and attributes, link types and meta names, its security
// policy and its manifest, looked up in MDN's compatibility data for the
// oldest version of every browser of the baseline (the browserslist query
// in package.json). A feature some of them lack is named below with the
// fallback that keeps the page working there; any other fails.
//   usage: node check-baseline.mjs SITE_FOLDER
import bcd from '@mdn/browser-compat-data' with { type: 'json' };
import browserslist from 'browserslist';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';

const Fallbacks = {
    'http.headers.Content-Security-Policy.script-src.wasm-unsafe-eval':
        'where the policy refuses the module (Safari before 16), the engine translated to JavaScript runs',
    'http.headers.Content-Security-Policy.worker-src': "default-src 'self' admits the service worker there",
    'html.elements.link.rel.icon': 'iOS takes the apple-touch-icon instead',
    'html.elements.link.rel.manifest': 'where a browser installs no web apps, the page stays a page',
    'manifests.webapp.*': 'where a browser installs no web apps, the page stays a page',
    'html.elements.meta.name.viewport': 'a desktop browser lays the page out at its window\'s width anyway',
    'html.elements.meta.name.theme-color': 'only the colour of the browser\'s own bar, where it has one',
    'html.global_attributes.autocapitalize': 'only a hint to an on-screen keyboard; the box takes digits',
    'html.global_attributes.autofocus': 'iOS focuses nothing until a tap, so that no keyboard opens by itself',
};
const fallbackOf = (path) => Fallbacks[path] ?? Fallbacks[`${path.slice(0, path.lastIndexOf('.'))}.*`];
const BcdNames = { chrome: 'chrome', edge: 'edge', firefox: 'firefox', safari: 'safari', ios_saf: 'safari_ios',
    and_chr: 'chrome_android', and_ff: 'firefox_android', samsung: 'samsunginternet_android', opera: 'opera' };

const site = process.argv[2];
const oldest = {};
for (const entry of browserslist()) {
    const [name, version] = entry.split(' ');
    const number = parseFloat(version.split('-')[0]);
    if (!(BcdNames[name] in oldest) || number < oldest[BcdNames[name]]) oldest[BcdNames[name]] = number;
}

// The features, as paths into the compatibility data.
// Comments are no markup (the page opens with its licence's).
const page = readFileSync(join(site, 'index.html'), 'utf8').replace(/<!--[\s\S]*?-->/g, '');
const features = new Set();
const at = (path) => path.split('.').reduce((node, key) => node?.[key], bcd);
for (const [, tag, attributes] of page.matchAll(/<([a-z][a-z0-9]*)\b([^>]*)>/g)) {
    features.add(`html.elements.${tag}`);
    for (const [, name, value] of attributes.matchAll(/([a-z-]+)(?:="([^"]*)")?/g)) {
        if (name.startsWith('aria-') || ['id', 'class', 'role'].includes(name)) continue;
        if (name.startsWith('data-')) features.add('html.global_attributes.data_attributes');
        else if (tag === 'input' && name === 'type') features.add(`html.elements.input.type_${value}`);
        else if (at(`html.elements.${tag}.${name}`)) features.add(`html.elements.${tag}.${name}`);
        else if (at(`html.global_attributes.${name}`)) features.add(`html.global_attributes.${name}`);
        if (tag === 'link' && name === 'rel' && at(`html.elements.link.rel.${value}`)) features.add(`html.elements.link.rel.${value}`);
        if (tag === 'meta' && name === 'name' && at(`html.elements.meta.name.${value}`)) features.add(`html.elements.meta.name.${value}`);
    }
}
const policy = page.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)[1];
const csp = 'http.headers.Content-Security-Policy';
features.add(`${csp}.meta-element-support`);
for (const directive of policy.split(';').map((part) => part.trim().split(/\s+/))) {
    features.add(`${csp}.${directive[0]}`);
    for (const source of directive.slice(1)) {
        const keyword = source.replace(/'/g, '');
        if (at(`${csp}.${directive[0]}.${keyword}`)) features.add(`${csp}.${directive[0]}.${keyword}`);
    }
}
for (const member of Object.keys(JSON.parse(readFileSync(join(site, 'manifest.json'), 'utf8')))) {
    if (at(`manifests.webapp.${member}`)) features.add(`manifests.webapp.${member}`);
}

// The oldest version of each browser that lacks a feature.
function lacking(path) {
    const support = at(path)?.__compat?.support ?? {};
    return Object.entries(oldest).filter(([browser, version]) => {
        const statements = [support[browser] ?? { version_added: false }].flat()
            .filter((s) => !s.flags && !s.prefix && !s.alternative_name && !s.partial_implementation);
        return !statements.some((s) => {
            const added = typeof s.version_added === 'string' ? parseFloat(s.version_added.replace('≤', '')) : NaN;
            const removed = typeof s.version_removed === 'string' ? parseFloat(s.version_removed) : Infinity;
            return (s.version_added === true || added <= version) && removed > version;
        });
    }).map(([browser, version]) => `${browser} ${version}`);
}

let failures = 0;
for (const path of [...features].sort()) {
    const gaps = lacking(path);
    const fallback = fallbackOf(path);
    if (gaps.length === 0 && !(path in Fallbacks)) continue;
    if (gaps.length > 0 && fallback) {
        console.log(`PASS: ${path}, which ${gaps.join(', ')} lack: ${fallback}`);
    } else if (gaps.length > 0) {
        console.log(`FAIL: ${path} is missing in ${gaps.join(', ')}, and the page has no fallback for it`);
        failures += 1;
    } else {
        console.log(`FAIL: ${path} is named as a fallback, but every baseline browser has it`);
        failures += 1;
    }
}
console.log(`${features.size - failures} passed, ${failures} failed: the page's markup, policy and manifest ` +
    `against ${Object.entries(oldest).map((e) => e.join(' ')).join(', ')}`);
process.exit(failures === 0 ? 0 : 1);
