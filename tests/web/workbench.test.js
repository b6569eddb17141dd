// The workbench page in headless Chromium against a real `panelhost serve` with the default panel and
// flight. Every wait is for a condition; the pictures taken are kept in SCREENSHOT_DIR.
"use strict";

const { test, before, after } = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const path = require("node:path");
const h = require("./harness.js");

const COM1 = "COM1_Corvane_QT3";
const POWER_ON = 7;      // the power knob's right half
const TRANSFER = 1;      // the transfer key

let host, browser;

before(async () => {
  host = await h.startHost();
  browser = await h.startBrowser();
});

after(async () => {
  if (browser) await h.stopBrowser(browser);
  if (host) assert.equal(await h.stopHost(host), 0, "panelhost stops cleanly on SIGTERM");
});

async function openPage() {
  const page = await browser.browser.newPage({ viewport: { width: 1400, height: 1000 }, deviceScaleFactor: 2 });
  const problems = [];
  page.on("pageerror", (e) => problems.push(e.message));
  await page.goto(host.base + "/");
  // Every gauge's picture has arrived.
  await page.waitForFunction(() => {
    const imgs = [...document.querySelectorAll(".gauge img")];
    return imgs.length > 0 && imgs.every((i) => i.complete && i.naturalWidth > 0 && i.dataset.version);
  });
  return { page, problems };
}

function defaultPanelGauges() {
  const cfg = fs.readFileSync(path.join(h.REPO, "panels/default/panel.cfg"), "utf8");
  return [...cfg.matchAll(/^gauge\d+\s*=\s*[^!]+!([^,\s]+)/gm)].map((m) => m[1]).sort();
}

async function token(number) {
  const { body } = await h.api(host, "GET", "/api/state");
  const t = body.tokens.find((x) => x.token === number);
  return t ? t.value : undefined;
}

async function until(what, check, timeoutMs = 15000) {
  const end = Date.now() + timeoutMs;
  for (;;) {
    const value = await check();
    if (value) return value;
    if (Date.now() > end) throw new Error(`gave up waiting: ${what}`);
    await new Promise((r) => setTimeout(r, 50));
  }
}

test("the page shows every gauge of the default panel at its place, sharp, with its hotspots' cursors", async () => {
  const { page, problems } = await openPage();
  const shown = await page.$$eval(".gauge", (gs) => gs.map((g) => g.dataset.gauge).sort());
  assert.deepEqual(shown, defaultPanelGauges());
  // Pictures come at the screen's density: twice the CSS size on this 2x screen.
  // (A gauge that changes all the time may be between two pictures: wait for each to have one.)
  await page.waitForFunction(() => [...document.querySelectorAll(".gauge img")].every(
    (i) => i.complete && i.naturalWidth === 2 * i.clientWidth && i.naturalHeight === 2 * i.clientHeight));
  const cursors = await page.$$eval(".hotspot", (spots) => [...new Set(spots.map((s) => getComputedStyle(s).cursor.split(",").pop().trim()))].sort());
  assert.deepEqual(cursors, ["n-resize", "pointer", "s-resize"]);
  await h.screenshot(page, "panel");
  assert.deepEqual(problems, []);
  await page.close();
});

test("the power knob lights the COM display and the click sound is requested; a click outside every box sends nothing", async () => {
  const { page } = await openPage();
  const gauge = page.locator(`[data-gauge="${COM1}"]`);
  const before = await gauge.screenshot();
  const texts = async () => (await h.api(host, "GET", `/api/gauges/${COM1}`)).body.elements.filter((e) => e.kind === "string" && !e.hidden && e.text);
  assert.deepEqual(await texts(), [], "the radio starts switched off");

  const clicks = [];
  page.on("request", (r) => { if (r.url().endsWith("/api/click")) clicks.push(r.postDataJSON()); });
  // The top left corner of the faceplate holds no hotspot.
  await gauge.click({ position: { x: 3, y: 3 } });
  await page.waitForTimeout(200);
  assert.deepEqual(clicks, []);

  const sound = page.waitForRequest((r) => r.url().endsWith("/sound/click.wav"));
  await page.locator(`[data-gauge="${COM1}"] [data-hotspot="${POWER_ON}"]`).click();
  await sound;
  assert.equal(clicks.length, 1);
  await until("COM1 shows its frequencies", async () => (await texts()).length >= 2);
  await page.waitForFunction((name) => document.querySelector(`[data-gauge="${name}"] img`).dataset.version !== "0" &&
    window.workbench.sound.played.includes("click.wav"), COM1);
  await until("the lit display on the page", async () => !(await gauge.screenshot()).equals(before));
  await h.screenshot(page, "com1-on");
  await page.close();
});

test("the transfer key swaps the active and standby frequencies in the simulation", async () => {
  const { page } = await openPage();
  const { body: panel } = await h.api(host, "GET", "/api/panel");
  assert.ok(panel.windows[0].gauges.some((g) => g.name === COM1));
  // Powered by the test before, or now.
  const lit = (await h.api(host, "GET", `/api/gauges/${COM1}`)).body.elements.some((e) => e.kind === "string" && e.text);
  if (!lit) await page.locator(`[data-gauge="${COM1}"] [data-hotspot="${POWER_ON}"]`).click();
  const active = await token(23), standby = await token(617);
  assert.notEqual(active, standby);
  await page.locator(`[data-gauge="${COM1}"] [data-hotspot="${TRANSFER}"]`).click();
  await until("the frequencies swapped", async () => (await token(23)) === standby && (await token(617)) === active);
  await h.screenshot(page, "com1-transferred");
  await page.close();
});

test("the map's aircraft moves along the route", async () => {
  const { page } = await openPage();
  await page.click("[data-speed='16']");
  const aircraft = page.locator("#map-aircraft");
  await page.waitForFunction(() => document.querySelector("#map-aircraft").getAttribute("transform"));
  const where = await aircraft.getAttribute("transform");
  const first = await page.locator("#map").screenshot({ path: path.join(process.env.SCREENSHOT_DIR || path.join(__dirname, "screenshots"), "map-1.png") });
  await page.waitForFunction((t) => {
    const now = document.querySelector("#map-aircraft").getAttribute("transform");
    const xy = (s) => s.match(/translate\(([-\d.]+) ([-\d.]+)\)/).slice(1).map(Number);
    const [a, b] = [xy(t), xy(now)];
    return Math.hypot(a[0] - b[0], a[1] - b[1]) > 3;
  }, where, { timeout: 20000 });
  const second = await page.locator("#map").screenshot({ path: path.join(process.env.SCREENSHOT_DIR || path.join(__dirname, "screenshots"), "map-2.png") });
  assert.ok(!first.equals(second), "the two pictures of the map differ");
  await page.click("[data-speed='1']");
  await page.close();
});
