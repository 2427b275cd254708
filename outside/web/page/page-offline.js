// Play without a network: a service worker keeps the site's files once the page
// has been opened (quillmere-service-worker.js). Browsers run one only for pages
// served over https:// or from the computer itself; elsewhere the page plays as
// before, fetching everything each time.
//
// The worker is checked for a new release past the browser's HTTP cache, the
// site's list of files included, which keeps its name across releases.
export function keepForOffline(languageFiles) {
    if (!globalThis.isSecureContext || !("serviceWorker" in navigator))
        return;
    const workers = navigator.serviceWorker;
    // A page the worker did not yet control fetched its language's files past it:
    // the worker keeps them once it runs.
    const seenByTheWorker = Boolean(workers.controller);
    workers.register("quillmere-service-worker.js", { updateViaCache: "none" }).then(() => workers.ready)
        .then(registration => {
            if (!seenByTheWorker)
                registration.active.postMessage({ keep: languageFiles });
        })
        .catch(error => {
            console.warn(`Quillmere cannot be kept for play offline: ${error.message || error}`);
        });
}
