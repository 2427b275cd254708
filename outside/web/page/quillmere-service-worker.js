// Keeps the site for play without a network. The page's and program's own files
// come from the cache of this release, kept whole at the first visit and fetched
// past the browser's HTTP cache (and any proxy's), as quillmere.js and .wasm keep
// their names across releases; a new release is a new cache, and the old one goes.
// Every other file (the program folder's: the country list, sounds, pointer, skin,
// fonts, a language's fonts and country list) is fetched from the server whenever
// it answers, so that a replaced file wins, and kept for when it does not; a file
// the server no longer has is missing, as without the worker.
importScripts("quillmere-site.js");
const site = self.quillmereSite;
const cacheName = `quillmere-${site.release}`;
const inScope = name => new URL(name, self.registration.scope).href;
const pageFiles = new Set(site.pageFiles.map(inScope));
const programFiles = new Set(site.programFiles.map(inScope));

self.addEventListener("install", event => {
    event.waitUntil((async () => {
        const cache = await caches.open(cacheName);
        await cache.addAll(site.pageFiles.map(name => new Request(name, { cache: "reload" })));
        // The skin is optional: a folder without one keeps no copy of it.
        await Promise.all(site.programFiles.map(name => cache.add(new Request(name, { cache: "no-cache" }))
            .catch(() => {})));
        await self.skipWaiting();
    })());
});

// The files the new release did not fetch itself (a language's) go on from the old
// release's cache.
self.addEventListener("activate", event => {
    event.waitUntil((async () => {
        const cache = await caches.open(cacheName);
        for (const name of await caches.keys()) {
            if (!name.startsWith("quillmere-") || name === cacheName)
                continue;
            const old = await caches.open(name);
            for (const request of await old.keys()) {
                if (!pageFiles.has(request.url) && !programFiles.has(request.url))
                    await keep(cache, request, await old.match(request));
            }
            await caches.delete(name);
        }
        await self.clients.claim();
    })());
});

self.addEventListener("fetch", event => {
    const request = event.request;
    if (request.method !== "GET" || !request.url.startsWith(self.registration.scope))
        return;
    const address = request.url.split(/[?#]/)[0];
    event.respondWith(pageFiles.has(address) ? kept(request) : fresh(request));
});

// The page's first visit fetches its language's files before the worker controls
// it; it names them once the worker runs, and they are kept as if fetched here.
self.addEventListener("message", event => {
    const names = event.data && event.data.keep;
    if (!Array.isArray(names))
        return;
    const inSite = names.map(inScope).filter(address => address.startsWith(self.registration.scope));
    event.waitUntil(Promise.all(inSite.map(address => fresh(new Request(address, { cache: "no-cache" }))
        .catch(() => {}))));
});

async function fresh(request) {
    const cache = await caches.open(cacheName);
    let response;
    try {
        response = await fetch(request);
    } catch (offline) {
        return (await cache.match(request)) || Response.error();
    }
    if (response.status === 200 && !response.redirected)
        await keep(cache, request, response.clone());
    else if (response.status === 404 || response.status === 410)
        await cache.delete(request);
    return response;
}

// A copy that cannot be kept (storage full, an answer the cache refuses) leaves the
// answer as good as it was.
async function keep(cache, request, response) {
    try {
        await cache.put(request, response);
    } catch (e) {
        console.warn(`Quillmere cannot keep ${request.url} for play offline: ${e.message || e}`);
    }
}

// A page opened with a query (the tests' draw of the home page) is the same page.
async function kept(request) {
    const cache = await caches.open(cacheName);
    const copy = await cache.match(request, { ignoreSearch: request.mode === "navigate" });
    return copy || fetch(request);
}
