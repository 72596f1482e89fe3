// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What every browser check shares: the verdicts, and a visit to the page in
// one engine, served by a server of its own or opened from a disk, with
// what a user does there.
import { createHash } from 'node:crypto';
import { cpSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { serveSite } from '../../web/serve.mjs';
import { Browsers, makeLocales, Unsupported } from './engines.mjs';

export const WorkedExample = '1\n2 2\n3 4 3\n4 6 6 4\nЧислото 4 се среща в ред 3';

const [engine, site, axeScript, localeFolder] = process.argv.slice(2);
export const setting = { engine, site, axeScript, localeFolder };
const browsers = new Browsers(engine, localeFolder && makeLocales(localeFolder));
export const openBrowser = (options) => browsers.open(options);
export const closeBrowsers = () => browsers.close();

let failures = 0;
export const failed = () => failures;
export function check(what, ok, detail = '') {
    console.log(`${ok ? 'PASS' : 'FAIL'}: ${what}${!ok && detail !== '' ? ` (${JSON.stringify(detail)})` : ''}`);
    if (!ok) failures += 1;
}
export function cannot(what, error, instead) {
    if (!(error instanceof Unsupported)) throw error;
    console.log(`NOTE: ${engine}'s automation cannot ${what} (${error.message}); ${instead}`);
}

// Runs before the page's own scripts: notes every error and refusal of the
// security policy, and keeps the module's memory in sight.
const Watch = `(() => {
    const problems = window.zerkovanProblems = [];
    addEventListener('error', (e) => problems.push(String(e.message || e.target?.src || e.type)), true);
    addEventListener('unhandledrejection', (e) => problems.push(String(e.reason)));
    document.addEventListener('securitypolicyviolation', (e) => problems.push('refused ' + e.blockedURI));
    if (typeof WebAssembly !== 'object') return;
    for (const name of ['instantiateStreaming', 'instantiate']) {
        const instantiate = WebAssembly[name];
        WebAssembly[name] = async (...args) => {
            const result = await instantiate(...args);
            window.zerkovanMemory = result.instance.exports.memory;
            return result;
        };
    }
})();`;

// The single file beside the site folder, as make web writes it.
export const singleFile = () => {
    const name = readdirSync(dirname(site)).find((file) => /^Zerkovan-[0-9.]+\.html$/.test(file));
    return join(dirname(site), name);
};

// Where the browser runs no script before the page's, the page carries the
// script first, and its policy admits it by its hash.
function withScriptFirst(page, script) {
    const hash = createHash('sha256').update(script).digest('base64');
    return page.toString().replace('<head>', `<head>\n<script>${script}</script>`)
        .replace('script-src ', `script-src 'sha256-${hash}' `);
}

// A copy of the site, or of the single file, in a folder of its own, as a
// teacher has it on a disk.
function onDisk(what, script, inject) {
    const folder = mkdtempSync(join(tmpdir(), 'zerkovan-disk-'));
    const page = what === 'single file' ? join(folder, 'Zerkovan.html') : join(folder, 'index.html');
    if (what === 'single file') cpSync(singleFile(), page);
    else cpSync(site, folder, { recursive: true });
    if (inject) writeFileSync(page, withScriptFirst(readFileSync(page), script));
    return { folder, url: pathToFileURL(page).href };
}

// A browser with the page open and what a user does. `disk`: 'site' or
// 'single file', opened from a disk; otherwise the site (or `folder`) from a
// server whose `answer` may change what it sends (serveSite). `early`: the
// page is used before its engine has come.
export class Visit {
    static async open({ language = 'bg', touch = false, flags, preload = '', answer, disk, folder = site, early } = {}) {
        const visit = new Visit();
        const script = `${Watch}\n${preload}`;
        visit.browser = await browsers.open({ language, touch, flags });
        let inject = false;
        try {
            await visit.browser.preload(script);
        } catch (error) {
            if (!(error instanceof Unsupported)) throw error;
            inject = true;
        }
        if (disk) {
            ({ folder: visit.folder, url: visit.url } = onDisk(disk, script, inject));
        } else {
            // The server puts the script first in the page where it must.
            visit.server = await serveSite(folder, 0, async (path, body) => {
                const answered = answer ? await answer(path, body) : body;
                if (!inject || path !== '/index.html' || answered === null) return answered;
                return answered.body === undefined ? withScriptFirst(answered, script)
                    : { ...answered, body: withScriptFirst(answered.body, script) };
            });
            visit.url = visit.server.url;
        }
        await visit.load('', { early });
        return visit;
    }

    async load(path, { early = false } = {}) {
        await this.browser.open(new URL(path, this.url).href);
        // Until the engine has come, or has failed to.
        await this.wait(() => this.js((early) => document.readyState === 'complete' && (early || typeof WebAssembly !== 'object' ||
            typeof zerkovanTranslated === 'object' ||
            performance.getEntriesByType('resource').some((entry) => /zerkovan\.wasm(\.js)?$/.test(entry.name))), early));
    }

    js(fn, ...args) {
        return this.browser.js(fn, ...args);
    }

    value(id) {
        return this.js((id) => document.getElementById(id).value, id);
    }

    rect(id) {
        return this.js((id) => document.getElementById(id).getBoundingClientRect().toJSON(), id);
    }

    async wait(condition, seconds = 10) {
        for (const end = Date.now() + seconds * 1000; Date.now() < end;) {
            const result = await condition();
            if (result) return result;
            await new Promise((resolve) => setTimeout(resolve, 20));
        }
        return null;
    }

    // Every error the page met, and every refusal of its security policy;
    // uncaught(): the same but for what the browser only logs (Chromium logs
    // the fetches a page opened from a disk may not make).
    async problems() {
        return [...this.browser.problems, ...await this.uncaught()];
    }

    async uncaught() {
        return [...this.browser.uncaught, ...await this.js(() => window.zerkovanProblems)];
    }

    // Empties the boxes, types the text and presses «Изведи».
    async press(text) {
        await this.browser.click('#Command1_1');
        await this.browser.click('#Text2_0');
        await this.browser.keys(text);
        await this.browser.click('#Command1_0');
    }

    async display(text) {
        await this.press(text);
        return (await this.wait(() => this.value('Text2_1'))) ?? '';
    }

    async close() {
        await this.browser.close();
        if (this.server) {
            this.server.closeAllConnections();
            this.server.close();
        }
        if (this.folder) rmSync(this.folder, { recursive: true, force: true });
    }
}

// A visit for `what`, which `expectation` makes: a page that can be used to
// the end, whatever the browser lacks or the host does.
export async function visiting(what, options, expectation) {
    const visit = await Visit.open(options);
    try {
        await expectation(visit, what);
    } catch (error) {
        check(`${what}: the page can be used to the end`, false, String(error));
    }
    await visit.close();
}
