// The page offline: every file the page needs is kept in the browser's cache
// at the first visit, answered from there, and refreshed from the network in
// the background, so a page opened once starts and runs with no network.
// All paths are relative to this script, so the page works under any sub-path.
/// <reference lib="webworker" />
export {};
declare const self: ServiceWorkerGlobalScope;

const kCache = "breathlab-page";
const kFiles = [
  "./", "index.html", "breathlab.js", "worker.js", "report.js", "breathlab.css", "breathlab.wasm", "help.json",
  "standard.dat.gz", "case_table.txt", "pdp.txt", "breathlab.svg", "manifest.webmanifest",
  "hot_spots.txt", "airway-background.jpg", "airway-1.jpg", "airway-2.jpg", "airway-3.jpg", "airway-4.jpg", "airway-5.jpg",
];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(self.clients.claim());
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches.open(kCache).then(async (cache) => {
      const cached = await cache.match(request, { ignoreSearch: true });
      const fresh = fetch(request)
        .then((response) => {
          if (response.ok) void cache.put(request, response.clone());
          return response;
        })
        .catch(() => undefined);
      if (cached) {
        event.waitUntil(fresh);
        return cached;
      }
      return (await fresh) ?? new Response("offline, and not kept for offline use", { status: 503 });
    }),
  );
});
