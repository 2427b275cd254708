// Keeps the site for play without a network. The page's and program's own files
// come from the cache of this release, kept whole at the first visit; a new
// release is a new cache, and the old one goes. Every other file (the program
// folder's: the country list, sounds, pointer, skin, fonts, a language's fonts) is
// fetched from the server whenever it answers, so that a replaced file wins, and
// kept for when it does not; a file the server no longer has is missing, as
// without the worker.
importScripts("quillmere-site.js");
const site = self.quillmereSite;
const cacheName = `quillmere-${site.release}`;
const inScope = name => new URL(name, self.registration.scope).href;
const pageFiles = new Set(site.pageFiles.map(inScope));

self.addEventListener("install", event => {
    event.waitUntil((async () => {
        const cache = await caches.open(cacheName);
        await cache.addAll(site.pageFiles);
        // The skin is optional: a folder without one keeps no copy of it.
        await Promise.all(site.programFiles.map(name => cache.add(new Request(name, { cache: "no-cache" }))
            .catch(() => {})));
        await self.skipWaiting();
    })());
});

self.addEventListener("activate", event => {
    event.waitUntil((async () => {
        for (const name of await caches.keys()) {
            if (name.startsWith("quillmere-") && name !== cacheName)
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

async function fresh(request) {
    const cache = await caches.open(cacheName);
    let response;
    try {
        response = await fetch(request);
    } catch (offline) {
        const copy = await cache.match(request);
        if (copy)
            return copy;
        throw offline;
    }
    if (response.ok && !response.redirected)
        await cache.put(request, response.clone());
    else if (response.status === 404 || response.status === 410)
        await cache.delete(request);
    return response;
}

// A page opened with a query (the tests' draw of the home page) is the same page.
async function kept(request) {
    const cache = await caches.open(cacheName);
    const copy = await cache.match(request, { ignoreSearch: request.mode === "navigate" });
    return copy || fetch(request);
}
