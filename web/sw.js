// Keeps the site's files in the browser's cache, so that once the page has
// been opened it opens and works with the network gone. The build fills in
// the files and a version that changes whenever one of them does.
const cacheName = 'zerkovan-{{Version}}';
const files = /* {{Files}} */ [];

self.addEventListener('install', (event) => {
    event.waitUntil(
        caches
            .open(cacheName)
            .then((cache) => cache.addAll(files))
            .then(() => self.skipWaiting()),
    );
});

self.addEventListener('activate', (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) => Promise.all(names.filter((name) => name !== cacheName).map((name) => caches.delete(name))))
            .then(() => self.clients.claim()),
    );
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith(
        caches
            .open(cacheName)
            .then((cache) => cache.match(event.request, { ignoreSearch: true }))
            .then((cached) => cached ?? fetch(event.request)),
    );
});
