// After the first visit the pages work without the server: the service worker keeps them.
export function registerServiceWorker(): void {
  if ("serviceWorker" in navigator && location.protocol !== "file:") {
    navigator.serviceWorker.register("service_worker.js").catch(() => {
      // The pages work online without it.
    });
  }
}
