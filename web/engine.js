// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The engine: the page hands it the input box's text and the decimal
// separator and gets back the output box's text, or the message of a failed
// run. Every number rule lives in the engine. It is the WebAssembly module
// where the browser can have it, and otherwise the same module translated to
// JavaScript by wasm2js at build time: where WebAssembly is switched off by a
// policy or a lockdown mode, or refused by the page's security policy
// (Safari 15), or where the module cannot be fetched (a page opened from a
// disk). The single-file edition carries the translated engine inside it.

import { loadScript } from './classicscript.js';

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// The module did not come: the server answered with an error (`status` is
// its code), or nothing came at all (`status` is null).
export class NotLoaded extends Error {
    constructor(url, status = null, statusText = '') {
        super(status === null ? `${url}: nothing came` : `${url}: ${status} ${statusText}`);
        this.status = status;
    }
}

// Streaming needs exactly application/wasm: the browser refuses any other
// type, even application/wasm with a parameter. Any other type is compiled
// from its bytes.
async function compiled(response) {
    const type = (response.headers.get('content-type') ?? '').trim().toLowerCase();
    if (type === 'application/wasm' && typeof WebAssembly.instantiateStreaming === 'function') {
        return WebAssembly.instantiateStreaming(response, {});
    }
    const bytes = await response.arrayBuffer().catch(() => null);
    if (bytes === null) throw new NotLoaded(response.url);
    return WebAssembly.instantiate(bytes, {});
}

// The module's exports, or null where WebAssembly cannot run it here.
async function moduleExports(url) {
    if (typeof WebAssembly !== 'object') return null;
    let response;
    try {
        response = await fetch(url);
    } catch {
        return null; // from a disk, or no network: the translated engine may still come
    }
    if (!response.ok) throw new NotLoaded(url, response.status, response.statusText);
    try {
        return (await compiled(response)).instance.exports;
    } catch (failure) {
        if (failure instanceof NotLoaded) throw failure;
        return null; // refused to compile: the translated engine runs instead
    }
}

// The page's side of the module's interface, over its exports. Its texts
// are numbered as the module numbers them.
const Input = 0, Separator = 1, Output = 2, Verdict = 3, Message = 4;
export function engineOver(module) {
    module._initialize();
    const put = (which, text) => {
        const bytes = encoder.encode(text);
        const at = module.zerkovan_room(which, bytes.length);
        new Uint8Array(module.memory.buffer, at, bytes.length).set(bytes);
    };
    // The memory may grow during a run: views are taken afresh each time.
    const take = (which) =>
        decoder.decode(new Uint8Array(module.memory.buffer, module.zerkovan_text(which), module.zerkovan_text_size(which)));
    const click = (index) => ({
        failure: module.zerkovan_click(index) !== 0 ? take(Message) : null,
        output: take(Output),
        verdict: take(Verdict),
    });
    return {
        // «Изведи» on the input box's text: the output box's text, the
        // verdict to say, and the failure's message or null.
        run(input, separator) {
            put(Input, input);
            put(Separator, separator);
            return click(0);
        },
        // «Изчисти»: the window's state starts afresh.
        clear: () => click(1),
    };
}

// Rejects with NotLoaded only when neither form of the engine came; the
// module's failure is the one told of, as the one the page asked for first.
export async function loadEngine(moduleUrl, translatedUrl) {
    let failure = null;
    if (!globalThis.zerkovanTranslated) {
        try {
            const module = await moduleExports(moduleUrl);
            if (module) return engineOver(module);
        } catch (notLoaded) {
            failure = notLoaded;
        }
    }
    try {
        return engineOver(await loadScript(translatedUrl, 'zerkovanTranslated'));
    } catch {
        throw failure ?? new NotLoaded(translatedUrl);
    }
}
