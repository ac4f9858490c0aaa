// The calculator page in Debian's Chromium, driven by keys and clicks through its accessible
// names as a user drives it: a calculation, the overflow question answered Yes and No in its
// modal dialog, stepping, the export read back from the clipboard, the focus where the window
// keeps it; in en-US and de-DE, and offline after a visit.
// usage: node calculator_page_test.mjs SITE_DIR   (from web/pages, where playwright-core is)
import { check, finish, goOffline, launch, pageIn, serve } from "./page_checks.mjs";

const { server, origin } = await serve(process.argv[2]);
const browser = await launch();

async function calculator(locale) {
  const { context, page } = await pageIn(browser, origin, locale);
  await page.goto(`${origin}/sub/calculator.html`);
  await page.getByRole("textbox", { name: "OSC (MHZ)" }).waitFor();
  return { context, page };
}

const focused = (page) => page.evaluate(() => document.activeElement?.id ?? "");
const result = (page, caption) => page.getByRole("status", { name: caption }).innerText();

for (const [locale, rate, error, overflowRate] of [
  ["en-US", "9,615", "0.16%", "4,883"],
  ["de-DE", "9.615", "0,16%", "4.883"],
]) {
  const { context, page } = await calculator(locale);
  check(`${locale}: the focus starts in the oscillator box`, (await focused(page)) === "Fosc");

  // A calculation by keys: Enter leads from box to box to Calculate.
  await page.keyboard.type("4");
  await page.keyboard.press("Enter");
  check(`${locale}: Enter leads to the baud rate`, (await focused(page)) === "BaudRate");
  await page.keyboard.type("9600");
  await page.keyboard.press("Enter");
  check(`${locale}: then to Calculate`, (await focused(page)) === "Command1");
  await page.keyboard.press("Enter");
  check(`${locale}: the real rate`, (await result(page, "Calculated BaudRate")) === rate);
  check(`${locale}: SPBRG`, (await result(page, "SPBRG Value")) === "25");
  check(`${locale}: the error`, (await result(page, "Error%")) === error);

  // Stepping, by a click on "+" and back by "-".
  await page.getByRole("button", { name: "+" }).click();
  check(`${locale}: + steps SPBRG`, (await result(page, "SPBRG Value")) === "26");
  await page.getByRole("button", { name: "-" }).click();
  check(`${locale}: - steps back`, (await result(page, "SPBRG Value")) === "25");

  // The export, as the clipboard has it.
  await page.getByRole("button", { name: "Send PBP DEFINEs to clipboard" }).click();
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  check(`${locale}: the DEFINE block on the clipboard`, copied ===
    "DEFINE HSER_RCSTA 90h\r\nDEFINE HSER_TXSTA 24h\r\nDEFINE HSER_SPBRG 25 ' 9600 Bauds\r\n",
    JSON.stringify(copied));

  // A value out of range: the warning with its title, answered OK; the box keeps the focus.
  await page.getByRole("textbox", { name: "OSC (MHZ)" }).click();
  await page.keyboard.type("50");
  await page.keyboard.press("Enter");
  const warning = page.getByRole("dialog");
  await warning.waitFor();
  check(`${locale}: the warning's title`,
    (await warning.getByRole("heading").innerText()) === "Oscillator speed to high");
  await warning.getByRole("button", { name: "OK" }).click();
  check(`${locale}: the box keeps the focus`, (await focused(page)) === "Fosc");

  // 20 MHz, 1200 baud with BRGH: the overflow question, Yes keeps 255.
  await page.keyboard.press("Backspace");
  await page.keyboard.press("Backspace");
  await page.keyboard.type("20");
  await page.keyboard.press("Enter");
  await page.keyboard.type("1200");
  await page.keyboard.press("Enter");
  await page.keyboard.press("Enter");
  const question = page.getByRole("dialog");
  await question.waitFor();
  check(`${locale}: the overflow question`, (await question.getByRole("heading").innerText()) ===
    "Current setting cause an SPBRG overflow.");
  await question.getByRole("button", { name: "Yes" }).click();
  await page.getByRole("status", { name: "SPBRG Value" }).filter({ hasText: "255" }).waitFor();
  check(`${locale}: Yes keeps 255`, (await result(page, "Calculated BaudRate")) === overflowRate);

  // BRGH cleared and set again by clicks: the same question, No empties the window.
  const brgh = page.getByRole("checkbox", { name: "BRGH=1" });
  await brgh.click();
  await brgh.click();
  await question.waitFor();
  await question.getByRole("button", { name: "No" }).click();
  await page.getByRole("textbox", { name: "OSC (MHZ)" }).and(page.locator(":focus")).waitFor();
  check(`${locale}: No empties the boxes`,
    (await page.getByRole("textbox", { name: "OSC (MHZ)" }).inputValue()) === "" &&
    (await page.getByRole("textbox", { name: "BaudRate" }).inputValue()) === "");
  check(`${locale}: and the results`, (await result(page, "SPBRG Value")) === "");
  await context.close();
}

// After a visit the calculator works without the server.
{
  const { context, page } = await calculator("en-US");
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await page.evaluate(() => navigator.serviceWorker.ready);
  const missing = await goOffline(context, page, server);
  await page.goto(`${origin}/sub/calculator.html`);
  await page.getByRole("textbox", { name: "OSC (MHZ)" }).waitFor();
  await page.keyboard.type("4");
  await page.keyboard.press("Enter");
  await page.keyboard.type("9600");
  await page.keyboard.press("Enter");
  await page.keyboard.press("Enter");
  check("offline: a calculation", (await result(page, "SPBRG Value")) === "25");
  await page.waitForLoadState("load");
  check("offline: every file the page asks for is kept", missing.length === 0, missing.join(" "));
  await context.close();
}

await browser.close();
server.close();
finish();
