// The workbench page in Debian's Chromium, driven through its accessible names as a user drives
// it: opened from a link, typed into, copied from, with bad values in its link, without its
// WebAssembly, and offline after a visit; in en-US and de-DE. Serves the site itself on the
// loopback address.
// usage: node workbench_page_test.mjs SITE_DIR   (from web/pages, where playwright-core is)
import { check, finish, goOffline, launch, pageIn as pageInContext, serve } from "./page_checks.mjs";

const { server, origin } = await serve(process.argv[2]);
const browser = await launch();

const pageIn = (locale) => pageInContext(browser, origin, locale);

const question = "index.html?device=16F1829&osc=16&baud=115200&baud=9600";

for (const [locale, rate9600, rate115200, error] of [
  ["en-US", "9,600", "115,200", "-0.08%"],
  ["de-DE", "9.600", "115.200", "-0,08%"],
]) {
  const { context, page } = await pageIn(locale);
  await page.goto(`${origin}/sub/${question}`);
  const part = page.getByRole("combobox", { name: "Part" });
  await part.waitFor();
  check(`${locale}: the link's part`, (await part.inputValue()) === "16F1829");
  check(`${locale}: the link's clock`,
    (await page.getByRole("textbox", { name: "Oscillator in MHz" }).inputValue()) === "16");
  const table = page.getByRole("table", { name: "Settings by rate and mode:" });
  const rows = await table.getByRole("row").allInnerTexts();
  check(`${locale}: a row for each rate`, rows.length === 3 && rows[1].startsWith(rate9600) &&
    rows[2].startsWith(rate115200), JSON.stringify(rows));
  const first = await page.locator("#code").innerText();
  check(`${locale}: the first rate's best in C`, first.includes("SPBRG = 160;") &&
    first.includes("SPBRGH = 1;"), first);
  check(`${locale}: the error in the locale`,
    (await page.locator("#settingFacts").innerText()).includes(error));
  // The part list, filled after the first answer, completes what is typed.
  await page.waitForFunction(() => document.querySelectorAll("#parts option").length > 100);
  check(`${locale}: the part list has the parts`, await page.evaluate(() =>
    ["16F1829", "18F47Q43", "PIC24FJ64GA002"].every((name) =>
      document.querySelector(`#parts option[value="${name}"]`) !== null)));

  // A cell chosen by its name, then its code copied.
  await table.getByRole("button", { name: new RegExp(`^${rate115200} baud, 16/4:`) }).click();
  const chosen = await page.locator("#code").innerText();
  check(`${locale}: the chosen cell's code`, chosen.includes("SPBRG = 34;"), chosen);
  await page.getByRole("button", { name: "Copy the C code" }).click();
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  check(`${locale}: the copy is the code shown`, copied.trim() === chosen.trim(), copied);

  // Typing follows every keystroke, and the address follows it.
  const osc = page.getByRole("textbox", { name: "Oscillator in MHz" });
  await osc.fill("");
  await osc.pressSequentially(locale === "de-DE" ? "18,432" : "18.432");
  const typed = await page.locator("#code").innerText();
  check(`${locale}: the table follows the typing`, typed.includes("18.432 MHz"), typed);
  check(`${locale}: the address follows`, page.url().includes("osc=18"), page.url());
  await page.getByRole("checkbox", { name: rate9600 }).uncheck();
  check(`${locale}: an unticked rate leaves the address`, !page.url().includes("baud=9600"),
    page.url());
  await context.close();
}

// Find a clock: the ranking shown with its view, the chosen clock used as the oscillator.
{
  const { context, page } = await pageIn("en-US");
  await page.goto(`${origin}/${question}`);
  await page.getByRole("tab", { name: "Find a clock" }).click();
  const ranking = page.getByRole("table", { name: "Clocks ranked" });
  const rows = await ranking.getByRole("row").allInnerTexts();
  check("find a clock: the rates' columns", rows[0]?.includes("9,600 baud") &&
    rows[0]?.includes("115,200 baud"), rows[0]);
  check("find a clock: clocks ranked", rows.length > 5, String(rows.length));
  const best = (await ranking.getByRole("row").nth(1).locator("td").first().innerText()).trim();
  await page.getByRole("button", { name: "Use this clock" }).click();
  const osc = await page.getByRole("textbox", { name: "Oscillator in MHz" }).inputValue();
  check("find a clock: the chosen clock is the oscillator", osc === best, `${osc} ${best}`);
  await context.close();
}

// Bad values in the link are refused by their boxes as if typed; the page still opens.
{
  const { context, page } = await pageIn("en-US");
  await page.goto(`${origin}/index.html?device=16FXYZ&osc=abc&baud=9,600`);
  await page.getByRole("combobox", { name: "Part" }).waitFor();
  const messages = await page.locator("#partMessages").innerText();
  check("bad link: the part refused", messages.includes("16FXYZ"), messages);
  check("bad link: the clock refused", (await page.getByRole("textbox", { name: "Oscillator in MHz" })
    .inputValue()) === "abc" && messages.length > 20, messages);
  const rates = await page.locator("#ratesMessage").innerText();
  check("bad link: the rate refused", rates.includes("9,600"), rates);
  await context.close();
}

// Without its WebAssembly the page says so in one line.
{
  const { context, page } = await pageIn("en-US");
  await page.route("**/workbench.wasm", (route) => route.abort());
  await page.goto(`${origin}/${question}`);
  const problem = page.getByRole("alert");
  await problem.waitFor({ timeout: 10000 });
  check("no WebAssembly: one line", (await problem.innerText()).startsWith("The workbench cannot start"));
  check("no WebAssembly: no empty boxes", !(await page.locator("#workbench").isVisible()));
  await context.close();
}

// After one visit the page works without the server.
{
  const { context, page } = await pageIn("en-US");
  await page.goto(`${origin}/${question}`);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await page.evaluate(() => navigator.serviceWorker.ready);
  const session = await context.newCDPSession(page);
  const { installabilityErrors } = await session.send("Page.getInstallabilityErrors");
  // A test's browser context is a private one, where nothing installs: that is no fault of the site.
  const faults = installabilityErrors.filter((e) => e.errorId !== "in-incognito");
  check("installable as an app", faults.length === 0, JSON.stringify(faults));
  const missing = await goOffline(context, page, server);
  await page.goto(`${origin}/index.html?device=18F45K22&osc=64&baud=9600`);
  await page.getByRole("combobox", { name: "Part" }).waitFor();
  await page.waitForLoadState("load");
  const offline = await page.locator("#code").innerText();
  check("offline: the page answers", offline.includes("64 MHz"), offline);
  check("offline: every file the page asks for is kept", missing.length === 0, missing.join(" "));
  await context.close();
}

await browser.close();
server.close();
finish();
