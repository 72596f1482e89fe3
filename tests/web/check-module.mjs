// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The engine compiled to WebAssembly, and the same module translated to
// JavaScript, against the native one: every text the input box admits, and
// numbers of every magnitude, with both separators, run through the page's
// own glue (engine.js), must give the native text and outcome.
//   usage: node check-module.mjs SITE SWEEP_PROGRAM
import { spawn } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { createInterface } from 'node:readline';
import { runInNewContext } from 'node:vm';
import { engineOver } from '../../web/engine.js';

const [site, sweepProgram] = process.argv.slice(2);
const module = await WebAssembly.compile(await readFile(join(site, 'zerkovan.wasm')));
const imports = WebAssembly.Module.imports(module);
if (imports.length > 0) throw new Error(`the module imports ${JSON.stringify(imports)}`);
// The translated engine as a page loads it: a classic script that defines
// one global, here in a context of its own that has no WebAssembly.
const page = {};
runInNewContext(await readFile(join(site, 'zerkovan.wasm.js'), 'utf8'), page);
const engines = { 'WebAssembly module': (await WebAssembly.instantiate(module, {})).exports, 'translated engine': page.zerkovanTranslated };

// Each run through the page's own glue, as «Изведи» makes it.
const runs = Object.fromEntries(Object.entries(engines).map(([name, engine]) => [name, engineOver(engine).run]));

let checked = 0;
const problems = Object.fromEntries(Object.keys(engines).map((name) => [name, []]));
const sweep = spawn(sweepProgram, { stdio: ['ignore', 'pipe', 'inherit'] });
for await (const line of createInterface({ input: sweep.stdout })) {
    const expected = JSON.parse(line);
    for (const [name, run] of Object.entries(runs)) {
        const { output, failure } = run(expected.input, expected.separator);
        if ((failure !== null) !== expected.failed || output !== expected.output) {
            problems[name].push(`${JSON.stringify(expected.input)} with "${expected.separator}": ` +
                `${JSON.stringify(output.slice(-60))}, not ${JSON.stringify(expected.output.slice(-60))}`);
        }
    }
    checked += 1;
}
const status = await new Promise((resolve) => sweep.on('close', resolve));
if (status !== 0) throw new Error(`the sweep program ended with status ${status}`);
if (checked < 2 * 3907) throw new Error(`${checked} texts checked, fewer than the box admits`);
let failures = 0;
for (const [name, found] of Object.entries(problems)) {
    for (const problem of found.slice(0, 10)) console.log(`FAIL: the ${name}: ${problem}`);
    console.log(`${found.length === 0 ? 'PASS' : 'FAIL'}: the ${name}: ${checked - found.length} of ${checked} runs give the native text`);
    failures += found.length;
}
process.exit(failures === 0 ? 0 : 1);
