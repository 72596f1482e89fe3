// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The web edition's speed: what a first visit transfers, the click on
// «Изведи» with "99" until the output is painted in each browser engine,
// with the module and with the engine translated to JavaScript, the single
// file's size, and the module's run under Node.js against the native engine.
//   usage: node web-bench.mjs SITE_FOLDER NATIVE_FIGURES_JSON
// WebKitGTK needs an X display (tests/xvfb-session.sh gives one).
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { Engines, launch, makeLocales } from '../tests/web/engines.mjs';
import { serveSite } from '../web/serve.mjs';

const [site, figuresPath] = process.argv.slice(2);
const native = JSON.parse(readFileSync(figuresPath, 'utf8'));
const Clicks = 40;

// In the page: from the click's time stamp to the end of the frame that
// paints the output (a task queued from the frame runs once it is painted),
// and the work itself, to the output laid out.
function measureClicks() {
    const button = document.getElementById('Command1_0');
    const output = document.getElementById('Text2_1');
    window.clicks = [];
    button.addEventListener('click', (event) => {
        const clicked = event.timeStamp;
        queueMicrotask(() => queueMicrotask(() => {
            const laidOut = (output.scrollHeight, performance.now());
            requestAnimationFrame(() => setTimeout(() => window.clicks.push(
                [performance.now() - clicked, laidOut - clicked]), 0));
        }));
    });
}

const median = (values) => values.toSorted((a, b) => a - b)[Math.floor(values.length / 2)];

// One visit: what the server sent, gzip sizes by file, once the service
// worker has cached the site; then the clicks, past the first, cold ones.
// `translated`: a module that does not compile is sent, so that the page
// runs the engine translated to JavaScript, as where WebAssembly is off.
async function visit(engine, locales, { translated = false } = {}) {
    const sent = {};
    const server = await serveSite(site, 0, (path, body) => {
        if (translated && path === '/zerkovan.wasm') return Buffer.alloc(0);
        if (body !== null) sent[path] = gzipSync(body, { level: 9 }).length;
        return body;
    });
    const browser = await launch(engine, { locales });
    try {
        await browser.open(server.url);
        // Sent a module that does not compile, the worker never installs:
        // the served module's SHA-256 is not this release's, so its install
        // fails and `ready` never resolves. Nothing is waited for then.
        if (!translated) await browser.js(() => navigator.serviceWorker.ready);
        await browser.js(measureClicks);
        await browser.click('#Text2_0');
        await browser.keys('99');
        for (let i = 0; i < Clicks; i += 1) await browser.click('#Command1_0');
        const clicks = await browser.js((count) => new Promise((resolve) => {
            const wait = () => (window.clicks.length >= count ? resolve(window.clicks) : setTimeout(wait, 10));
            wait();
        }), Clicks);
        return { sent, clicks: clicks.slice(5) };
    } finally {
        await browser.close();
        server.close();
    }
}

const verdict = (met) => (met ? 'met' : 'NOT MET');
const locales = makeLocales(mkdtempSync(join(tmpdir(), 'zerkovan-locales-')));
console.log('\nWeb edition (target in brackets)');
for (const engine of Engines) {
    const { sent, clicks } = await visit(engine, locales);
    if (engine === 'chromium') {
        const weight = Object.values(sent).reduce((a, b) => a + b, 0) / 1000;
        const legal = ['/LICENSE.txt', '/NOTICES.txt'].reduce((a, path) => a + (sent[path] ?? 0), 0) / 1000;
        console.log(`  first visit transfers      ${weight.toFixed(1).padStart(8)} kB gzip, ` +
            `${Object.keys(sent).length} files [<= 68] ${verdict(weight <= 68)}`);
        console.log(`      of it the program      ${(weight - legal).toFixed(1).padStart(8)} kB, ` +
            `the terms and notices ${legal.toFixed(1)} kB`);
        for (const [path, size] of Object.entries(sent).sort((a, b) => b[1] - a[1])) {
            console.log(`      ${path.padEnd(28)} ${(size / 1000).toFixed(1).padStart(6)} kB`);
        }
    }
    const painted = median(clicks.map((c) => c[0]));
    const work = median(clicks.map((c) => c[1]));
    console.log(`  click in ${engine.padEnd(9)}N = 99 ${painted.toFixed(2).padStart(8)} ms to the output painted ` +
        `[<= 16.7] ${verdict(painted <= 16.7)}`);
    console.log(`      of it the page's work  ${work.toFixed(2).padStart(8)} ms; the desktop click (4) ` +
        `${native.click_ms.toFixed(2)} ms, ratio ${(painted / native.click_ms).toFixed(1)}`);
}
for (const engine of Engines) {
    const { clicks } = await visit(engine, locales, { translated: true });
    const work = median(clicks.map((c) => c[1]));
    console.log(`  translated engine, ${engine.padEnd(9)}N = 99 ${work.toFixed(2).padStart(8)} ms of the page's work ` +
        `[<= 16.7] ${verdict(work <= 16.7)}; ${median(clicks.map((c) => c[0])).toFixed(2)} ms to the output painted`);
}
const single = readFileSync(join(dirname(site), readdirSync(dirname(site)).find((name) => /^Zerkovan-[0-9.]+\.html$/.test(name))));
const singleGzip = gzipSync(single, { level: 9 }).length / 1000;
console.log(`  the single file            ${singleGzip.toFixed(1).padStart(8)} kB gzip [<= 128] ${verdict(singleGzip <= 128)}, ` +
    `${(single.length / 1000).toFixed(1)} kB as it is`);
const module = Number(execFileSync('node', [new URL('module-bench.mjs', import.meta.url).pathname,
    join(site, 'zerkovan.wasm')], { encoding: 'utf8' }));
console.log(`  module, ShowTriangle 99    ${module.toFixed(2).padStart(8)} us under Node; native (1) ` +
    `${native.engine_us.toFixed(2)} us, ratio ${(module / native.engine_us).toFixed(2)}`);
