// Debian's chromium, headless, through playwright-core; never a downloaded
// browser. Each launch has a fresh profile folder.
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { chromium, BrowserContext } from "playwright-core";

export const kChromium = "/usr/bin/chromium";

export interface LaunchedBrowser {
  context: BrowserContext;
  close(): Promise<void>;
}

export async function launchChromium(): Promise<LaunchedBrowser> {
  const profile = mkdtempSync(join(tmpdir(), "breathlab-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: kChromium,
    headless: true,
    acceptDownloads: true,
    viewport: { width: 1366, height: 768 },
    args: [
      "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
    ],
  });
  return {
    context,
    close: async () => {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}
