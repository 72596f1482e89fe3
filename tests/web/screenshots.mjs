// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Makes the README's pictures of the web edition in headless Chromium: the
// page after displaying 4, at a desktop's width and at a phone's.
//   usage: node screenshots.mjs SITE_FOLDER OUTPUT_FOLDER
import { writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import { serveSite } from '../../web/serve.mjs';
import { launch } from './engines.mjs';

const [site, output] = process.argv.slice(2);
const server = await serveSite(site);
const browser = await launch('chromium');
for (const [name, width, height] of [['web-desktop.png', 640, 480], ['web-phone.png', 360, 640]]) {
    await browser.viewport(width, height, { phone: width < 481 });
    await browser.open(server.url);
    await browser.click('#Text2_0');
    await browser.keys('4');
    await browser.click('#Command1_0');
    await browser.js(() => new Promise((resolve) => {
        const wait = () => (document.getElementById('Text2_1').value ? resolve() : setTimeout(wait, 20));
        wait();
    }));
    await writeFile(join(output, name), Buffer.from(await browser.screenshot(), 'base64'));
}
await browser.close();
server.close();
