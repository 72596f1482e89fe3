// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// ShowTriangle for 99 in the WebAssembly module under Node.js: the engine's
// run alone, as the native benchmark (1) times it. Prints microseconds.
//   usage: node module-bench.mjs SITE/zerkovan.wasm
import { readFile } from 'node:fs/promises';

const engine = (await WebAssembly.instantiate(await readFile(process.argv[2]), {})).instance.exports;
engine._initialize();
const put = (which, text) => {
    const bytes = new TextEncoder().encode(text);
    new Uint8Array(engine.memory.buffer, engine.zerkovan_room(which, bytes.length), bytes.length).set(bytes);
};
put(0, '99'); // the input
put(1, '.'); // the decimal separator

const runs = 20000;
const batches = [];
for (let batch = 0; batch < 7; batch += 1) {
    const start = process.hrtime.bigint();
    for (let i = 0; i < runs; i += 1) engine.zerkovan_click(0);
    batches.push(Number(process.hrtime.bigint() - start) / 1e3 / runs);
}
batches.sort((a, b) => a - b);
console.log(batches[3].toFixed(2)); // the median batch
