// Starts `panelhost serve` on a free loopback port and Debian's Chromium headless, for the browser tests.
// PANELHOST names the host program, SCREENSHOT_DIR where pictures of the page are kept, CHROMIUM the browser
// (default /usr/bin/chromium). The browser is never downloaded.
"use strict";

const { spawn } = require("node:child_process");
const fs = require("node:fs");
const path = require("node:path");
const { chromium } = require("playwright-core");

const PANELHOST = process.env.PANELHOST || path.resolve(__dirname, "../../build/panelhost");
const SCREENSHOT_DIR = process.env.SCREENSHOT_DIR || path.resolve(__dirname, "screenshots");
const CHROMIUM = process.env.CHROMIUM || "/usr/bin/chromium";
const REPO = path.resolve(__dirname, "../..");

// The host, with its address once it listens.
function startHost(args = []) {
  return new Promise((resolve, reject) => {
    const child = spawn(PANELHOST, ["serve", "--port", "0", ...args], { cwd: REPO, stdio: ["ignore", "pipe", "pipe"] });
    let out = "", err = "";
    const timer = setTimeout(() => { child.kill(); reject(new Error(`panelhost did not start: ${out}${err}`)); }, 30000);
    child.stdout.on("data", (d) => {
      out += d;
      const m = out.match(/http:\/\/127\.0\.0\.1:(\d+)\//);
      if (m) { clearTimeout(timer); resolve({ child, base: `http://127.0.0.1:${m[1]}`, output: () => out + err }); }
    });
    child.stderr.on("data", (d) => { err += d; });
    child.on("exit", (code) => { clearTimeout(timer); reject(new Error(`panelhost exited with ${code}: ${out}${err}`)); });
  });
}

function stopHost(host) {
  return new Promise((resolve) => {
    if (host.child.exitCode !== null) { resolve(host.child.exitCode); return; }
    host.child.removeAllListeners("exit");
    host.child.on("exit", (code) => resolve(code));
    host.child.kill("SIGTERM");
  });
}

// playwright gives every launch a fresh, empty user data folder of its own and removes it afterwards.
async function startBrowser() {
  const browser = await chromium.launch({
    executablePath: CHROMIUM,
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync", "--autoplay-policy=no-user-gesture-required"],
  });
  return { browser };
}

async function stopBrowser(b) {
  await b.browser.close();
}

async function screenshot(page, name) {
  fs.mkdirSync(SCREENSHOT_DIR, { recursive: true });
  const file = path.join(SCREENSHOT_DIR, `${name}.png`);
  await page.screenshot({ path: file, fullPage: true });
  return file;
}

async function api(host, method, route, body) {
  const response = await fetch(host.base + route, {
    method, headers: body ? { "Content-Type": "application/json" } : {}, body: body ? JSON.stringify(body) : undefined,
  });
  return { status: response.status, body: await response.json() };
}

module.exports = { startHost, stopHost, startBrowser, stopBrowser, screenshot, api, REPO };
