// The page's budgets, measured: what a first visit transfers (gzip-compressed,
// as a static host serves it), how long until START can be pressed, and how
// long a run takes in the page against breathlab-cli for the same patient:
// from the click on START until the page shows the run, the worker's run
// alone, and the model alone (the module run in the page with no drawing and
// no messages), which tells the model's share from the page's.
//   node page_budget.mjs SITE_FOLDER BREATHLAB_CLI
import { execFileSync } from "node:child_process";
import { readdirSync, readFileSync } from "node:fs";
import { join } from "node:path";
import { gzipSync } from "node:zlib";
import type { Page } from "playwright-core";
import { launchChromium } from "../tests/browser";
import { startStaticServer } from "../tests/static_server";

const kRepeats = 7;
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

// One breathlab-cli run of the patient, as a user starts it: wall-clock seconds.
function nativeSeconds(args: readonly string[]): number {
  const began = process.hrtime.bigint();
  execFileSync(cli, ["run", "--json", ...args]);
  return Number(process.hrtime.bigint() - began) / 1e9;
}

// Seconds from the click on START until the page has shown the finished run.
function clickToShown(page: Page): Promise<number> {
  return page.evaluate(
    () =>
      new Promise<number>((resolve) => {
        const began = performance.now();
        const watch = new MutationObserver(() => {
          if (document.body.dataset.busy !== "no") return;
          watch.disconnect();
          resolve((performance.now() - began) / 1000);
        });
        watch.observe(document.body, { attributes: true, attributeFilter: ["data-busy"] });
        document.querySelector<HTMLButtonElement>("button[data-command=start]")!.click();
      }),
  );
}

// The model's run alone in the page's browser: the module instantiated in a
// worker of its own, as the page's is, with hooks that do nothing; the
// patient set as the link sets it. A first run is not timed, as the page's
// first (the link's) is not: the browser compiles the module's hot functions
// a second time, optimised, while it runs.
function modelAloneSeconds(page: Page, rPeripheral: number, repeats: number): Promise<number[]> {
  const runs = async (base: string, rPeripheral: number, repeats: number): Promise<number[]> => {
    const module = await WebAssembly.compile(await (await fetch(new URL("breathlab.wasm", base))).arrayBuffer());
    const wasi: Record<string, () => number> = {};
    for (const entry of WebAssembly.Module.imports(module))
      if (entry.module === "wasi_snapshot_preview1") wasi[entry.name] = () => 52;
    const instance = await WebAssembly.instantiate(module, {
      page: { trace_point: () => {}, run_clock: () => {} },
      wasi_snapshot_preview1: wasi,
    });
    const w = instance.exports as Record<string, CallableFunction> & { memory: WebAssembly.Memory };
    w._initialize();
    const response = await fetch(new URL("standard.dat.gz", base));
    const set = new Uint8Array(await new Response(response.body!.pipeThrough(new DecompressionStream("gzip"))).arrayBuffer());
    const pointer = w.page_alloc(set.byteLength) as number;
    new Uint8Array(w.memory.buffer, pointer, set.byteLength).set(set);
    w.page_start_up(pointer, set.byteLength);
    w.page_set_percent(0, 5, rPeripheral);
    w.page_start();
    const times: number[] = [];
    for (let i = 0; i < repeats; ++i) {
      const began = performance.now();
      w.page_start();
      times.push((performance.now() - began) / 1000);
    }
    return times;
  };
  return page.evaluate(
    ({ source, rPeripheral, repeats }) => {
      const code = `self.onmessage = async (e) => postMessage(await (${source})(...e.data));`;
      const worker = new Worker(URL.createObjectURL(new Blob([code], { type: "text/javascript" })));
      return new Promise<number[]>((resolve) => {
        worker.onmessage = (e: MessageEvent<number[]>) => {
          worker.terminate();
          resolve(e.data);
        };
        worker.postMessage([location.href, rPeripheral, repeats]);
      });
    },
    { source: runs.toString(), rPeripheral, repeats },
  );
}

function seconds(times: number[]): string {
  return `${median(times).toFixed(3)} s (${times.map((t) => t.toFixed(3)).join(" ")})`;
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

    for (const [label, fragment, args, rPeripheral] of [
      ["default", "", [], 100],
      ["RPeripheral 800 %", "#RPeripheral=800", ["--set", "RPeripheral=800"], 800],
    ] as const) {
      const page = await browser.context.newPage();
      await page.goto(server.url + fragment);
      await page.waitForSelector("body[data-state=ready]");
      await page.waitForFunction(() => document.body.dataset.busy === "no");
      // The page's run and breathlab-cli's alternate, so that the load of a
      // shared machine falls on both alike; the ratio is the median of the pairs'.
      const shownTimes: number[] = [];
      const workerTimes: number[] = [];
      const nativeTimes: number[] = [];
      const ratios: number[] = [];
      for (let i = 0; i < kRepeats; ++i) {
        shownTimes.push(await clickToShown(page));
        workerTimes.push(await page.evaluate(() => window.breathlabPage.lastRunSeconds()!));
        nativeTimes.push(nativeSeconds(args));
        ratios.push(shownTimes[i] / nativeTimes[i]);
      }
      const model = await modelAloneSeconds(page, rPeripheral, kRepeats);
      console.log(`${label}: page ${median(shownTimes).toFixed(3)} s, breathlab-cli ${median(nativeTimes).toFixed(3)} s, ` +
        `ratio ${median(ratios).toFixed(2)} (median of ${kRepeats} pairs: ${ratios.map((r) => r.toFixed(2)).join(" ")})`);
      console.log(`  START to shown ${seconds(shownTimes)}; worker's run ${seconds(workerTimes)}; model alone ${seconds(model)}`);
      await page.close();
    }
  } finally {
    await browser.close();
    await server.close();
  }
}

void main();
