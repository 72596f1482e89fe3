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

// The page is kept once, as the site's address; any page address gets it.
// Whatever else of the site's comes is kept as it is first fetched: the
// scripts a page loads only where its browser lacks something.
self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    const request = event.request.mode === 'navigate' ? './' : event.request;
    event.respondWith(
        caches.open(cacheName).then(async (cache) => {
            const cached = await cache.match(request, { ignoreSearch: true });
            if (cached) return cached;
            const response = await fetch(event.request);
            if (response.ok && new URL(event.request.url).origin === self.location.origin) {
                await cache.put(event.request, response.clone());
            }
            return response;
        }),
    );
});
