// Keeps every file of the site on the first visit and answers from what it keeps, so that both
// pages work offline. Paths are relative to the worker: the site may live in a subfolder. The
// cache is named after the site's files (stamp_worker.sh): a changed site is a changed worker,
// which the browser installs, fetching every file anew, while the old cache goes.
/// <reference lib="webworker" />
export {};
declare const self: ServiceWorkerGlobalScope;
declare const SITE_VERSION: string;

const CACHE = `spbrg-site-${SITE_VERSION}`;
const FILES = [
  "./", "index.html", "workbench.css", "workbench.js", "workbench.wasm", "workbench_page.js",
  "locale_early.js",
  "calculator.html", "calculator.css", "calculator.js", "calculator.wasm", "calculator_page.js",
  "manifest.webmanifest", "icon.svg", "icon-192.png", "icon-512.png",
];

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches.open(CACHE)
      // From the server, not from the browser's HTTP cache, which may still hold the old files.
      .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: "reload" }))))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((keys) => Promise.all(keys.filter((k) => k !== CACHE).map((k) => caches.delete(k))))
      .then(() => self.clients.claim()),
  );
});

// The kept file, whatever the address's question; the network only for what is not kept.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET") {
    return;
  }
  event.respondWith(
    caches.match(request, { ignoreSearch: true }).then((kept) => kept ?? fetch(request)),
  );
});
