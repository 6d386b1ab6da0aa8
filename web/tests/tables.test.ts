// The texts of the indices and runs tables, from the core's cells.
import assert from "node:assert/strict";
import { describe, test } from "node:test";
import type { HistoryState } from "../src/messages";
import { indexTableView, kSlotTextColours, runLabel, shortNumber } from "../src/tables";
import { csvFileNames, reportFileName, saveFileName } from "../src/save_name";
import { soundWanted } from "../src/run_sound";
import { reportDate, runReport } from "../src/run_report";
import type { SlotRecord } from "../src/messages";

// WCAG's relative luminance and contrast ratio of two "#rrggbb" colours.
function luminance(colour: string): number {
  const [r, g, b] = [1, 3, 5].map((i) => {
    const c = parseInt(colour.slice(i, i + 2), 16) / 255;
    return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
  });
  return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}

function contrast(a: string, b: string): number {
  const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
}

function history(selectedRun: number, rows: string[][]): HistoryState {
  return {
    SelectedRun: selectedRun, RunCount: Math.max(selectedRun, 0), IndexTable: rows,
    Slots: [], Working: [], WorkingGlobals: [],
  };
}

const kHead = ["", "Unit", "Ref.", "Obs.", "%"];

describe("indices table", () => {
  test("headings, numbers and the shown run's columns; spacer rows dropped, blanks emptied", () => {
    const view = indexTableView(history(2, [
      kHead,
      ["FEV1", "l", "2.84", "2.10", "74"],
      ["", "", "", "", ""],
      ["FET", "s", " ", "9.1", " "],
    ]));
    assert.equal(view.shownSlot, 2);
    assert.deepEqual(view.head.map((c) => [c.text, c.header, c.number, c.run]), [
      ["", true, false, false], ["Unit", true, false, false], ["Ref.", true, false, false],
      ["Obs.", true, false, true], ["%", true, false, true],
    ]);
    assert.equal(view.body.length, 2);
    assert.deepEqual(view.body[0].map((c) => [c.text, c.header, c.number, c.run]), [
      ["FEV1", true, false, false], ["l", false, false, false], ["2.84", false, true, false],
      ["2.10", false, true, true], ["74", false, true, true],
    ]);
    assert.deepEqual(view.body[1].map((c) => c.text), ["FET", "s", "", "9.1", ""]);
  });

  test("no selected run shows the reference; dead and error runs are marked", () => {
    assert.equal(indexTableView(history(-1, [kHead])).shownSlot, 0);
    const view = indexTableView(history(1, [kHead, ["FEV1", "l", "2.84", "dead", ""], ["PEF", "l/s", "9", "error", ""]]));
    assert.deepEqual(view.body.map((row) => row.map((c) => c.failed)), [
      [false, false, false, true, false], [false, false, false, true, false],
    ]);
  });
});

describe("runs table", () => {
  test("a run is labelled by its number and, when it did not complete, by how it ended", () => {
    assert.equal(runLabel(2, 1), "Run 2");
    assert.equal(runLabel(1, 0), "Run 1 dead");
    assert.equal(runLabel(3, 2), "Run 3 error");
    assert.equal(runLabel(3, null), "Run 3 error");
  });

  test("percentages show five significant digits without trailing zeros", () => {
    assert.equal(shortNumber(100), "100");
    assert.equal(shortNumber(141.42136), "141.42");
    assert.equal(shortNumber(Math.fround(149.123451)), "149.12");
    assert.equal(shortNumber(12.5), "12.5");
  });
});

test("every run's text colour reads on white and on the selected row's yellow", () => {
  assert.ok(contrast("#ff0000", "#ffffff") < 4.5, "the plots' pure red would not");
  for (const colour of kSlotTextColours)
    for (const background of ["#ffffff", "#fff36b"])
      assert.ok(contrast(colour, background) >= 4.5, `${colour} on ${background}: ${contrast(colour, background)}`);
});

test("a file is saved under the typed name, made safe, with .spi; standard stays reserved", () => {
  for (const [typed, file] of [
    ["asthma series", "asthma series.spi"],
    ["  week2.SPI ", "week2.spi"],
    ["", "data_default.spi"],
    ["../../etc/passwd", "_.._etc_passwd.spi"],
    ["a:b*c?", "a_b_c_.spi"],
    ["x".repeat(200), `${"x".repeat(120)}.spi`],
  ])
    assert.deepEqual(saveFileName(typed), { file }, typed);
  for (const typed of ["standard", "Standard.spi", " STANDARD "]) assert.ok("refused" in saveFileName(typed), typed);
});

test("a run's tables and report take the typed name as breathlab-cli's --csv prefix; standard is a fine name there", () => {
  for (const [typed, base] of [
    ["asthma series.spi", "asthma series"],
    [" week2.CSV", "week2"],
    ["week3.pdf", "week3"],
    ["", "data_default"],
    ["a/b", "a_b"],
    ["standard", "standard"],
  ]) {
    assert.deepEqual(csvFileNames(typed), [`${base}-volume-time.csv`, `${base}-flow-volume.csv`], typed);
    assert.equal(reportFileName(typed), `${base}-report.pdf`, typed);
  }
});

test("the end-of-run sound is off by default on a phone only, and a stored choice wins", () => {
  assert.equal(soundWanted(null, true), false);
  assert.equal(soundWanted(null, false), true);
  assert.equal(soundWanted("on", true), true);
  assert.equal(soundWanted("off", false), false);
});

describe("run report", () => {
  const normal = () => Array.from({ length: 8 }, () => Array(8).fill(100));
  const slot = (runStatus: number | null, rows: number[][]) => ({ RunStatus: runStatus, Parameters: rows }) as SlotRecord;
  const when = new Date(2026, 0, 5, 9, 7);

  test("names the shown run, and its settings as breathlab-cli --set takes them", () => {
    const rows = normal();
    rows[2][4] = 400; // both lungs, RPeripheral
    rows[3][5] = 50; // upper left lobe, CCC
    const state = { ...history(2, [kHead, ["FEV1", "l", "2.84", "2.10", "74"], ["", "", "", "", ""]]), Slots: [slot(1, normal()), slot(1, normal()), slot(0, rows)] };
    const report = runReport(state, "Case: Asthma", when);
    assert.deepEqual(report.lines, [
      "Made 2026-01-05 09:07. Case: Asthma",
      "Shown: Run 2 dead against the reference.",
      "Settings: RPeripheral=400, UpperLeftLobe.CCC=50",
    ]);
    assert.deepEqual(report.table, [kHead, ["FEV1", "l", "2.84", "2.10", "74"]]);
  });

  test("with no run selected it is the reference's report", () => {
    const state = { ...history(-1, [kHead]), Slots: [slot(1, normal())] };
    assert.deepEqual(runReport(state, "", when).lines.slice(1), [
      "Shown: the reference (no run selected).", "Settings: every parameter at 100 % of the reference.",
    ]);
    assert.equal(reportDate(new Date(2026, 10, 30, 23, 59)), "2026-11-30 23:59");
  });
});
