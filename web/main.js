// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The page as the window: «Изведи» runs the window's handler on the input
// box's text and shows what it wrote and says its verdict, «Изчисти» empties
// both boxes. The page only moves text between the boxes and the module,
// and takes its limits and texts from the page the tables made.
import { loadEngine, NotLoaded } from './engine.js';
import { loadedScripts, loadScript } from './classicscript.js';
import { hasSegmenter, keepToRule, useGraphemeSplitter } from './inputrule.js';
import { decimalSeparatorFor } from './separator.js';

const element = (id) => document.getElementById(id);
const input = element('Text2_0');
const InputLimit = Number(input.dataset.limit);
const output = element('Text2_1');
const errorDialog = element('error');
const verdict = element('verdict');
const printedOutput = element('printout-output');
element('printout-task').textContent = element('Text1_0').value;

// Narrower than the window, the whole window shrinks to fit.
function fitToViewport() {
    const clientArea = element('window');
    const scale = Math.min(1, document.documentElement.clientWidth / clientArea.offsetWidth);
    document.documentElement.style.setProperty('--scale', String(scale));
}

function showOutput(text) {
    output.value = text;
    printedOutput.textContent = output.value;
    output.setSelectionRange(0, 0);
    output.scrollTop = 0;
}

// The status region says the verdict, the output's last line, politely and
// without moving the focus; the rows are not read out. It is emptied first
// and filled a moment later, so that the same verdict twice is said twice.
let announcing = 0;
function announce(line) {
    clearTimeout(announcing);
    verdict.textContent = '';
    if (line !== '') announcing = setTimeout(() => { verdict.textContent = line; }, 100);
}

// What happened, in the user's words: the server answered with an error,
// or nothing came.
function notLoadedMessage(failure) {
    const messages = errorDialog.dataset;
    if (failure instanceof NotLoaded && failure.status !== null) {
        return messages.notServed.replace('%1', String(failure.status));
    }
    return messages.notLoaded;
}

function showMessage(text) {
    element('error-text').textContent = text;
    if (!errorDialog.open) errorDialog.showModal();
}

const setInput = keepToRule(input, InputLimit);
const graphemes = hasSegmenter ? null : loadScript('graphemes.js', 'zerkovanGraphemes').then(useGraphemeSplitter, () => {});
fitToViewport();
addEventListener('resize', fitToViewport);
element('error-close').addEventListener('click', () => errorDialog.close());

// A module that did not come is told of when «Изведи» is pressed; until
// then nothing is amiss.
const engine = loadEngine('zerkovan.wasm', 'zerkovan.wasm.js');
engine.catch(() => {});
const separator = decimalSeparatorFor(navigator.languages?.[0] ?? navigator.language);

// Submitted by a click on «Изведи», Enter in the input box, or Enter or Space
// on the button. A click before the module has loaded runs once it has, on
// the input as it was when pressed; «Изчисти», or a later press, cancels it.
// Submissions are counted so that a later one, or «Изчисти», cancels an
// earlier one still waiting for the module.
let submissions = 0;
element('controls').addEventListener('submit', async (event) => {
    event.preventDefault();
    const submission = ++submissions;
    const text = input.value;
    let loaded;
    try {
        loaded = await engine;
    } catch (failure) {
        if (submission === submissions) showMessage(notLoadedMessage(failure));
        return;
    }
    if (submission !== submissions) return;
    const { output: shown, verdict: said, failure } = loaded.run(text, separator);
    showOutput(shown);
    announce(said);
    if (failure !== null) showMessage(errorDialog.dataset.runErrorStart + failure);
});
// The boxes empty at once, whether or not the module has come.
element('Command1_1').addEventListener('click', () => {
    submissions += 1;
    setInput('');
    showOutput('');
    announce('');
    engine.then((loaded) => loaded.clear(), () => {});
});

// Only a site served over HTTP or HTTPS keeps itself offline; a page opened
// from a disk, or the single file, has no service worker to register. The
// scripts this browser needed beside the page are named to the worker, which
// was not yet in charge when the first visit loaded them.
// A worker that cannot keep this release (the host changed one of its
// scripts, which must be this release's byte for byte) is discarded, and
// the page then works online only: it takes back its manifest, so that the
// browser does not offer to install as an app what would not open offline.
function onlineOnly() {
    document.querySelector('link[rel="manifest"]')?.remove();
}
const served = /^https?:$/.test(location.protocol) && document.documentElement.dataset.edition !== 'single-file';
if (served && 'serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').then((registration) => {
        const worker = registration.installing;
        worker?.addEventListener('statechange', () => {
            if (worker.state === 'redundant' && registration.active === null) onlineOnly();
        });
    }, onlineOnly);
    Promise.allSettled([engine, graphemes])
        .then(() => navigator.serviceWorker.ready)
        .then((registration) => registration.active?.postMessage({ keep: loadedScripts() }));
}
