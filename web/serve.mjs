// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Serves the built site on 127.0.0.1 for a person or a check to open.
//   usage: node serve.mjs SITE_FOLDER [PORT]
// Any static host does as well; with the types below a browser compiles the
// module as it comes (with another, the page compiles it from its bytes).
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';

export const Types = {
    '.html': 'text/html; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.json': 'application/manifest+json',
    '.wasm': 'application/wasm',
    '.woff2': 'font/woff2',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.txt': 'text/plain; charset=utf-8',
};

// `answer(path, body)` may change what a file's request gets: a checks'
// server leaves a file out, adds to the page, sends a file late, or as a host
// that does not know its type would. It returns (or resolves to) the body to
// send, null for 404, or { body, type, cacheControl } for another type or
// another caching rule.
export function serveSite(folder, port = 0, answer = (path, body) => body) {
    const server = createServer(async (request, response) => {
        const path = normalize(decodeURIComponent(new URL(request.url, 'http://host').pathname));
        const file = path.endsWith('/') ? `${path}index.html` : path;
        let body = null;
        let type = Types[extname(file)];
        let cacheControl = 'no-cache';
        if (!file.includes('..') && type) {
            body = await answer(file, await readFile(join(folder, file)).catch(() => null));
            if (body?.body !== undefined) ({ body, type = type, cacheControl = cacheControl } = body);
        }
        if (body === null) {
            response.writeHead(404, { 'content-type': 'text/plain; charset=utf-8' }).end('Not found');
        } else {
            response.writeHead(200, { 'content-type': type, 'cache-control': cacheControl })
                .end(request.method === 'HEAD' ? undefined : body);
        }
    });
    return new Promise((resolve) => {
        server.listen(port, '127.0.0.1', () => {
            server.url = `http://127.0.0.1:${server.address().port}/`;
            resolve(server);
        });
    });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const [folder, port = '8000'] = process.argv.slice(2);
    if (!folder) {
        console.error('usage: node serve.mjs SITE_FOLDER [PORT]');
        process.exit(2);
    }
    const server = await serveSite(folder, Number(port));
    console.log(`Zerkovan on ${server.url} (Ctrl+C ends)`);
}
