// The page's budgets, measured: what a first visit transfers (gzip-compressed,
// as a static host serves it), how long until START can be pressed, and how
// long a run takes in the page against breathlab-cli for the same patient.
//   node page_budget.mjs SITE_FOLDER BREATHLAB_CLI
import { execFileSync } from "node:child_process";
import { readdirSync, readFileSync } from "node:fs";
import { join } from "node:path";
import { gzipSync } from "node:zlib";
import { launchChromium } from "../tests/browser";
import { startStaticServer } from "../tests/static_server";

const kRepeats = 5;
const [site, cli] = process.argv.slice(2);

function median(values: number[]): number {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

// Every file of the site is fetched at the first visit (the service worker
// keeps them all for offline use); already compressed files count as they are.
function firstLoadBytes(): { total: number; files: [string, number][] } {
  const files: [string, number][] = readdirSync(site)
    .filter((name) => !name.startsWith(".") && /\.(html|js|css|wasm|json|gz|txt|svg|webmanifest|jpg)$/.test(name))
    .map((name) => {
      const bytes = readFileSync(join(site, name));
      return [name, name.endsWith(".gz") ? bytes.length : gzipSync(bytes, { level: 9 }).length];
    });
  return { total: files.reduce((sum, [, size]) => sum + size, 0), files };
}

function nativeSeconds(args: string[]): number {
  const times: number[] = [];
  for (let i = 0; i < kRepeats; ++i) {
    const began = process.hrtime.bigint();
    execFileSync(cli, ["run", "--json", ...args]);
    times.push(Number(process.hrtime.bigint() - began) / 1e9);
  }
  return median(times);
}

async function main(): Promise<void> {
  const load = firstLoadBytes();
  console.log(`first load: ${(load.total / 1024).toFixed(0)} kB compressed`);
  for (const [name, size] of load.files.sort((a, b) => b[1] - a[1])) console.log(`  ${name}: ${(size / 1024).toFixed(1)} kB`);

  const server = await startStaticServer(site);
  // A fresh browser profile for each first visit: nothing cached.
  const ready: number[] = [];
  for (let i = 0; i < kRepeats; ++i) {
    const fresh = await launchChromium();
    const page = await fresh.context.newPage();
    const began = Date.now();
    await page.goto(server.url);
    await page.waitForSelector("body[data-state=ready]");
    ready.push((Date.now() - began) / 1000);
    await fresh.close();
  }
  const browser = await launchChromium();
  try {
    console.log(`ready to START: median ${median(ready).toFixed(2)} s of ${ready.map((t) => t.toFixed(2)).join(" ")}`);

    for (const [label, fragment, args] of [
      ["default", "", []],
      ["RPeripheral 800 %", "#RPeripheral=800", ["--set", "RPeripheral=800"]],
    ] as const) {
      const page = await browser.context.newPage();
      await page.goto(server.url + fragment);
      await page.waitForSelector("body[data-state=ready]");
      const pageTimes: number[] = [];
      for (let i = 0; i < kRepeats; ++i) {
        await page.waitForFunction(() => document.body.dataset.busy === "no");
        await page.click("button[data-command=start]");
        await page.waitForFunction(() => document.body.dataset.busy === "no");
        pageTimes.push(await page.evaluate(() => window.breathlabPage.lastRunSeconds()!));
      }
      const native = nativeSeconds([...args]);
      const inPage = median(pageTimes);
      console.log(`${label}: page ${inPage.toFixed(3)} s, breathlab-cli ${native.toFixed(3)} s, ratio ${(inPage / native).toFixed(2)}`);
      await page.close();
    }
  } finally {
    await browser.close();
    await server.close();
  }
}

void main();
