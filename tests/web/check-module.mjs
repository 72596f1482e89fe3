// The engine compiled to WebAssembly against the native one: every text the
// input box admits, and numbers of every magnitude, with both separators,
// must give the same bytes and the same outcome.   usage: node check-module.mjs SITE/zerkovan.wasm SWEEP_PROGRAM
import { spawn } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import { createInterface } from 'node:readline';

const [wasmPath, sweepProgram] = process.argv.slice(2);
const module = await WebAssembly.compile(await readFile(wasmPath));
const imports = WebAssembly.Module.imports(module);
if (imports.length > 0) throw new Error(`the module imports ${JSON.stringify(imports)}`);
const engine = (await WebAssembly.instantiate(module, {})).exports;
engine._initialize();

const encoder = new TextEncoder();
const put = (room, text) => {
    const bytes = encoder.encode(text);
    new Uint8Array(engine.memory.buffer, room(bytes.length), bytes.length).set(bytes);
};
const bytesAt = (at, size) => Buffer.from(engine.memory.buffer, at, size);

let checked = 0;
const problems = [];
const sweep = spawn(sweepProgram, { stdio: ['ignore', 'pipe', 'inherit'] });
for await (const line of createInterface({ input: sweep.stdout })) {
    const expected = JSON.parse(line);
    put(engine.zerkovan_input, expected.input);
    put(engine.zerkovan_separator, expected.separator);
    const failed = engine.zerkovan_run() !== 0;
    const output = bytesAt(engine.zerkovan_output(), engine.zerkovan_output_size());
    if (failed !== expected.failed || !output.equals(Buffer.from(expected.output, 'utf8'))) {
        problems.push(`${JSON.stringify(expected.input)} with "${expected.separator}": ` +
            `${JSON.stringify(output.toString('utf8').slice(-60))}, not ${JSON.stringify(expected.output.slice(-60))}`);
    }
    checked += 1;
}
const status = await new Promise((resolve) => sweep.on('close', resolve));
if (status !== 0) throw new Error(`the sweep program ended with status ${status}`);
if (checked < 2 * 3907) throw new Error(`${checked} texts checked, fewer than the box admits`);
for (const problem of problems.slice(0, 10)) console.log(`FAIL: ${problem}`);
console.log(`${problems.length === 0 ? 'PASS' : 'FAIL'}: ${checked - problems.length} of ${checked} runs give the native bytes`);
process.exit(problems.length === 0 ? 0 : 1);
