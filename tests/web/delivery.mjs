// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// How the page comes to a user and keeps working: privacy, offline, from a
// disk, as one file, from any host, and in a browser that lacks WebAssembly
// or JavaScript.
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serveSite } from '../../web/serve.mjs';
import { layout } from './window.mjs';
import { check, cannot, openBrowser, setting, singleFile, visiting, WorkedExample } from './visit.mjs';

const Source = fileURLToPath(new URL('../..', import.meta.url));

const { engine } = setting;

export async function privacy(visit) {
    const urls = await visit.js(() => performance.getEntriesByType('resource').map((e) => e.name));
    check('no request leaves the site\'s origin', urls.length > 0 && urls.every((u) => u.startsWith(visit.server.url)), urls);
    const stored = await visit.js(async () => [document.cookie, localStorage.length, sessionStorage.length,
        (await indexedDB.databases()).length, await caches.keys()]);
    check('no cookies, no storage but the service worker\'s cache', stored.slice(0, 4).join() === ',0,0,0' &&
        stored[4].length === 1 && stored[4][0].startsWith('zerkovan-'), stored);
    const problems = await visit.problems();
    check('no error, and the security policy refused nothing', problems.length === 0, problems);
}

export async function offline(visit, what = 'the site') {
    const ready = await visit.js(() => Promise.race([navigator.serviceWorker.ready.then(() => true),
        new Promise((resolve) => setTimeout(() => resolve(false), 5000))]));
    check(`${what}: a service worker takes charge of the site`, ready);
    await visit.load('');
    await visit.wait(() => visit.js(() => navigator.serviceWorker.controller !== null));
    visit.server.closeAllConnections();
    visit.server.close();
    for (const [path, words] of [['NOTICES.txt', 'the work of others'], ['LICENSE.txt', 'Dorvelan']]) {
        const text = await visit.browser.open(visit.server.url + path)
            .then(() => visit.js(() => document.body.textContent), String);
        check(`${what}: with the server gone, /${path} still shows its own text`, text.includes(words), text.slice(0, 80));
    }
    for (const path of ['', 'index.html', '?anything']) {
        const shown = await visit.browser.open(visit.server.url + path).then(() => visit.display('4'), String);
        check(`${what}: with the server gone, /${path} still gives the worked example`, shown === WorkedExample, shown);
    }
}

// The scripts a browser needs beside the page, kept by the first visit.
const NoSegmenter = 'delete Intl.Segmenter;';
const kept = (visit, ...files) => visit.wait(() => visit.js(async (files) => {
    const names = await caches.keys();
    const cache = names.length === 1 && await caches.open(names[0]);
    return cache && (await Promise.all(files.map((file) => cache.match(file)))).every(Boolean);
}, files));

export async function workerCache() {
    await visiting('a first visit without WebAssembly and Intl.Segmenter', { preload: NoWebAssembly + NoSegmenter },
        async (visit, what) => {
            check(`${what}: the service worker keeps the grapheme rules and the translated engine`,
                await kept(visit, 'graphemes.js', 'zerkovan.wasm.js'));
            await offline(visit, what);
            check(`${what}: offline, the grapheme rules came too`, await visit.js(() => typeof zerkovanGraphemes === 'function'));
        });
    // A full store: a script the worker could not keep still comes.
    const Full = "Cache.prototype.put = () => Promise.reject(new DOMException('full', 'QuotaExceededError'));\n";
    await visiting('with the browser\'s store full', { preload: NoWebAssembly,
        answer: (path, body) => (path === '/sw.js' ? Full + body : body) }, async (visit, what) => {
        await visit.wait(() => visit.js(() => navigator.serviceWorker.ready.then(() => true)));
        await visit.load('');
        check(`${what}: the page is the worker's`, await visit.js(() => navigator.serviceWorker.controller !== null));
        await works(visit, what);
    });
}

// A release that changes only a script kept on first fetch, from a host
// that lets browsers keep every file a day: once no page of the old
// release is open, the next opening runs the new page with the new script.
export async function update() {
    const folder = mkdtempSync(join(tmpdir(), 'zerkovan-release-'));
    cpSync(setting.site, folder, { recursive: true });
    const answer = (path, body) => (body === null ? null : { body, cacheControl: 'max-age=86400' });
    await visiting('an installed copy, after a release that changes only the grapheme rules',
        { folder, answer, preload: NoSegmenter }, async (visit, what) => {
            await kept(visit, 'graphemes.js');
            const before = await visit.js(() => caches.keys());
            appendFileSync(join(folder, 'graphemes.js'), '\nglobalThis.zerkovanRelease = 2;\n');
            execFileSync(process.execPath, [join(Source, 'web/makeserviceworker.mjs'), join(Source, 'web/sw.js'), folder,
                join(Source, 'web/kept-at-once.txt')]);
            await visit.load('');
            const waiting = await visit.wait(() => visit.js(async () => Boolean((await navigator.serviceWorker.getRegistration())?.waiting)));
            check(`${what}: the new release installs beside the old`, waiting);
            let release = null;
            for (let tries = 0; tries < 5 && release !== 2; tries += 1) {
                await visit.browser.reopen();
                await visit.load('');
                release = await visit.js(() => globalThis.zerkovanRelease ?? null);
            }
            const after = await visit.js(() => caches.keys());
            check(`${what}: then it runs the new release's script, and keeps only the new release`,
                release === 2 && after.length === 1 && !before.includes(after[0]), [release, before, after]);
            check(`${what}: and works`, await visit.display('4') === WorkedExample);
        });
    rmSync(folder, { recursive: true, force: true });
}

// With scripts switched off, and only then, the page says it cannot run.
export async function withoutJavaScript() {
    const browser = await openBrowser();
    const server = await serveSite(setting.site);
    try {
        await browser.withoutScripts();
        await browser.open(server.url);
        const shown = await browser.js(() => document.querySelector('noscript')?.textContent ?? '');
        const visible = await browser.js(() => document.getElementById('no-script')?.getBoundingClientRect().height > 0);
        check('without JavaScript, the page says that the browser cannot run the program, and what to try',
            /JavaScript/.test(shown) && /[а-я]/.test(shown) && visible, shown);
    } catch (error) {
        cannot('switch JavaScript off', error, 'the noscript text is in the page for every engine alike');
    } finally {
        await browser.close();
        server.close();
    }
}


// The worked example, with no uncaught error: what every way of getting the
// page must give.
async function works(visit, what) {
    check(`${what}: 4 gives the worked example`, await visit.display('4') === WorkedExample);
    const uncaught = await visit.uncaught();
    check(`${what}: no uncaught error, and the security policy refused nothing`, uncaught.length === 0, uncaught);
}

async function says(visit, what, message, expected) {
    await visit.press('4');
    const shown = await visit.wait(() => visit.js(() => document.querySelector('dialog[open]') &&
        document.getElementById('error-text').textContent));
    check(`${what}: «Изведи» says in the page ${message}`, shown === expected, shown);
}

const NoWebAssembly = 'delete globalThis.WebAssembly;';
// As Safari 15 under a policy without 'unsafe-eval': WebAssembly is there
// but compiles nothing.
const Refused = `for (const name of ['compile', 'instantiate', 'instantiateStreaming']) {
    WebAssembly[name] = () => Promise.reject(new WebAssembly.CompileError('refused by the policy'));
}`;
const Missing = (...names) => (path, body) => (names.includes(path) ? null : body);

export async function hosts() {
    for (const type of ['application/octet-stream', 'application/wasm; charset=utf-8']) {
        await visiting(`with the module sent as ${type}`, {
            answer: (path, body) => (path === '/zerkovan.wasm' ? { body, type } : body),
        }, async (visit, what) => {
            await works(visit, what);
            check(`${what}: the module itself runs`,
                await visit.js(() => typeof zerkovanTranslated === 'undefined' && window.zerkovanMemory !== undefined));
        });
    }
    for (const [what, preload] of [['with WebAssembly removed', NoWebAssembly], ['with WebAssembly refusing to compile', Refused]]) {
        await visiting(what, { preload }, async (visit) => {
            await works(visit, what);
            check(`${what}: the translated engine runs`, await visit.js(() => typeof zerkovanTranslated === 'object'));
            await visit.browser.click('#Command1_1');
            await visit.browser.click('#Text2_0');
            await visit.browser.keys('123');
            check(`${what}, the input box keeps its rule`, await visit.value('Text2_0') === '12');
        });
    }
    // A host that rewrites static files, as auto-minify and image
    // optimisers do, leaves the site working offline all the same.
    const rewritten = { '/zerkovan.svg': '\n<!-- optimised -->\n', '/manifest.json': '\n', '/NOTICES.txt': '\n' };
    await visiting('with a host that rewrites its icon, manifest and notices', {
        answer: (path, body) => (body !== null && rewritten[path] ? Buffer.concat([body, Buffer.from(rewritten[path])]) : body),
    }, (visit, what) => offline(visit, what));
    // One that rewrites a script, which the worker takes only as this
    // release's: the page works online, and offers no installing as an app.
    await visiting('with a host that rewrites a script', {
        answer: (path, body) => (body !== null && path === '/zerkovan.js' ? Buffer.concat([body, Buffer.from('\n')]) : body),
    }, async (visit, what) => {
        await works(visit, what);
        const withdrawn = await visit.wait(() => visit.js(() => document.querySelector('link[rel="manifest"]') === null));
        const workers = await visit.js(async () => (await navigator.serviceWorker.getRegistrations())
            .map((registration) => registration.active !== null));
        check(`${what}: no worker takes charge, and the page takes back its manifest`,
            withdrawn && !workers.includes(true), workers);
    });
    await visiting('with the engine answered 404', { answer: Missing('/zerkovan.wasm', '/zerkovan.wasm.js') },
        (visit, what) => says(visit, what, 'that the server answered 404',
            'Програмата не се зареди: сървърът отговори с грешка 404. Съобщете за това на администратора на сайта.'));
    await visiting('with nothing coming', { preload: 'window.fetch = () => Promise.reject(new TypeError("offline"));',
        answer: Missing('/zerkovan.wasm.js') }, async (visit, what) => {
        const expected = await visit.js(() => document.getElementById('error').dataset.notLoaded);
        await says(visit, what, 'to check the network', expected);
    });
}

// On a slow network the module comes only once the check lets it: what the
// user did meanwhile decides what is shown.
async function withLateModule(what, meanwhile, expectation) {
    let arrive;
    const late = new Promise((resolve) => { arrive = resolve; });
    const answer = (path, body) => (path === '/zerkovan.wasm' ? late.then(() => body) : body);
    await visiting(`with the module late, ${what}`, { answer, early: true }, async (visit) => {
        await visit.browser.click('#Text2_0');
        await visit.browser.keys('4');
        await visit.browser.click('#Command1_0');
        await meanwhile(visit.browser);
        arrive();
        // A press that waited for the module runs in the same turn as the
        // module comes; its verdict is said a moment later.
        await visit.wait(() => visit.js(() => window.zerkovanMemory !== undefined &&
            (document.getElementById('Text2_1').value === '' || document.querySelector('[role="status"]').textContent !== '')));
        const left = await visit.js(() => [document.getElementById('Text2_0').value,
            document.getElementById('Text2_1').value, document.querySelector('[role="status"]').textContent]);
        expectation(left, `with the module late, ${what}`);
    });
}

export async function slowNetwork() {
    await withLateModule('«Изчисти» pressed before it came', (browser) => browser.click('#Command1_1'), (left, what) =>
        check(`${what}: both boxes and the status region stay empty`, left.join('|') === '||', left));
    await withLateModule('the input changed after «Изведи»', async (browser) => {
        await browser.click('#Text2_0');
        await browser.keys('End', 'Backspace', '7');
    }, (left, what) => check(`${what}: the display answers 4, as it was when pressed`,
        left.join('|') === `7|${WorkedExample}|Числото 4 се среща в ред 3`, left));
}

// A policy that switches the JavaScript JIT off also switches WebAssembly off.
export async function jitless() {
    if (engine !== 'chromium') {
        console.log(`NOTE: only Chromium's V8 runs without its JIT from the command line; ${engine} is checked ` +
            'with WebAssembly removed instead');
        return;
    }
    await visiting('in Chromium with --js-flags=--jitless', { flags: ['--js-flags=--jitless'] }, async (visit, what) => {
        check(`${what}: the browser has no WebAssembly`, await visit.js(() => typeof WebAssembly) === 'undefined');
        await works(visit, what);
    });
}

// Opened from a disk: the site's folder as unpacked from its zip, and the
// single file.
export async function fromDisk() {
    await visiting('the site opened from a disk', { disk: 'site' }, async (visit, what) => {
        await works(visit, what);
        await visit.browser.click('#Command1_1');
        check(`${what}: «Изчисти» empties both boxes`, await visit.value('Text2_0') === '' && await visit.value('Text2_1') === '');
        await visit.browser.click('#Text2_0');
        await visit.browser.keys('123');
        check(`${what}: the input box keeps its rule`, await visit.value('Text2_0') === '12');
        check(`${what}: .5 is written 0,5`, await visit.display('.5') === 'Числото 0,5 не се среща в триъгълника');
        await layout(visit, { installable: false });
    });
    await visiting('the single file opened from a disk', { disk: 'single file' }, async (visit, what) => {
        await works(visit, what);
        const urls = await visit.js(() => performance.getEntriesByType('resource').map((entry) => entry.name));
        check(`${what}: it asks for nothing but data: URLs`, urls.every((url) => url.startsWith('data:')), urls);
        const head = readFileSync(singleFile()).subarray(0, 1024).toString('latin1');
        check(`${what}: it declares its character set within its first 1024 bytes`, head.includes('<meta charset="utf-8">'));
        await layout(visit, { installable: false });
    });
    const single = readFileSync(singleFile());
    const asked = [];
    const answer = (path) => (asked.push(path) && path === '/index.html' ? single : null);
    await visiting('the single file on a host', { answer }, async (visit, what) => {
        await works(visit, what);
        await new Promise((resolve) => setTimeout(resolve, 500));
        check(`${what}: it asks for nothing but itself, no service worker`, asked.every((path) => path === '/index.html'), asked);
    });
}
