// Play without a network: a service worker keeps the site's files once the page
// has been opened (quillmere-service-worker.js). Browsers run one only for pages
// served over https:// or from the computer itself; elsewhere the page plays as
// before, fetching everything each time.
export function keepForOffline() {
    if (!globalThis.isSecureContext || !("serviceWorker" in navigator))
        return;
    navigator.serviceWorker.register("quillmere-service-worker.js").catch(error => {
        console.warn(`Quillmere cannot be kept for play offline: ${error.message || error}`);
    });
}
