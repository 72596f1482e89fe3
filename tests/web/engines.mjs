// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The three browser engines a classroom has, behind one small interface, so
// that every web check is written once: Debian's Chromium (DevTools protocol)
// and Firefox ESR (WebDriver BiDi, which Firefox speaks itself), both through
// puppeteer-core, and WebKitGTK, Safari's engine, through WebKitWebDriver
// (classic WebDriver) and its MiniBrowser, which needs an X display.
//
//   const browser = await launch('firefox', { language: 'bg' });
//   await browser.open(url); await browser.keys('4', 'Enter');
//   await browser.js((id) => document.getElementById(id).value, 'Text2_1');
//
// What an engine's automation cannot do throws Unsupported, with the reason.
import { execFileSync, spawn } from 'node:child_process';
import { existsSync, mkdtempSync, mkdirSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

export const Engines = ['chromium', 'firefox', 'webkit'];

export class Unsupported extends Error {}

// Without the network flags, Chromium reaches for Google's hosts at start.
const ChromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--disable-dev-shm-usage'];
const MiniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// A chord is written 'Control+v'; named keys as in KeyboardEvent.key.
const chord = (key) => (key.length > 1 && key.includes('+') ? key.split('+') : [key]);
const isNamedKey = (key) => key.length > 1 && /^[A-Z][A-Za-z]+$/.test(key);

class PuppeteerBrowser {
    constructor(name, browser, page, profile, context = null) {
        Object.assign(this, { name, browser, page, profile, context, problems: [], uncaught: [], preloads: [] });
        this.watch();
    }

    watch() {
        this.page.on('pageerror', (error) => this.uncaught.push(String(error)));
        this.page.on('console', (message) => {
            if (message.type() === 'error') this.problems.push(message.text());
        });
    }

    static async launch(name, language, touch, flags) {
        const profile = mkdtempSync(join(tmpdir(), `zerkovan-${name}-`));
        let browser;
        if (name === 'chromium') {
            mkdirSync(join(profile, 'Default'));
            writeFileSync(join(profile, 'Default', 'Preferences'),
                JSON.stringify({ intl: { accept_languages: language } }));
            browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
                userDataDir: profile, args: [...ChromiumFlags, `--lang=${language}`, ...flags] });
        } else {
            browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
                headless: true, userDataDir: profile,
                extraPrefsFirefox: { 'intl.accept_languages': language, 'intl.locale.requested': language,
                    // A touch screen as its only pointer, as on a phone.
                    ...(touch ? { 'ui.primaryPointerCapabilities': 1, 'ui.allPointerCapabilities': 1 } : {}) } });
        }
        const [page] = await browser.pages();
        return new PuppeteerBrowser(name, browser, page ?? await browser.newPage(), profile);
    }

    // Another tab of the same browser, sharing nothing with this one.
    async fresh() {
        const context = await this.browser.createBrowserContext();
        return new PuppeteerBrowser(this.name, this.browser, await context.newPage(), null, context);
    }

    async preload(script) {
        this.preloads.push(script);
        await this.page.evaluateOnNewDocument(script);
    }

    // The tab closed, and another opened in the same profile: a page that
    // is truly gone, not kept for going back.
    async reopen() {
        const page = await (this.context ?? this.browser).newPage();
        await this.page.close();
        this.page = page;
        this.watch();
        for (const script of this.preloads) await page.evaluateOnNewDocument(script);
    }

    async open(url) {
        await this.page.goto(url, { waitUntil: 'load' });
    }

    js(fn, ...args) {
        return this.page.evaluate(fn, ...args);
    }

    // A script's text, run as the automation runs one: past the page's
    // security policy.
    async run(source) {
        await this.page.evaluate(source);
    }

    async click(selector) {
        await this.page.click(selector);
    }

    async tap(x, y) {
        if (!this.page.touchscreen) throw new Unsupported('no touch screen');
        await this.page.touchscreen.tap(x, y);
    }

    async keys(...keys) {
        const keyboard = this.page.keyboard;
        for (const key of keys.map((key) => (key === 'Space' ? ' ' : key))) {
            if (isNamedKey(key) || key.includes('+')) {
                const held = chord(key);
                for (const part of held.slice(0, -1)) await keyboard.down(part);
                await keyboard.press(held.at(-1));
                for (const part of held.slice(0, -1).reverse()) await keyboard.up(part);
            } else {
                await keyboard.type(key);
            }
        }
    }

    async viewport(width, height, { phone = false } = {}) {
        await this.page.setViewport({ width, height, isMobile: phone, hasTouch: phone });
    }

    screenshot() {
        return this.page.screenshot({ encoding: 'base64' });
    }

    // The page on A4, as a PDF, with whatever backgrounds it prints. The
    // size is given: Firefox takes puppeteer's default Letter as 8.5 cm wide.
    async print() {
        return Buffer.from(await this.page.pdf({ printBackground: true, width: '210mm', height: '297mm' }));
    }

    // Windows' contrast themes, as Chromium emulates them, for as long as
    // the DevTools session that asked stays attached.
    async forcedColours(on) {
        if (this.name !== 'chromium') throw new Unsupported(`${this.name} emulates no forced colours`);
        this.emulation ??= await this.page.createCDPSession();
        await this.emulation.send('Emulation.setEmulatedMedia',
            { features: [{ name: 'forced-colors', value: on ? 'active' : 'none' }] });
        if (!on) {
            await this.emulation.detach();
            this.emulation = null;
        }
    }

    async withoutScripts() {
        try {
            await this.page.setJavaScriptEnabled(false);
        } catch (error) {
            throw new Unsupported(String(error.message).split('\n')[0]);
        }
    }

    // The DevTools protocol, for what only Chromium's automation offers.
    async devtools(method, params) {
        if (this.name !== 'chromium') throw new Unsupported(`${this.name} has no ${method}`);
        const session = await this.page.createCDPSession();
        try {
            return await session.send(method, params);
        } finally {
            await session.detach();
        }
    }

    async close() {
        if (this.context) {
            await this.context.close();
        } else {
            await this.browser.close();
            rmSync(this.profile, { recursive: true, force: true });
        }
    }
}

// WebDriver's codes for the named keys.
const WebDriverKeys = { Backspace: '\uE003', Tab: '\uE004', Enter: '\uE007', Shift: '\uE008',
    Control: '\uE009', Escape: '\uE00C', Space: '\uE00D', End: '\uE010', Home: '\uE011', ArrowLeft: '\uE012',
    ArrowRight: '\uE014', Delete: '\uE017' };
const ElementKey = 'element-6066-11e4-a52e-4f735466cecf';

function freePort() {
    return new Promise((resolve, reject) => {
        const server = createServer().listen(0, '127.0.0.1', () => {
            const { port } = server.address();
            server.close(() => resolve(port));
        });
        server.on('error', reject);
    });
}

const drivers = new Set();
process.on('exit', () => drivers.forEach((driver) => driver.kill()));

class WebKitBrowser {
    constructor(driver, base, session) {
        Object.assign(this, { name: 'webkit', driver, base, session, problems: [], uncaught: [] });
    }

    // WebKitGTK takes its language from the locale of its environment.
    static async launch(language, locales) {
        const port = await freePort();
        const env = { ...process.env, LOCPATH: locales, LANG: language, LC_ALL: language };
        const driver = spawn('WebKitWebDriver', [`--port=${port}`, '--host=127.0.0.1'],
            { env, stdio: ['ignore', 'ignore', 'inherit'] });
        // Also when a check ends on an error: a driver left running keeps
        // CTest waiting on its output.
        drivers.add(driver);
        const base = `http://127.0.0.1:${port}`;
        for (let tries = 0; ; tries += 1) {
            try {
                await fetch(`${base}/status`);
                break;
            } catch (error) {
                if (tries > 200) throw error;
                await new Promise((resolve) => setTimeout(resolve, 25));
            }
        }
        const browser = new WebKitBrowser(driver, base, null);
        const created = await browser.call('POST', '/session', { capabilities: { alwaysMatch: {
            browserName: 'MiniBrowser',
            'webkitgtk:browserOptions': { binary: MiniBrowser, args: ['--automation'] } } } });
        browser.session = created.sessionId;
        return browser;
    }

    async call(method, path, body) {
        const url = this.session && path !== '/session' ? `${this.base}/session/${this.session}${path}` : `${this.base}${path}`;
        const response = await fetch(url, { method, headers: { 'content-type': 'application/json' },
            body: body === undefined ? undefined : JSON.stringify(body) });
        const { value } = await response.json();
        if (!response.ok) throw new Error(`WebKitWebDriver ${path}: ${value.error}: ${value.message}`);
        return value;
    }

    async preload() {
        throw new Unsupported('classic WebDriver runs no script before the page\'s own');
    }

    async open(url) {
        await this.call('POST', '/url', { url });
    }

    async reopen() {
        const { handle } = await this.call('POST', '/window/new', { type: 'tab' });
        await this.call('DELETE', '/window');
        await this.call('POST', '/window', { handle });
    }

    async js(fn, ...args) {
        const script = `const done = arguments[arguments.length - 1];
            const args = Array.prototype.slice.call(arguments, 0, -1);
            Promise.resolve().then(() => (${fn})(...args))
                .then((value) => done({ value }), (error) => done({ error: String(error) }));`;
        const result = await this.call('POST', '/execute/async', { script, args });
        if ('error' in result) throw new Error(result.error);
        return result.value;
    }

    async run(source) {
        await this.call('POST', '/execute/sync', { script: source, args: [] });
    }

    async click(selector) {
        const element = await this.call('POST', '/element', { using: 'css selector', value: selector });
        await this.call('POST', `/element/${element[ElementKey]}/click`, {});
    }

    async tap() {
        throw new Unsupported('WebKitWebDriver has no touch input');
    }

    async keys(...keys) {
        const actions = [];
        const code = (key) => WebDriverKeys[key] ?? key;
        for (const key of keys) {
            if (isNamedKey(key) || key.includes('+')) {
                const held = chord(key).map(code);
                for (const part of held) actions.push({ type: 'keyDown', value: part });
                for (const part of held.reverse()) actions.push({ type: 'keyUp', value: part });
            } else {
                for (const character of key) {
                    actions.push({ type: 'keyDown', value: character }, { type: 'keyUp', value: character });
                }
            }
        }
        await this.call('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
        await this.call('DELETE', '/actions');
    }

    async viewport(width, height) {
        // The window counts its frame and is never narrower than GTK lets it be.
        await this.call('POST', '/window/rect', { width, height });
        const inner = await this.js(() => innerWidth);
        if (inner > width) throw new Unsupported(`MiniBrowser is no narrower than ${inner} pixels`);
    }

    screenshot() {
        return this.call('GET', '/screenshot');
    }

    async print() {
        try {
            return Buffer.from(await this.call('POST', '/print', { background: true }), 'base64');
        } catch (error) {
            throw new Unsupported(error.message);
        }
    }

    async withoutScripts() {
        throw new Unsupported('classic WebDriver cannot switch scripts off');
    }

    async forcedColours() {
        throw new Unsupported('classic WebDriver emulates no forced colours');
    }

    async devtools(method) {
        throw new Unsupported(`webkit has no ${method}`);
    }

    async close() {
        await this.call('DELETE', '').catch(() => {});
        this.driver.kill();
        drivers.delete(this.driver);
    }
}

// Locales for WebKitGTK, made once from Debian's locale sources into a
// folder of the checks' own: the machine may have only C and POSIX.
export function makeLocales(folder) {
    for (const name of ['bg_BG', 'en_US']) {
        const made = join(folder, `${name}.UTF-8`);
        if (!existsSync(made)) execFileSync('localedef', ['-i', name, '-f', 'UTF-8', made]);
    }
    return folder;
}

// `touch`: the browser's pointer is a touch screen, where its automation
// can make it one (Chromium makes it one with a phone's viewport).
// `flags`: Chromium's command line, as a policy may set it.
export async function launch(engine, { language = 'bg', locales, touch = false, flags = [] } = {}) {
    if (engine === 'webkit') {
        const posix = { bg: 'bg_BG.UTF-8', en: 'en_US.UTF-8', C: 'C.UTF-8' }[language] ?? language;
        return WebKitBrowser.launch(posix, locales);
    }
    return PuppeteerBrowser.launch(engine, language, touch, flags);
}

// Fresh browsers that share nothing, from as few launches as the engine
// allows: Chromium and Firefox give a new context in a running browser.
export class Browsers {
    constructor(engine, locales) {
        Object.assign(this, { engine, locales, running: new Map() });
    }

    async open({ language = 'bg', touch = false, flags = [] } = {}) {
        const options = { language, touch, flags, locales: this.locales };
        if (this.engine === 'webkit') return launch(this.engine, options);
        const key = `${language} ${touch} ${flags.join(' ')}`;
        if (!this.running.has(key)) this.running.set(key, await launch(this.engine, options));
        return this.running.get(key).fresh();
    }

    async close() {
        for (const browser of this.running.values()) await browser.close();
    }
}
