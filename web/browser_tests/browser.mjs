// What the browser tests and the benchmark share: Debian's chromium,
// launched headless with a fresh profile, and the page opened and waited for
// until its core is running.
import { chromium } from 'playwright-core';
import { pathToFileURL } from 'node:url';
import { resolve } from 'node:path';

export const Chromium_path = process.env.VORAN_CHROMIUM || '/usr/bin/chromium';

// Headless, no GPU, and none of the browser's own traffic (updates, sync,
// component downloads), so that every request the tests see is the page's.
// As root the sandbox cannot be used. extra_args: more of chromium's
// switches (--js-flags=--jitless: no JIT, hence no WebAssembly).
export function Launch(extra_args = []) {
  return chromium.launch({
    executablePath: Chromium_path,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run', ...extra_args],
  });
}

export function Page_url(web_dir, name = 'voran.html') {
  return pathToFileURL(resolve(web_dir, name)).href;
}

// A fresh context (its own storage) with the page open and its core ready;
// every request the page makes is listed in requests.
// before_scripts: a script run in the page before its own (not in its
// workers).
export async function Open(browser, url, { width = 1280, height = 900, locale = 'en-US', before_scripts } = {}) {
  const context = await browser.newContext({ viewport: { width, height }, locale, acceptDownloads: true });
  if (before_scripts) await context.addInitScript(before_scripts);
  const page = await context.newPage();
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  await page.goto(url);
  await Ready(page);
  return { context, page, requests };
}

export function Ready(page) {
  return page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
}
