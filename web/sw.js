// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Keeps the site's files in the browser's cache, so that once the page has
// been opened it opens and works with the network gone. The build fills in
// every file of this release with its SHA-256, the files kept at once, and
// a version made from all of them.
//
// A new release installs beside the old one and takes over only once no
// page of the old one is open: a page runs with the scripts of its own
// release, never another's. Every file comes from the network past the
// browser's HTTP cache, and every script only with this release's content.
const cacheName = 'zerkovan-{{Version}}';
const release = /* {{Release}} */ {};
const atOnce = /* {{AtOnce}} */ [];

const scope = new URL(self.registration.scope);
// A site's file by its path under the worker's scope, as the release names
// it; null for anything else.
function fileOf(url) {
    const address = new URL(url, scope);
    if (address.origin !== scope.origin || !address.pathname.startsWith(scope.pathname)) return null;
    const path = address.pathname.slice(scope.pathname.length) || './';
    return Object.hasOwn(release, path) ? path : null;
}

// The scripts and the module come only as this release's; the rest as the
// host sends it (the release names no hash for them): hosts add to pages
// and rewrite icons and text.
const fromNetwork = (file) => new Request(file, { cache: 'no-cache', integrity: release[file] });

// A full store is no failure of the page's: what could not be kept is
// fetched again the next time.
const keep = (cache, file, response) => cache.put(file, response).catch(() => {});

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(atOnce.map(fromNetwork))));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) => Promise.all(names.filter((name) => name !== cacheName).map((name) => caches.delete(name))))
            .then(() => self.clients.claim()),
    );
});

// The page is kept once, as the site's address; any page address gets it,
// and an address of another of the release's files, such as its notices,
// that file. The scripts a page loads only where its browser lacks
// something are kept as they are first fetched.
self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    const navigates = event.request.mode === 'navigate';
    const named = fileOf(event.request.url);
    const file = navigates && named === null ? './' : named;
    if (file === null) return;
    event.respondWith(
        caches.open(cacheName).then(async (cache) => {
            const cached = await cache.match(file);
            if (cached) return cached;
            let response;
            try {
                response = await fetch(fromNetwork(file));
            } catch (failure) {
                // The network failed, or a file's bytes were not this
                // release's (its integrity): a page address is asked for
                // once more as the browser asked for it; a script of
                // another release is never given.
                if (navigates) return fetch(event.request);
                throw failure;
            }
            if (response.ok) event.waitUntil(keep(cache, file, response.clone()));
            return response;
        }),
    );
});

// A page that ran before this worker was in charge names the scripts it
// loaded, so that they are there offline too.
self.addEventListener('message', (event) => {
    const files = (Array.isArray(event.data?.keep) ? event.data.keep : []).map(fileOf).filter((file) => file !== null);
    event.waitUntil(
        caches.open(cacheName).then((cache) =>
            Promise.all(
                files.map(async (file) => {
                    if (await cache.match(file)) return;
                    const response = await fetch(fromNetwork(file)).catch(() => null);
                    if (response?.ok) await keep(cache, file, response);
                }),
            ),
        ),
    );
});
