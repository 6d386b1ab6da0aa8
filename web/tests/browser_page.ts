// The built page in chromium for the browser tests: one server and one
// browser for a test file, and pages that record every console error and
// uncaught exception, so that a test can demand there were none.
import assert from "node:assert/strict";
import { after, before } from "node:test";
import type { BrowserContext, Page } from "playwright-core";
import { launchChromium } from "./browser";
import { RunningServer, startStaticServer } from "./static_server";

let server: RunningServer | undefined;
let context: BrowserContext | undefined;
let closeBrowser: (() => Promise<void>) | undefined;

export interface WatchedPage {
  page: Page;
  errors: string[];
}

// Serves BREATHLAB_WEB_DIR and starts chromium before the file's tests;
// closes both after them.
export function serveBuiltPageInChromium(): void {
  before(async () => {
    const folder = process.env.BREATHLAB_WEB_DIR;
    assert.ok(folder, "BREATHLAB_WEB_DIR names the built page");
    server = await startStaticServer(folder);
    ({ context, close: closeBrowser } = await launchChromium());
  });
  after(async () => {
    await closeBrowser?.();
    await server?.close();
  });
}

export function browserContext(): BrowserContext {
  assert.ok(context, "chromium has started");
  return context;
}

// The served page with the fragment, once `readySelector` matches.
export async function openWatchedPage(fragment: string, readySelector: string, timeout: number): Promise<WatchedPage> {
  assert.ok(server, "the page is served");
  const page = await browserContext().newPage();
  const errors: string[] = [];
  page.on("console", (message) => {
    if (message.type() === "error") errors.push(message.text());
  });
  page.on("pageerror", (error) => errors.push(error.message));
  await page.goto(server.url + fragment);
  await page.waitForSelector(readySelector, { timeout });
  return { page, errors };
}
