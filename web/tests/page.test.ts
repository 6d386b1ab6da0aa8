// The page in a real browser: it loads cleanly, runs the same examination as
// breathlab-cli, and its history commands, files and share links work.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdirSync, readFileSync, statSync } from "node:fs";
import { join } from "node:path";
import { createRequire } from "node:module";
import { describe, test } from "node:test";
import type { Download, Page } from "playwright-core";
import type { ExerciseRound, HistoryState } from "../src/messages";
import { encodeSettings } from "../src/share_link";
import { containedPicture } from "../src/region_picture";
import { browserContext, openWatchedPage, serveBuiltPageInChromium, WatchedPage } from "./browser_page";
import { cliPath, cliRun, indexDifferences } from "./cli_equality";
import { startStaticServer } from "./static_server";

const require = createRequire(import.meta.url);
const kRunTimeoutMs = 60_000;
const kHistorySetBytes = 621360;
const kBothLungsRow = 2;
const kRPeripheral = 4; // column of the parameter in a region row

const outFolder = process.env.BREATHLAB_WEB_OUT ?? ".";

function openPage(fragment = ""): Promise<WatchedPage> {
  return openWatchedPage(fragment, "body[data-state=ready]", kRunTimeoutMs);
}

function pageState(page: Page): Promise<HistoryState> {
  return page.evaluate(() => window.breathlabPage.state()!);
}

async function waitForRuns(page: Page, runCount: number): Promise<HistoryState> {
  await page.waitForFunction(
    (count) => document.body.dataset.busy === "no" && window.breathlabPage.state()!.RunCount >= count,
    runCount,
    { timeout: kRunTimeoutMs },
  );
  return pageState(page);
}

async function pressStart(page: Page, expectedRuns: number): Promise<HistoryState> {
  await page.click("button[data-command=start]");
  await page.waitForSelector("body[data-busy=no]", { timeout: kRunTimeoutMs });
  return waitForRuns(page, expectedRuns);
}

function assertSameAsCli(page: object, cli: object): void {
  assert.deepEqual(indexDifferences(page, cli), []);
}

function indexCell(page: Page, name: string, column: number): Promise<string> {
  return page.$eval(
    "#indices",
    (table, [rowName, col]) => {
      for (const row of (table as HTMLTableElement).rows)
        if (row.cells[0].textContent === rowName) return row.cells[col as number].textContent ?? "";
      return "";
    },
    [name, column] as const,
  );
}

// Exports the shown run's two CSV files under saveName and compares them byte
// for byte with breathlab-cli run --csv of the same patient (cliArgs).
// Returns the number of points of the volume-time table.
async function assertCsvSameAsCli(page: Page, saveName: string, cliArgs: string[], tag: string): Promise<number> {
  await page.fill("#save-name", saveName);
  const downloads: Download[] = [];
  const both = new Promise<void>((resolve) => page.on("download", (d) => {
    if (downloads.push(d) === 2) resolve();
  }));
  await page.click("button[data-command=csv]");
  await both;
  const prefix = join(outFolder, `cli-${tag}`);
  execFileSync(cliPath(), ["run", "--csv", prefix, ...cliArgs]);
  let volumeTimePoints = 0;
  for (const [download, table] of downloads.map((d, i) => [d, ["volume-time", "flow-volume"][i]] as const)) {
    assert.equal(download.suggestedFilename(), `${saveName}-${table}.csv`);
    const file = join(outFolder, `page-${tag}-${table}.csv`);
    await download.saveAs(file);
    const cli = readFileSync(`${prefix}-${table}.csv`);
    // A run has hundreds of rows; an empty table would also be equal.
    assert.ok(cli.toString().split("\n").length > 100, table);
    assert.ok(readFileSync(file).equals(cli), `${table}: the page's file differs from breathlab-cli's`);
    if (table === "volume-time") volumeTimePoints = cli.toString().trim().split("\n").length - 1; // less the header
  }
  return volumeTimePoints;
}

serveBuiltPageInChromium();

describe("the page", () => {
  let shared: WatchedPage;

  test("loads without a console error and shows the reference alone", async () => {
    shared = await openPage();
    const state = await pageState(shared.page);
    assert.equal(state.RunCount, 0);
    assert.equal(state.SelectedRun, -1);
    assert.equal(await indexCell(shared.page, "FEV1", 2), "2.84");
    assert.equal(await indexCell(shared.page, "FEV1", 3), "");
    assert.equal(await shared.page.locator("input[type=range]").count(), 8);
    assert.deepEqual(shared.errors, []);
  });

  test("the airway picture names a region under the pointer, and a click chooses its panel", async () => {
    const { page } = shared;
    const pictures = await page.evaluate(() => Promise.all([1, 2, 3, 4, 5].map((n) => new Promise<number>((resolve) => {
      const image = new Image();
      image.onload = () => resolve(image.naturalWidth);
      image.onerror = () => resolve(0);
      image.src = `airway-${n}.jpg`;
    }))));
    assert.ok(pictures.every((width) => width > 100), `picture widths ${pictures}`);
    // The picture stands whole and centred in the panel; hot spots are percentages of it.
    const stage = (await page.locator(".airway-stage").boundingBox())!;
    const [pictureWidth, pictureHeight] = await page.$eval("#region-picture", (image) => [(image as HTMLImageElement).naturalWidth, (image as HTMLImageElement).naturalHeight]);
    const box = containedPicture({ left: stage.x, top: stage.y, width: stage.width, height: stage.height }, pictureWidth, pictureHeight);
    const at = (xPercent: number, yPercent: number) => [box.left + (box.width * xPercent) / 100, box.top + (box.height * yPercent) / 100] as const;
    const region = () => page.getAttribute("#region-picture", "data-region");
    assert.equal(await region(), "1");
    // The hot-spot table's row "2;31;18;5": a lung.
    await page.mouse.move(...at(31, 18));
    assert.equal(await region(), "5");
    assert.equal(await page.textContent("#region-label"), "lungs");
    assert.equal(await page.isVisible("#region-label"), true);
    await page.mouse.click(...at(31, 18));
    assert.equal(await page.evaluate(() => window.breathlabPage.chosenPictureRegion()), 5);
    assert.deepEqual(await page.$$eval("#panels .panel", (panels) => panels.map((p) => p.classList.contains("chosen"))), [false, false, false, true]);
    // While a region is chosen, pointing elsewhere keeps its picture ("45;50;25;2" is the trachea).
    await page.mouse.move(...at(50, 25));
    assert.equal(await region(), "5");
    // A click on no hot spot lets it go.
    await page.mouse.click(...at(2, 97));
    assert.equal(await page.evaluate(() => window.breathlabPage.chosenPictureRegion()), null);
    assert.equal(await page.locator("#panels .panel.chosen").count(), 0);
    await page.mouse.move(...at(50, 25));
    assert.equal(await region(), "2");
    assert.equal(await page.textContent("#region-label"), "main");
  });

  test("a default START gives breathlab-cli's indices and shows them against the reference", async () => {
    const { page } = shared;
    const state = await pressStart(page, 1);
    assert.equal(state.SelectedRun, 1);
    assertSameAsCli(state.Slots[1], cliRun([]));
    // The volume-time curve grew point by point while the worker ran.
    const livePoints = await page.evaluate(() => window.breathlabPage.livePoints());
    assert.ok(livePoints > 100 && livePoints <= 1000, `${livePoints} trace points arrived during the run`);
    assert.equal(await indexCell(page, "FEV1", 3), "2.84");
    assert.equal(await indexCell(page, "FEV1", 4), "100");
    assert.equal(await page.isHidden("#region-picture"), true, "the run's schematic shows");
    assert.equal(await indexCell(page, "FET", 2), "");
  });

  test("the airways are drawn live during a run, then show the run's end and replay it", async () => {
    const { page } = shared;
    const live = await page.evaluate(() => window.breathlabPage.liveAirwayPictures());
    const seconds = (await page.evaluate(() => window.breathlabPage.lastRunSeconds()))!;
    // Drawn while the run went on, but never more often than a screen shows frames.
    assert.ok(live >= 2 && live <= Math.ceil(seconds * 60) + 1, `${live} live airway pictures during a run of ${seconds} s`);
    const end = await page.getAttribute("#airways", "data-shown");
    assert.match(end!, /^1:\d{3,4}$/);
    await page.selectOption("#replay-speed", { label: "Fast" });
    await page.click("#replay");
    const last = Number(end!.split(":")[1]);
    // The replay starts from the run's beginning...
    await page.waitForFunction((n) => Number(document.getElementById("airways")!.dataset.shown!.split(":")[1]) < n, last);
    // ...and stops at its end.
    await page.waitForSelector("#replay[aria-pressed=false]", { timeout: kRunTimeoutMs });
    assert.equal(await page.getAttribute("#airways", "data-shown"), end);
  });

  test("both plots save as PNG at twice their size and as SVG", async () => {
    const { page } = shared;
    for (const plot of ["flow-volume", "volume-time"]) {
      const box = (await page.locator(`#${plot}`).boundingBox())!;
      const [png] = await Promise.all([page.waitForEvent("download"), page.click(`button[data-figure=${plot}][data-format=png]`)]);
      assert.equal(png.suggestedFilename(), `breathlab-${plot}.png`);
      const pngFile = join(outFolder, `${plot}.png`);
      await png.saveAs(pngFile);
      const header = readFileSync(pngFile);
      // A PNG's IHDR holds width and height at bytes 16 and 20.
      assert.deepEqual([header.readUInt32BE(16), header.readUInt32BE(20)], [Math.round(box.width) * 2, Math.round(box.height) * 2]);
      const [svg] = await Promise.all([page.waitForEvent("download"), page.click(`button[data-figure=${plot}][data-format=svg]`)]);
      const svgFile = join(outFolder, `${plot}.svg`);
      await svg.saveAs(svgFile);
      const text = readFileSync(svgFile, "utf8");
      assert.match(text, /^<svg xmlns="http:\/\/www\.w3\.org\/2000\/svg"/);
      assert.match(text, plot === "flow-volume" ? /Volume expired \(l\)/ : /Time \(s\)/);
      assert.match(text, /stroke="#ff0000"/, "the run's curve is in the figure");
    }
  });

  test("the shown run exports as breathlab-cli run --csv's two files, byte for byte", async () => {
    await assertCsvSameAsCli(shared.page, "default run", [], "default");
  });

  test("the PDF report holds the shown run's indices, its settings and both plots on one page", async () => {
    const { page, errors } = shared;
    const [download] = await Promise.all([page.waitForEvent("download"), page.click("button[data-command=report]")]);
    assert.equal(download.suggestedFilename(), "default run-report.pdf");
    const file = join(outFolder, "report.pdf");
    await download.saveAs(file);
    const text = execFileSync("pdftotext", ["-layout", file, "-"], { encoding: "utf8" });
    assert.equal(text.split("\f").filter((p) => p.trim() !== "").length, 1, "one page");
    assert.match(text, /breathlab: forced expiration report/);
    assert.match(text, /Shown: Run 1 against the reference\./);
    assert.match(text, /Settings: every parameter at 100 % of the reference\./);
    // The FEV1 row as the indices table shows it: reference, run, percent.
    assert.match(text, /FEV1 +l +2\.84 +2\.84 +100/);
    const images = execFileSync("pdfimages", ["-list", file], { encoding: "utf8" }).trim().split("\n").slice(2);
    assert.ok(images.length >= 2, `${images.length} pictures in the report`);
    assert.deepEqual(errors, []);
  });

  test("a slider moved with the keyboard changes the next run, and a second START lists both", async () => {
    const { page } = shared;
    const slider = page.locator("#slider-RPeripheral");
    await slider.focus();
    for (let i = 0; i < 100; ++i) await page.keyboard.press("ArrowRight"); // one doubling
    assert.equal(await page.textContent("#slider-RPeripheral-value"), "200 %");
    // The description box explains the slider moved last, then the run's outcome.
    assert.match((await page.textContent("#description"))!, /^Peripheral airway resistance/);
    const state = await pressStart(page, 2);
    assert.match((await page.textContent("#description"))!, /^The simulated examination completed/);
    assert.equal(state.Slots[1].Parameters[kBothLungsRow][kRPeripheral], 200);
    assert.equal(state.Slots[2].Parameters[kBothLungsRow][kRPeripheral], 100);
    assert.ok(state.Slots[1].MEF25! < state.Slots[2].MEF25!, "higher peripheral resistance lowers MEF25");
    assert.equal(await page.locator("#runs tr.run").count(), 2);
    assert.equal(await page.locator("#runs tr.selected").getAttribute("data-slot"), "1");
  });

  test("Use as reference makes the selected run the reference and re-expresses the others", async () => {
    const { page } = shared;
    const before = await pageState(page);
    await page.click("#runs tr[data-slot='2']");
    await page.waitForFunction(() => window.breathlabPage.state()!.SelectedRun === 2);
    await page.click("#runs tr[data-slot='1']");
    await page.waitForFunction(() => window.breathlabPage.state()!.SelectedRun === 1);
    await page.click("button[data-command=useAsReference]");
    await page.waitForFunction(() => window.breathlabPage.state()!.Slots[0].Parameters[2][4] === 200);
    const state = await pageState(page);
    assert.equal(state.Slots[0].FEV1, before.Slots[1].FEV1);
    assert.equal(state.Slots[1].Parameters[kBothLungsRow][kRPeripheral], 100);
    assert.equal(state.Slots[2].Parameters[kBothLungsRow][kRPeripheral], 50);
    assert.equal(await indexCell(page, "FEV1", 4), "100");
    assert.deepEqual(shared.errors, []);
  });

  test("fits and is drawn at a laptop's, a projector's, an upright tablet's and a phone's size", async () => {
    const { page } = shared;
    mkdirSync(join(outFolder, "screenshots"), { recursive: true });
    for (const [width, height] of [[1366, 768], [1920, 1080], [768, 1024], [390, 844]]) {
      await page.setViewportSize({ width, height });
      await page.waitForTimeout(200);
      const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
      assert.ok(overflow <= 0, `${width}x${height}: ${overflow} px wider than the window`);
      const canvas = await page.locator("#flow-volume").boundingBox();
      assert.ok(canvas && canvas.width > 300 && canvas.height > 150, `${width}x${height}: plot ${JSON.stringify(canvas)}`);
      const file = join(outFolder, "screenshots", `page-${width}x${height}.png`);
      await page.screenshot({ path: file });
      assert.ok(statSync(file).size > 20_000);
    }
    await page.setViewportSize({ width: 1366, height: 768 });
  });

  test("the about box opens and closes; the end-of-run sound is on by default on a laptop", async () => {
    const { page } = shared;
    assert.ok(await page.isChecked("#sound"));
    await page.click("button[data-command=about]");
    assert.match((await page.textContent("#about"))!, /MIT License/);
    await page.click("#about-close");
    assert.equal(await page.locator("#about[open]").count(), 0);
  });

  test("on a phone the indices fit, every control takes a thumb, and scale labels stand at their positions", async () => {
    const { page } = shared;
    await page.setViewportSize({ width: 390, height: 844 });
    await page.waitForTimeout(200);
    const percentColumn = await page.locator("#indices thead th").last().boundingBox();
    assert.ok(percentColumn && percentColumn.x + percentColumn.width <= 390, `% column ${JSON.stringify(percentColumn)}`);
    const small = await page.$$eval("button, select, input[type=range]", (controls) =>
      controls
        .filter((c) => (c as HTMLElement).offsetParent !== null)
        .map((c) => ({ what: c.outerHTML.slice(0, 60), box: c.getBoundingClientRect() }))
        .filter(({ box }) => box.width < 44 || box.height < 44)
        .map(({ what, box }) => `${what} ${box.width}x${box.height}`));
    assert.deepEqual(small, []);
    // The middle resistance's scale starts at 50 %; its "100" stands at the
    // thumb of 100 %, a fifth along the track, not at the track's start.
    const [label, track] = await Promise.all([
      page.locator("#slider-RMiddle ~ .ticks span", { hasText: /^100$/ }).boundingBox(),
      page.locator("#slider-RMiddle").boundingBox(),
    ]);
    const thumb = track!.x + 8 + 0.2 * (track!.width - 16);
    assert.ok(Math.abs(label!.x + label!.width / 2 - thumb) < 10, `label at ${label!.x}, thumb at ${thumb}`);
    await page.setViewportSize({ width: 1366, height: 768 });
  });

  test("an accessibility checker finds nothing serious, on a laptop and on a phone, with dialogs open", async () => {
    const { page } = shared;
    await page.addScriptTag({ path: require.resolve("axe-core/axe.min.js") });
    async function seriousViolations(where: string): Promise<string[]> {
      const results = await page.evaluate(() =>
        (window as unknown as { axe: { run(): Promise<{ violations: { id: string; impact: string; nodes: { target: string[] }[] }[] }> } }).axe.run());
      return results.violations
        .filter((v) => v.impact === "serious" || v.impact === "critical")
        .map((v) => `${where}: ${v.id} at ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`);
    }
    const found: string[] = [];
    for (const [width, height] of [[1366, 768], [390, 844]]) {
      await page.setViewportSize({ width, height });
      found.push(...(await seriousViolations(`${width}x${height}`)));
    }
    await page.setViewportSize({ width: 1366, height: 768 });
    await page.click("button[data-command=cases]");
    found.push(...(await seriousViolations("case library")));
    await page.click("#cases-close");
    await page.click("button[data-command=settings]");
    await page.waitForSelector("#settings[open]");
    found.push(...(await seriousViolations("settings view")));
    await page.click("#settings-close");
    assert.deepEqual(found, []);
  });

  test("ref.Default brings back the program's reference and re-expresses the runs against it", async () => {
    const { page } = shared;
    await page.click("button[data-command=restoreDefault]");
    await page.waitForFunction(() => window.breathlabPage.state()!.Slots[0].Parameters[2][4] === 100);
    const state = await pageState(page);
    assert.equal(state.Slots[1].Parameters[kBothLungsRow][kRPeripheral], 200);
    assert.equal(state.Slots[2].Parameters[kBothLungsRow][kRPeripheral], 100);
    assert.equal(await indexCell(page, "FEV1", 2), "2.84");
    assert.equal(await page.textContent("#slider-RPeripheral-value"), "200 %");
  });

  test("the help pages open from the menu and from a panel, with the desktop's content", async () => {
    const { page } = shared;
    await page.click("button[data-command=help]");
    await page.waitForSelector("#help-body h2");
    const general = await page.textContent("#help-body h2");
    await page.click("#help-close");
    await page.click("section.panel:has-text('MAIN') .help-button");
    await page.waitForFunction((previous) => {
      const heading = document.querySelector("#help-body h2");
      return heading !== null && heading.textContent !== previous;
    }, general);
    assert.match((await page.textContent("#help-body"))!, /main bronchi/);
    // The help scrolls with the keyboard: its text has the focus.
    await page.waitForFunction(() => document.activeElement?.id === "help-body");
    await page.keyboard.press("PageDown");
    await page.waitForFunction(() => document.getElementById("help-body")!.scrollTop > 0);
    await page.keyboard.press("Escape");
    assert.equal(await page.locator("#help[open]").count(), 0);
  });

  test("Delete removes the selected run and selects the next one", async () => {
    const { page } = shared;
    const before = await pageState(page);
    await page.click("button[data-command=delete]");
    await page.waitForFunction(() => window.breathlabPage.state()!.RunCount === 1);
    const state = await pageState(page);
    assert.equal(state.SelectedRun, 1);
    assert.deepEqual(state.Slots[1], before.Slots[2]);
    assert.equal(await page.locator("#runs tr.run").count(), 1);
    await page.click("button[data-command=delete]");
    await page.waitForFunction(() => window.breathlabPage.state()!.RunCount === 0);
    assert.equal((await pageState(page)).SelectedRun, -1);
    assert.ok(await page.locator("button[data-command=delete]").isDisabled());
    assert.equal(await indexCell(page, "FEV1", 3), "");
    assert.deepEqual(shared.errors, []);
  });

  test("the keyboard alone runs the examination, and the focus stays on START after a run", async () => {
    const { page } = shared;
    const runs = (await pageState(page)).RunCount;
    await page.focus("button[data-command=start]");
    await page.keyboard.press("Enter");
    await waitForRuns(page, Math.min(runs + 1, 3));
    await page.waitForFunction(() => document.activeElement?.getAttribute("data-command") === "start");
    const names = await page.$$eval("button, select, input", (controls) =>
      controls.filter((c) => (c as HTMLElement).offsetParent !== null).map((c) => {
        const labelled = (c as HTMLInputElement).labels?.[0]?.textContent ?? "";
        return `${c.getAttribute("aria-label") ?? ""}${c.textContent ?? ""}${labelled}${c.getAttribute("title") ?? ""}`.trim();
      }));
    assert.ok(names.every((name) => name !== ""), "every visible control has an accessible name");
    assert.ok((await page.locator("#indices thead th[scope=col]").count()) === 5);
    assert.ok((await page.locator("#indices tbody th[scope=row]").count()) >= 11);
  });
});

// breathlab-cli's --set arguments for a patient's percentages (regions and
// the expiration depth, the only global a case changes).
function setArguments(rows: number[][], globals: number[]): string[] {
  const args: string[] = [];
  for (const part of encodeSettings(rows).split("&").filter((p) => p !== "")) args.push("--set", part);
  if (globals[0] !== 100) args.push("--set", `G1=${globals[0]}`);
  return args;
}

describe("cases and exercises", () => {
  test("a case from the library runs as a listed run with breathlab-cli --case's indices", async () => {
    async function openCase(page: Page, name: string, runs: number): Promise<HistoryState> {
      await page.click("button[data-command=cases]");
      await page.click(`.case-choice[data-case='${name}']`);
      assert.match((await page.textContent("#case-note"))!, /The patient:.*Look for:.*Settings:/s);
      await page.click("#case-open");
      return waitForRuns(page, runs);
    }
    // The model's state carries from one run to the next, so each case is
    // compared as the first run of a fresh page, as breathlab-cli runs it.
    for (const name of ["tracheal-stenosis", "submaximal"]) {
      const { page, errors } = await openPage();
      assertSameAsCli((await openCase(page, name, 1)).Slots[1], cliRun(["--case", name]));
      assert.equal(await page.textContent("#data-source"), `Case: ${name === "submaximal" ? "Submaximal expiration" : "Fixed obstruction of the trachea"}`);
      // A second case is listed beside the first, for comparing on one plot.
      const state = await openCase(page, "normal", 2);
      assert.equal(state.Slots[2].Globals[0], name === "submaximal" ? 25 : 100);
      assert.equal(await page.locator("#runs tr.run").count(), 2);
      assert.deepEqual(errors, []);
      await page.close();
    }
  });

  test("an exercise number gives breathlab-cli --exercise's patient; a number counts once in the score", async () => {
    const { page, errors } = await openPage();
    await page.evaluate(() => localStorage.clear());
    await page.click("button[data-command=exercise]");
    async function openExercise(number: number): Promise<{ round: ExerciseRound; state: HistoryState }> {
      // The round shown before: opening the same number again must wait for
      // the worker's new answer, which draws the questions afresh.
      const before = await page.evaluateHandle(() => window.breathlabPage.exercise()?.round ?? null);
      await page.fill("#exercise-number", String(number));
      await page.click("#exercise-open");
      await page.waitForFunction(([n, old]) => {
        const round = window.breathlabPage.exercise()?.round;
        return round !== undefined && round !== old && round.Number === n;
      }, [number, before] as const);
      await before.dispose();
      return (await page.evaluate(() => window.breathlabPage.exercise()))!;
    }
    for (const number of [4711, 12, 99999]) {
      const { round, state } = await openExercise(number);
      const byNumber = cliRun(["--exercise", String(number)]);
      assertSameAsCli(state.Slots[1], byNumber);
      assertSameAsCli(state.Slots[1], cliRun(setArguments(round.Parameters, round.Globals)));
    }
    // The settings stay hidden: the listed runs are untouched.
    assert.equal((await pageState(page)).RunCount, 0);

    const { round } = await openExercise(4711);
    const cases = await page.$$eval(".case-choice", (buttons) => buttons.map((b) => (b as HTMLElement).dataset.case));
    assert.ok(cases.length > 5, `${cases.length} cases listed`);
    await page.click("#exercise-submit");
    assert.match((await page.textContent("#exercise-answer"))!, /both questions/);
    await page.check(`#exercise-pattern input >> nth=0`);
    await page.check(`#exercise-site input >> nth=0`);
    await page.click("#exercise-submit");
    assert.match((await page.textContent("#exercise-answer"))!, /Pattern: (right|wrong)\. Fault: (right|wrong)\..*The patient:/s);
    assert.equal(await page.locator("#exercise-pattern .choice.right").count(), 1);
    assert.ok((await page.locator("#exercise .choice.right").count()) >= 2);
    const firstScore = (await page.textContent("#exercise-score"))!;
    assert.match(firstScore, /^Score: [0-2] of 2 \(1 rounds\)$/);
    // The same number answered again, now otherwise, leaves the score alone.
    await openExercise(round.Number);
    await page.check(`#exercise-pattern input >> nth=1`);
    await page.check(`#exercise-site input >> nth=1`);
    await page.click("#exercise-submit");
    assert.equal(await page.textContent("#exercise-score"), firstScore);
    await page.click("#exercise-close");
    // The score outlives the page.
    await page.reload();
    await page.waitForSelector("body[data-state=ready]");
    await page.click("button[data-command=exercise]");
    assert.equal(await page.textContent("#exercise-score"), firstScore);
    assert.deepEqual(errors, []);
    await page.close();
  });
});

describe("offline, installable, under any sub-path", () => {
  test("a page opened once under a sub-path starts and runs with no network", async () => {
    const folder = process.env.BREATHLAB_WEB_DIR!;
    const nested = await startStaticServer(folder, 0, "/courses/spirometry/");
    const page = await browserContext().newPage();
    const errors: string[] = [];
    page.on("pageerror", (error) => errors.push(error.message));
    try {
      await page.goto(nested.url);
      await page.waitForSelector("body[data-state=ready]", { timeout: kRunTimeoutMs });
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null, undefined, { timeout: kRunTimeoutMs });
      const manifest = await page.evaluate(async () => {
        const link = document.querySelector<HTMLLinkElement>("link[rel=manifest]")!;
        return (await fetch(link.href)).json() as Promise<{ start_url: string; display: string }>;
      });
      assert.deepEqual([manifest.start_url, manifest.display], ["./", "standalone"]);
      await browserContext().setOffline(true);
      await page.reload();
      await page.waitForSelector("body[data-state=ready]", { timeout: kRunTimeoutMs });
      const state = await pressStart(page, 1);
      assertSameAsCli(state.Slots[1], cliRun([]));
      await page.click("button[data-command=cases]");
      assert.ok((await page.locator(".case-choice").count()) > 5, "the case library came from the cache");
      assert.deepEqual(errors, []);
    } finally {
      await browserContext().setOffline(false);
      await page.close();
      await nested.close();
    }
  });

  test("opened from a file, the page says how to serve it", async () => {
    const page = await browserContext().newPage();
    await page.goto(`file://${join(process.env.BREATHLAB_WEB_DIR!, "index.html")}`);
    assert.match((await page.textContent("#status"))!, /served over HTTP.*make serve-web.*http\.server/);
    await page.close();
  });
});

describe("files and links", () => {
  test("a share link reproduces the patient and breathlab-cli's run on a fresh page", async () => {
    const { page, errors } = await openPage("#RPeripheral=400&UpperLeftLobe.CCC=200");
    const state = await waitForRuns(page, 1);
    assert.equal(state.Slots[1].Parameters[kBothLungsRow][kRPeripheral], 400);
    assert.equal(state.Slots[1].Parameters[3][5], 200);
    assertSameAsCli(state.Slots[1], cliRun(["--set", "RPeripheral=400", "--set", "UpperLeftLobe.CCC=200"]));
    const link = await page.evaluate(() => window.breathlabPage.shareLink());
    assert.match(link, /#RPeripheral=400&UpperLeftLobe\.CCC=200$/);
    assert.deepEqual(errors, []);
    await page.close();
  });

  // The obstructed patient of the run-time budget: its lobes close and the
  // solver takes the most turns, where the page's way of solving the lobes
  // differs most from breathlab-cli's SIMD lanes.
  test("the obstructed patient of the run-time budget gives breathlab-cli's indices and CSV files, byte for byte", async () => {
    const { page, errors } = await openPage("#RPeripheral=800");
    const state = await waitForRuns(page, 1);
    assertSameAsCli(state.Slots[1], cliRun(["--set", "RPeripheral=800"]));
    const points = await assertCsvSameAsCli(page, "obstructed run", ["--set", "RPeripheral=800"], "obstructed");
    // Every 100 ms point reached the live curve, however the worker gathered them into messages.
    assert.equal(await page.evaluate(() => window.breathlabPage.livePoints()), points);
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("a patient who cannot inspire is a dead run, and a collapsed lung an error, as in breathlab-cli", async () => {
    for (const [fragment, args, word, label] of [
      ["#RPeripheral=800&RMiddle=1600", ["--set", "RPeripheral=800", "--set", "RMiddle=1600"], "dead", "Run 1 dead"],
      ["#Size=10", ["--set", "Size=10"], "error", "Run 1 error"],
    ] as const) {
      const { page, errors } = await openPage(fragment);
      const state = await waitForRuns(page, 1);
      assertSameAsCli(state.Slots[1], cliRun([...args]));
      assert.equal(await indexCell(page, "FEV1", 2), "2.84");
      assert.equal(await indexCell(page, "FEV1", 3), word);
      assert.equal(await indexCell(page, "FEV1", 4), "");
      assert.equal(await page.textContent("#runs tr[data-slot='1'] th"), label);
      assert.match((await page.textContent("#description"))!, word === "dead" ? /^dead: / : /^error: /);
      assert.deepEqual(errors, []);
      await page.close();
    }
  });

  test("the settings view shows every region of the shown run against the reference", async () => {
    const { page, errors } = await openPage("#RPeripheral=400&UpperLeftLobe.CCC=200&StiffMiddle=50");
    await waitForRuns(page, 1);
    await page.click("button[data-command=settings]");
    await page.waitForSelector("#settings[open]");
    const cells = await page.$$eval("#settings-table tr", (rows) => rows.map((row) => [...(row as HTMLTableRowElement).cells].map((c) => c.textContent)));
    assert.deepEqual(cells[0], ["", "R main", "VDc", "R mid.", "Stiff", "R per.", "CCC", "Size", "Cm"]);
    assert.deepEqual(cells.map((row) => row[0]), ["", "Both lungs", "Left lung", "Right lung", "Upper left lobe",
      "Lower left lobe", "Upper right lobe", "Middle right lobe", "Lower right lobe"]);
    assert.deepEqual(cells[1].slice(1), ["100 (100)", "100 (100)", "100 (100)", "50 (100)", "400 (100)", "100 (100)", "100 (100)", "100 (100)"]);
    assert.equal(cells[4][6], "200 (100)");
    assert.equal(cells[5][6], "100 (100)");
    assert.match((await page.textContent("#settings-table caption"))!, /^Settings of Run 1 /);
    await page.click("#settings-close");
    assert.equal(await page.$("#settings[open]"), null);
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("a saved .spi holds the reference that breathlab-cli --reference reproduces, and opens again", async () => {
    const { page, errors } = await openPage("#RPeripheral=400");
    await waitForRuns(page, 1);
    await page.click("button[data-command=useAsReference]");
    await page.waitForFunction(() => window.breathlabPage.state()!.Slots[0].Parameters[2][4] === 400);
    const saved = await pageState(page);
    // Without the File System Access API the file goes to the downloads.
    await page.evaluate(() => delete (window as unknown as { showSaveFilePicker?: unknown }).showSaveFilePicker);
    await page.fill("#save-name", "asthma series");
    const [download] = await Promise.all([
      page.waitForEvent("download"),
      page.click("button[data-command=save]"),
    ]);
    assert.equal(download.suggestedFilename(), "asthma series.spi");
    await page.waitForFunction(() => document.getElementById("data-source")!.textContent === "File: asthma series");
    const file = join(outFolder, "reference.spi");
    await download.saveAs(file);
    assert.equal(readFileSync(file).length, kHistorySetBytes);
    // Sliders at 100 against that reference are the linked patient again.
    assertSameAsCli(saved.Slots[0], cliRun(["--reference", file]));

    const fresh = await openPage();
    await fresh.page.setInputFiles("#open-file", file);
    await fresh.page.waitForFunction(() => window.breathlabPage.state()!.RunCount === 1);
    const opened = await pageState(fresh.page);
    assert.deepEqual(opened.Slots, saved.Slots);
    assert.equal(opened.SelectedRun, 1);
    assert.deepEqual([...errors, ...fresh.errors], []);
    await fresh.page.close();
    await page.close();
  });
});
