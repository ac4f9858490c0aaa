// The pages' speed and size, as the README's figures are measured: the first result of a link
// (the table and the code shown) against a bare page with the same kinds of widgets whose text is
// in the page, each from navigation start in a fresh Chromium context with service workers off,
// served by the same server, median of 8 pairs; a keystroke's recalculation; and the whole site
// with each file compressed by gzip -9.
// usage (from web/pages): node ../../bench/web/page_bench.mjs SITE_DIR
import { copyFile, readdir, readFile, unlink } from "node:fs/promises";
import { join } from "node:path";
import { gzipSync } from "node:zlib";
import { launch, serve } from "../../tests/web/page_checks.mjs";

const site = process.argv[2];
await copyFile(new URL("./bare_page.html", import.meta.url), join(site, "bare_page.html"));
const { server, origin } = await serve(site);
const browser = await launch();

async function firstShown(path, ready) {
  const context = await browser.newContext({ serviceWorkers: "block" });
  const page = await context.newPage();
  await page.goto(`${origin}/${path}`, { waitUntil: "commit" });
  // The time is taken in the frame that first shows the text, not by a later call, which would
  // wait behind whatever the page does after showing it.
  const shownAt = await page.waitForFunction(`(${ready})() && performance.now()`, null, { polling: "raf" });
  const ms = await shownAt.jsonValue();
  await context.close();
  return ms;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const link = "index.html?device=16F1829&osc=16&baud=115200&baud=9600";
const pages = [];
const bare = [];
for (let i = 0; i < 8; i += 1) {
  pages.push(await firstShown(link, () => (document.getElementById("code")?.textContent ?? "") !== ""));
  bare.push(await firstShown("bare_page.html", () => (document.getElementById("code")?.textContent ?? "") !== ""));
}
console.log(`first result of a link: ${median(pages).toFixed(1)} ms, bare page ${median(bare).toFixed(1)} ms, ` +
  `${(median(pages) / median(bare)).toFixed(2)} x (median of 8 pairs)`);

// A keystroke in the oscillator box: the whole table, the setting and its code worked out again.
{
  const context = await browser.newContext({ serviceWorkers: "block" });
  const page = await context.newPage();
  await page.goto(`${origin}/${link}`);
  await page.waitForFunction(() => (document.getElementById("code")?.textContent ?? "") !== "");
  const times = await page.evaluate(() => {
    const box = document.getElementById("osc");
    const spent = [];
    for (let i = 0; i < 50; i += 1) {
      const start = performance.now();
      box.value = i % 2 === 0 ? "18.432" : "16";
      box.dispatchEvent(new Event("input"));
      spent.push(performance.now() - start);
    }
    return spent;
  });
  console.log(`a keystroke's recalculation (table, setting, code, page): ${median(times).toFixed(2)} ms (median of 50)`);
  await context.close();
}

let total = 0;
for (const file of await readdir(site)) {
  if (file.endsWith(".map") || file === "bare_page.html") continue;
  total += gzipSync(await readFile(join(site, file)), { level: 9 }).length;
}
console.log(`the whole site: ${(total / 1024).toFixed(1)} KiB, each file compressed with gzip -9`);
await browser.close();
server.close();
await unlink(join(site, "bare_page.html"));
