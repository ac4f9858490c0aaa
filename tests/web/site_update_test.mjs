// A visitor whose browser keeps the site gets a changed site: the service worker is named after
// the site's files, so a changed file makes a new worker, which fetches the site anew and drops
// the old cache, online and then offline. An unchanged site keeps its worker byte for byte.
// usage: node site_update_test.mjs SITE_DIR   (from web/pages, where playwright-core is)
import { execFileSync } from "node:child_process";
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { check, finish, goOffline, launch, pageIn, serve } from "./page_checks.mjs";

const site = mkdtempSync(join(tmpdir(), "site-"));
cpSync(process.argv[2], site, { recursive: true });
const stamp = () => execFileSync("./stamp_worker.sh", [site]);
const worker = () => readFileSync(join(site, "service_worker.js"), "utf8");

const before = worker();
stamp();
check("an unchanged site keeps its worker", worker() === before);

const { server, origin } = await serve(site);
const browser = await launch();
const { context, page } = await pageIn(browser, origin, "en-US");
const cacheNames = () => page.evaluate(() => caches.keys());

await page.goto(`${origin}/index.html`);
await page.evaluate(() => navigator.serviceWorker.ready);
await page.reload();
const [kept] = await cacheNames();
check("the first visit keeps the site", (await page.title()) === "SPBRG Workbench", await page.title());

const index = join(site, "index.html");
writeFileSync(index, readFileSync(index, "utf8").replace("<title>SPBRG Workbench", "<title>SPBRG Workbench, new"));
stamp();
check("a changed site has another worker", worker() !== before);

// The browser looks for a new worker at each visit; asked here, so that the test need not wait.
// The new worker takes the page over once it has kept the new site and dropped the old cache.
await page.evaluate(() => {
  navigator.serviceWorker.addEventListener("controllerchange", () => { window.newWorker = true; });
  return navigator.serviceWorker.getRegistration().then((registration) => registration.update());
});
const takenOver = await page.waitForFunction(
  () => window.newWorker === true && navigator.serviceWorker.controller?.state === "activated",
).then(() => true, () => false);
check("a new worker takes over", takenOver);
check("the old cache goes", !(await cacheNames()).includes(kept), JSON.stringify(await cacheNames()));
await page.reload();
check("the changed site reaches the visitor", (await page.title()) === "SPBRG Workbench, new", await page.title());

const missing = await goOffline(context, page, server);
await page.reload();
check("offline: the changed site", (await page.title()) === "SPBRG Workbench, new", await page.title());
check("offline: every file the page asks for is kept", missing.length === 0, missing.join(" "));

await browser.close();
rmSync(site, { recursive: true, force: true });
finish();
