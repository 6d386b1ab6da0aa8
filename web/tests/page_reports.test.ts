// What the page says about a link or a file it cannot fully use, in a real
// browser: the page always finishes starting, the report stays until the user
// acts, a refused file names its field and gives the controls back, and the
// examination goes on afterwards.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { describe, test } from "node:test";
import type { Page } from "playwright-core";
import { openWatchedPage, serveBuiltPageInChromium, WatchedPage } from "./browser_page";

const kRunTimeoutMs = 60_000;

serveBuiltPageInChromium();

// A page that has finished starting: ready, and no longer busy with the
// linked patient's run.
function openStartedPage(fragment: string): Promise<WatchedPage> {
  return openWatchedPage(fragment, "body[data-state=ready][data-busy=no]", kRunTimeoutMs);
}

const runCount = (page: Page): Promise<number> => page.evaluate(() => window.breathlabPage.state()!.RunCount);

async function startRun(page: Page): Promise<number> {
  const before = await runCount(page);
  await page.click("button[data-command=start]");
  await page.waitForFunction(
    (count) => document.body.dataset.busy === "no" && window.breathlabPage.state()!.RunCount > count,
    before,
    { timeout: kRunTimeoutMs },
  );
  return runCount(page);
}

const noticeText = (page: Page): Promise<string | null> =>
  page.evaluate(() => document.getElementById("notice")?.textContent ?? null);

describe("links the page cannot fully use", () => {
  test("the ignored parts stay in view after the linked run finishes, until the user acts", async () => {
    const { page, errors } = await openStartedPage("#RMain=%zz&RPeripheral=400&Cm=0x20");
    await page.waitForFunction(() => window.breathlabPage.state()!.RunCount === 1, null, { timeout: kRunTimeoutMs });
    const state = await page.evaluate(() => window.breathlabPage.state()!);
    assert.equal(state.Slots[1].Parameters[2][4], 400, "the good part of the link is used");
    assert.equal(await noticeText(page), "Ignored in the link: RMain=%zz, Cm=0x20");
    assert.ok(await page.isVisible("#notice"));
    assert.notEqual(await page.textContent("#status"), "", "the status line tells of the run");
    // START is the user acting: the notice goes, the run is made.
    assert.equal(await startRun(page), 2);
    assert.equal(await noticeText(page), null);
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("a broken percent-encoding, a cut UTF-8 sequence or a link of nothing usable still starts the page", async () => {
    for (const [fragment, reported] of [
      ["#RMain=%zz", "RMain=%zz"],
      ["#Cm=%E2%82", "Cm=%E2%82"],
      ["#%", "%"],
      ["#RMain=%C0%AF&&RMain", "RMain=%C0%AF, RMain"],
      [`#RMain=${"9".repeat(50_000)}`, `RMain=${"9".repeat(50_000)}`],
    ] as const) {
      const { page, errors } = await openStartedPage(fragment);
      assert.equal(await noticeText(page), `Ignored in the link: ${reported}`, fragment.slice(0, 40));
      assert.notEqual(await page.textContent("#status"), "", `${fragment.slice(0, 40)}: an empty status line`);
      assert.ok(await page.isEnabled("button[data-command=start]"), fragment.slice(0, 40));
      assert.deepEqual(errors, [], fragment.slice(0, 40));
      await page.close();
    }
  });
});

// A history set from breathlab-cli with one stored setting (RMain of both
// lungs in the run, the one place a run at 250 % and a default run differ by
// 250 against 100) made NaN, and one with every byte 0xFF.
function brokenHistorySets(): { name: string; bytes: Buffer; field: RegExp }[] {
  const cli = process.env.BREATHLAB_CLI;
  assert.ok(cli, "BREATHLAB_CLI names breathlab-cli");
  const folder = mkdtempSync(join(tmpdir(), "breathlab-spi-"));
  try {
    execFileSync(cli, ["run", "--set", "RMain=250", "--save", join(folder, "raised.spi")]);
    execFileSync(cli, ["run", "--save", join(folder, "default.spi")]);
    const raised = readFileSync(join(folder, "raised.spi"));
    const normal = readFileSync(join(folder, "default.spi"));
    const offsets = [];
    for (let at = 0; at + 4 <= raised.length; at += 4)
      if (raised.readFloatLE(at) === 250 && normal.readFloatLE(at) === 100) offsets.push(at);
    assert.equal(offsets.length, 1, "one stored RMain tells the two runs apart");
    const withNaN = Buffer.from(raised);
    withNaN.writeFloatLE(NaN, offsets[0]);
    return [
      { name: "nan.spi", bytes: withNaN, field: /run 1.*RMain of BothLungs is NaN/ },
      { name: "ones.spi", bytes: Buffer.alloc(raised.length, 0xff), field: /reference.*RMain of LeftLung is NaN/ },
    ];
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

describe("files the page cannot use", () => {
  test("a .spi with NaN or all 0xFF is refused by field, changes nothing, and START works after it", async () => {
    const { page, errors } = await openStartedPage("");
    assert.equal(await startRun(page), 1);
    const source = await page.textContent("#data-source");
    const kept = await page.evaluate(() => window.breathlabPage.state()!);
    for (const { name, bytes, field } of brokenHistorySets()) {
      await page.setInputFiles("#open-file", { name, mimeType: "application/octet-stream", buffer: bytes });
      await page.waitForFunction(() => /not a usable history set/.test(document.getElementById("status")!.textContent!),
        null, { timeout: kRunTimeoutMs });
      assert.match((await page.textContent("#status"))!, field, name);
      await page.waitForSelector("body[data-busy=no]");
      assert.ok(await page.isEnabled("button[data-command=start]"), `${name}: the controls stay disabled`);
      assert.equal(await page.textContent("#data-source"), source, `${name}: the refused file's name is shown`);
      assert.deepEqual(await page.evaluate(() => window.breathlabPage.state()!), kept, `${name}: the history changed`);
      await page.evaluate(() => (document.getElementById("status")!.textContent = ""));
    }
    assert.equal(await startRun(page), 2);
    assert.equal(await page.textContent("#data-source"), source, "a refused file's name came back with the run");
    assert.deepEqual(errors, []);
    await page.close();
  });
});
