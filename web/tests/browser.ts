// Debian's chromium, headless, through playwright-core; never a downloaded
// browser. Each launch has a fresh profile folder, which is also the
// browser's home: chromium keeps its crash reports under $HOME/.config
// whatever the profile, and a test must not write into the user's home.
import { mkdirSync, mkdtempSync, rmSync } from "node:fs";
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
  const home = join(profile, "home");
  mkdirSync(join(profile, "runtime"), { mode: 0o700 });
  const context = await chromium.launchPersistentContext(join(profile, "profile"), {
    executablePath: kChromium,
    env: {
      ...process.env,
      HOME: home,
      XDG_CONFIG_HOME: join(home, ".config"),
      XDG_CACHE_HOME: join(home, ".cache"),
      // Where the sound system keeps its sockets; unset, it makes a pulse-*
      // folder in the temporary folder and leaves it there.
      XDG_RUNTIME_DIR: join(profile, "runtime"),
    },
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
