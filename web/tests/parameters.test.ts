// The patient's parameters as the page lists them: the names are breathlab-cli's
// (links and case settings depend on them), the scale labels stand where the
// core's slider scales put those percentages, and every slider has one panel.
import assert from "node:assert/strict";
import { test } from "node:test";
import { kBothLungs, kPanels, kParameters, kRegions, regionRow } from "../src/parameters";

test("regions and parameters carry breathlab-cli's names, in the model's rows and numbers", () => {
  assert.deepEqual(kRegions.map((r) => [r.index, r.name]), [
    [0, "BothLungs"], [-2, "LeftLung"], [-1, "RightLung"], [1, "UpperLeftLobe"], [2, "LowerLeftLobe"],
    [3, "UpperRightLobe"], [4, "MiddleRightLobe"], [5, "LowerRightLobe"],
  ]);
  assert.deepEqual(kParameters.map((p) => [p.k, p.name]), [
    [1, "RMain"], [2, "VDc"], [3, "RMiddle"], [4, "StiffMiddle"], [5, "RPeripheral"], [6, "CCC"], [7, "Size"], [8, "Cm"],
  ]);
  assert.equal(kBothLungs, 0);
  assert.deepEqual(kRegions.map((r) => regionRow(r.index)).sort(), [0, 1, 2, 3, 4, 5, 6, 7]);
});

test("every region, slider and runs-table column has its own readable text", () => {
  for (const texts of [
    kRegions.map((r) => r.label), kParameters.map((p) => p.shortName), kParameters.map((p) => p.meaning),
    kPanels.map((p) => p.title), kPanels.map((p) => p.helpPage),
  ]) {
    assert.ok(texts.every((t) => /\w/.test(t)), texts.join("|"));
    assert.equal(new Set(texts).size, texts.length, texts.join("|"));
  }
  assert.ok(kParameters.every((p) => /\w/.test(p.caption)));
});

// The core's slider scales: position to percentage.
const kScales: Record<string, (position: number) => number> = {
  log: (p) => 100 * 2 ** (p / 100 - 2),
  half: (p) => p / 2,
  quarter: (p) => p / 4 + 25,
};
const kScaleOf = ["log", "half", "log", "log", "log", "half", "quarter", "quarter"];

test("each scale label names the percentage the core's scale gives at its position", () => {
  kParameters.forEach((parameter, i) => {
    const positions = parameter.labels.map(([position]) => position);
    assert.deepEqual(positions, [...positions].sort((a, b) => a - b), parameter.name);
    for (const [position, text] of parameter.labels) {
      const percent = kScales[kScaleOf[i]](position);
      // "100 (norm)" on the middle resistance reads 100 % of normal as well.
      assert.equal(Number(/^\d+/.exec(text)![0]), percent, `${parameter.name} at ${position}: ${text}`);
    }
  });
});

test("every slider stands in exactly one panel, in the window's order", () => {
  assert.deepEqual(kPanels.flatMap((p) => p.parameters), [1, 2, 3, 4, 5, 6, 7, 8]);
});
