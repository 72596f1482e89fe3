// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What an accessibility audit reads past the window's own checks: axe-core's
// rules, each box's edge against the window from the rendered pixels, and
// forced colours.
import { execFileSync } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import { cannot, check, setting } from './visit.mjs';

export async function accessibility(visit) {
    const axe = await readFile(setting.axeScript, 'utf8');
    await visit.browser.run(axe);
    const violations = await visit.js(async () => {
        const results = await window.axe.run(document);
        return results.violations.map((v) => `${v.id}: ${v.help}`);
    }).catch((error) => [String(error)]);
    check('axe-core finds no violation', violations.length === 0, violations);
}

// The contrast of two colours, as WCAG computes it.
function contrast(a, b) {
    const luminance = (rgb) => rgb.map((v) => v / 255).map((v) => (v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4))
        .reduce((sum, v, i) => sum + v * [0.2126, 0.7152, 0.0722][i], 0);
    const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
    return (light + 0.05) / (dark + 0.05);
}

// Each box's edge against the window, read from the rendered pixels: on
// every side, with no focus on the page, the pixels on the box's outermost
// row or column, at the middle of the side and halfway to each end, must
// differ from the window by 3:1.
export async function edges(visit) {
    await visit.js(() => document.activeElement?.blur());
    const png = Buffer.from(await visit.browser.screenshot(), 'base64');
    const width = png.readUInt32BE(16);
    const rgb = execFileSync('convert', ['png:-', '-alpha', 'off', '-depth', '8', 'rgb:-'],
        { input: png, maxBuffer: 1 << 28 });
    const pixel = (x, y) => [...rgb.subarray((y * width + x) * 3, (y * width + x) * 3 + 3)];
    for (const id of ['Text2_0', 'Text2_1', 'Text1_0']) {
        const r = await visit.rect(id);
        const [left, top, right, bottom] = [r.left, r.top, r.right - 1, r.bottom - 1].map(Math.round);
        const at = (from, to) => [0.25, 0.5, 0.75].map((f) => Math.round(from + (to - from) * f));
        const points = [...at(top, bottom).flatMap((y) => [[left, y], [right, y]]),
            ...at(left, right).flatMap((x) => [[x, top], [x, bottom]])];
        const ratios = points.map(([x, y]) => contrast(pixel(x, y), [192, 192, 255]));
        const least = Math.min(...ratios);
        check(`${id}'s edge stands out from the window, 3:1 or more (least ${least.toFixed(2)}:1)`, least >= 3, ratios);
    }
}

// In forced colours (Windows' contrast themes) every control takes the
// system's colours, not the window's own.
export async function forcedColours(visit) {
    try {
        await visit.browser.forcedColours(true);
    } catch (error) {
        cannot('emulate forced colours', error, 'they are checked in chromium');
        return;
    }
    const colours = await visit.js(() => {
        const system = (name) => {
            const probe = document.body.appendChild(document.createElement('span'));
            probe.style.backgroundColor = name;
            const colour = getComputedStyle(probe).backgroundColor;
            probe.remove();
            return colour;
        };
        const background = (id) => getComputedStyle(document.getElementById(id)).backgroundColor;
        return [matchMedia('(forced-colors: active)').matches, background('Command1_0') === system('ButtonFace'),
            background('Command1_1') === system('ButtonFace'), background('window') === system('Canvas'),
            background('Label1_0') === system('Canvas')];
    });
    check('in forced colours the controls and the window take the system\'s colours', colours.every(Boolean), colours);
    await visit.browser.forcedColours(false);
}
