// The airway schematic's painting and replay under node: every shape of the
// list is stroked once, in order, with its pen; a replay steps to the end.
import assert from "node:assert/strict";
import { test } from "node:test";
import { AirwaySchematic, drawSchematic, kReplaySpeeds, nextReplaySample } from "../src/schematic";
import { asCanvas, recordingCanvas } from "./recording_canvas";
import { assertDrawnAsListed } from "./schematic_drawing";

const kSample: AirwaySchematic = {
  Width: 200,
  Height: 160,
  Shapes: [
    { Arc: false, Points: [10, 10, 10, 80, 40, 120], Centre: [0, 0], Radius: 0, Start: 0, Span: 0, Width: 2, Colour: [0, 0, 0], Lobe: -1, FlowLimited: false },
    { Arc: false, Points: [40, 120, 60, 130], Centre: [0, 0], Radius: 0, Start: 0, Span: 0, Width: 2, Colour: [255, 0, 0], Lobe: 2, FlowLimited: true },
    // A balloon: from 30 degrees on, 300 degrees counter-clockwise as seen.
    { Arc: true, Points: [], Centre: [150, 60], Radius: 20, Start: 480, Span: 4800, Width: 2, Colour: [0, 0, 0], Lobe: 2, FlowLimited: false },
    { Arc: true, Points: [], Centre: [50, 60], Radius: 12, Start: -160, Span: -800, Width: 3, Colour: [0, 0, 0], Lobe: 0, FlowLimited: false },
  ],
};

test("each shape of the core's list is one stroke with its pen, points and arc", () => {
  assertDrawnAsListed(kSample, "hand-made list");
});

test("the schematic fills a white picture sharp at the screen's density, with round pen ends", () => {
  const g = globalThis as { devicePixelRatio?: number };
  for (const [density, width, height] of [[undefined, 200, 160], [2, 400, 320]] as const) {
    g.devicePixelRatio = density;
    const canvas = recordingCanvas(0, 0);
    drawSchematic(asCanvas(canvas), kSample);
    assert.deepEqual([canvas.width, canvas.height], [width, height], `density ${density}`);
    assert.deepEqual(canvas.context.fills, ["#ffffff"]);
    assert.ok(canvas.context.paths.every((p) => p.join === "round" && p.cap === "round"));
  }
  delete g.devicePixelRatio;
});

test("over the background picture the schematic is drawn on it, stretched to the picture, with nothing filled", () => {
  const canvas = recordingCanvas(0, 0);
  const background = { picture: "tlo" } as unknown as CanvasImageSource;
  drawSchematic(asCanvas(canvas), kSample, background);
  assert.deepEqual(canvas.context.images, [{ image: background, box: [0, 0, 200, 160] }]);
  assert.deepEqual(canvas.context.fills, []);
  assert.equal(canvas.context.paths.length, kSample.Shapes.length);
});

test("a replay advances by its speed and stops at the run's last sample", () => {
  assert.deepEqual(nextReplaySample(0, 6, 100), { sample: 6, done: false });
  assert.deepEqual(nextReplaySample(94, 6, 100), { sample: 100, done: true });
  assert.deepEqual(nextReplaySample(98, 6, 100), { sample: 100, done: true });
  const speeds = kReplaySpeeds.map(([, samples]) => samples);
  assert.deepEqual([...speeds].sort((a, b) => a - b), speeds, "slow, normal, fast");
  assert.equal(new Set(speeds).size, 3);
});
