// What the page tests share: a plain static server for the site on the loopback address (under
// /sub/ too, as a site in a subfolder), Chromium from Debian, and the count of checks.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";
import { createRequire } from "node:module";

// playwright-core from the pages' own locked packages (the tests run from web/pages).
export const { chromium } = createRequire(`${process.cwd()}/`)("playwright-core");

const types = {
  ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".wasm": "application/wasm",
  ".svg": "image/svg+xml", ".png": "image/png", ".webmanifest": "application/manifest+json",
};

export async function serve(site) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname))
      .replace(/^\/sub\//, "/");
    try {
      const body = await readFile(join(site, path.endsWith("/") ? `${path}index.html` : path));
      response.writeHead(200, { "Content-Type": types[extname(path)] ?? "application/octet-stream" });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return { server, origin: `http://127.0.0.1:${server.address().port}` };
}

export const checks = { passed: 0, failed: 0 };
export function check(name, condition, detail = "") {
  if (condition) {
    checks.passed += 1;
  } else {
    checks.failed += 1;
    console.log(`FAIL ${name} ${detail}`);
  }
}

export function launch() {
  return chromium.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox"] });
}

// A page in a context of its own, in `locale`, that may use the clipboard; a script error on it
// fails the test.
export async function pageIn(browser, origin, locale) {
  const context = await browser.newContext({ locale });
  await context.grantPermissions(["clipboard-read", "clipboard-write"], { origin });
  const page = await context.newPage();
  page.on("pageerror", (error) => check(`${locale}: no script error`, false, error.message));
  return { context, page };
}

// Offline after a visit: the browser's offline switch does not reach the service worker's own
// fetches, so the server stops too. Answers the addresses the page then fails to load.
export function goOffline(context, page, server) {
  const missing = [];
  page.on("requestfailed", (request) => missing.push(request.url()));
  server.closeAllConnections();
  server.close();
  return context.setOffline(true).then(() => missing);
}

export function finish() {
  console.log(`${checks.passed} passed, ${checks.failed} failed`);
  process.exit(checks.failed === 0 ? 0 : 1);
}
