// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The web edition in one real browser engine, as a user meets it: the window
// (keys, clicks, the layout, a phone's touch screen, axe-core), the input box
// (the clipboard, drops, languages) and how the page comes (offline, from a
// disk, as one file, from any host, without WebAssembly or JavaScript). The
// same checks run in every engine; what an engine's automation cannot do is
// said, and checked another way where there is one.
//   usage: node check-browser.mjs chromium|firefox|webkit SITE AXE_SCRIPT LOCALES
// WebKit needs an X display (tests/xvfb-session.sh gives one). The single
// file is looked for beside SITE, where make web writes it.
import { fromDisk, hosts, jitless, offline, workerCache, privacy, slowNetwork, update, withoutJavaScript }
    from './delivery.mjs';
import { insertions, languageTags, separator, withoutSegmenter } from './input.mjs';
import { closeBrowsers, failed, setting, Visit } from './visit.mjs';
import { accessibility, edges, forcedColours } from './accessibility.mjs';
import { behaviour, keyboard, layout, phone } from './window.mjs';

const { engine } = setting;
if (!['chromium', 'firefox', 'webkit'].includes(engine) || !setting.localeFolder) {
    console.error('usage: node check-browser.mjs chromium|firefox|webkit SITE AXE_SCRIPT LOCALES');
    process.exit(2);
}

const started = Date.now();
const visit = await Visit.open();
await layout(visit);
await keyboard(visit);
await edges(visit);
await insertions(visit, '');
await behaviour(visit);
await accessibility(visit);
await forcedColours(visit);
await privacy(visit);
await offline(visit);
await visit.close();
await phone();
await separator('bg', '0,5');
await separator('en', '0.5');
await withoutSegmenter();
await languageTags();
await hosts();
await slowNetwork();
await workerCache();
await update();
await jitless();
await fromDisk();
await withoutJavaScript();
await closeBrowsers();
console.log(`${engine}: ${failed()} failed, in ${((Date.now() - started) / 1000).toFixed(1)} s`);
process.exit(failed() === 0 ? 0 : 1);
