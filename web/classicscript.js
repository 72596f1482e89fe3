// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Loads a classic script beside the page and resolves to the global it
// defines, or at once where the page carries it already (the single file).
// A classic script, unlike a module or a fetch, also loads into a page
// opened from a disk.
const loaded = [];
export function loadScript(url, name) {
    if (globalThis[name]) return Promise.resolve(globalThis[name]);
    return new Promise((resolve, reject) => {
        const script = document.createElement('script');
        script.src = url;
        script.onload = () => {
            if (!globalThis[name]) return reject(new Error(`${url} defines no ${name}`));
            loaded.push(script.src);
            return resolve(globalThis[name]);
        };
        script.onerror = () => reject(new Error(`${url} did not load`));
        document.head.append(script);
    });
}

// The addresses of the scripts loaded so far.
export const loadedScripts = () => [...loaded];
