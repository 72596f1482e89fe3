// The engine, compiled to WebAssembly: the page hands it the input box's
// text and the decimal separator and gets back the output box's text, or
// the message of a failed run. Every number rule lives in the engine.

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// The browser has no WebAssembly: switched off by a policy or a lockdown mode.
export class NoWebAssembly extends Error {}

// Rejects when the browser cannot run the module: NoWebAssembly, or the
// reason the module did not come or did not compile.
export async function loadEngine(url) {
    if (typeof WebAssembly !== 'object') throw new NoWebAssembly('no WebAssembly');
    const response = await fetch(url);
    if (!response.ok) throw new Error(`${url}: ${response.status} ${response.statusText}`);
    const { instance } = await WebAssembly.instantiateStreaming(response, {});
    const module = instance.exports;
    module._initialize();

    const put = (room, text) => {
        const bytes = encoder.encode(text);
        const at = room(bytes.length);
        new Uint8Array(module.memory.buffer, at, bytes.length).set(bytes);
    };
    // The memory may grow during a run: views are taken afresh each time.
    const take = (at, size) => decoder.decode(new Uint8Array(module.memory.buffer, at, size));

    return {
        run(input, separator) {
            put(module.zerkovan_input, input);
            put(module.zerkovan_separator, separator);
            const failed = module.zerkovan_run() !== 0;
            return {
                output: take(module.zerkovan_output(), module.zerkovan_output_size()),
                failure: failed ? take(module.zerkovan_message(), module.zerkovan_message_size()) : null,
            };
        },
    };
}
