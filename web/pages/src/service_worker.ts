// Keeps every file of the site on the first visit and answers from what it keeps, so that both
// pages work offline. Paths are relative to the worker: the site may live in a subfolder.
/// <reference lib="webworker" />
export {};
declare const self: ServiceWorkerGlobalScope;

const CACHE = "spbrg-site-2";
const FILES = [
  "./", "index.html", "workbench.css", "workbench.js", "workbench.wasm", "workbench_page.js",
  "locale_early.js",
  "calculator.html", "calculator.css", "calculator.js", "calculator.wasm", "calculator_page.js",
  "manifest.webmanifest", "icon.svg", "icon-192.png", "icon-512.png",
];

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()),
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
