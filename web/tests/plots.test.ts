// The plots' drawing lists, recorded under node: which loops are drawn in
// which pen, where their points land, and that axis labels never touch.
import assert from "node:assert/strict";
import { describe, test } from "node:test";
import type { SlotTraces } from "../src/messages";
import { drawFlowVolume, drawVolumeTime, FlowVolumeView, kSlotColours, labelledStep, tracePoints } from "../src/plots";
import { asCanvas, recordingCanvas, RecordingContext, StrokedPath } from "./recording_canvas";
import { svgCanvas } from "../src/svg_context";

// A 450 x 300 canvas has a 12 px font, so the plot area is
// left 38.4, right 435.6, top 21.6, bottom 266.4 (3.2, 1.2, 1.8 and 2.8 fonts in).
const kWidth = 450;
const kHeight = 300;
const kLeft = 38.4;
const kRight = 435.6;
const kTop = 21.6;
const kBottom = 266.4;

// Samples as the model stores them: volume in the lungs and (negative,
// expiratory) flow, padded with zeros after the last sample.
function traces(samples: [volume: number, flow: number][]): SlotTraces {
  const length = 12;
  const sampleVolume = new Float32Array(length);
  const sampleFlow = new Float32Array(length);
  samples.forEach(([v, q], i) => {
    sampleVolume[i] = v;
    sampleFlow[i] = q;
  });
  return { sampleVolume, sampleFlow, time: new Float32Array(length), volume: new Float32Array(length) };
}

const kEmpty = traces([]);
// A loop from 6 l (TLC) down to 2 l, peaking at 8 l/s; one sample has no flow.
const kLoop = traces([[6, -0.5], [5.5, -8], [5, -6], [4, 0], [3, -2], [2, -0.5]]);

function view(listed: number, selected: number, slots = [kLoop, kLoop, kLoop, kLoop, kEmpty]): FlowVolumeView {
  return {
    traces: slots,
    fev1: [2.5, 2.5, 2.5, 2.5, null],
    flowAtFev1: [-1, -1, -1, -1, null],
    frc: [3, 3, 3, 3, null],
    listed,
    selected,
  };
}

function drawnFlowVolume(v: FlowVolumeView): RecordingContext {
  const canvas = recordingCanvas(kWidth, kHeight);
  drawFlowVolume(asCanvas(canvas), v);
  return canvas.context;
}

// The stroked loops (paths of more than two points in a slot colour).
function loops(context: RecordingContext): StrokedPath[] {
  return context.paths.filter((p) => kSlotColours.includes(p.colour) && p.points.length > 2);
}

function fev1Marks(context: RecordingContext): StrokedPath[] {
  return context.paths.filter((p) => kSlotColours.includes(p.colour) && p.points.length === 2);
}

function near(actual: number, expected: number, what: string): void {
  assert.ok(Math.abs(actual - expected) < 1e-9, `${what}: ${actual}, expected ${expected}`);
}

function nearAll(actual: number[], expected: number[], what: string): void {
  assert.equal(actual.length, expected.length, what);
  actual.forEach((value, i) => near(value, expected[i], `${what} [${i}]`));
}

describe("flow-volume plot", () => {
  test("the reference loop alone at start-up, then the listed runs, newest on top", () => {
    for (const [listed, colours] of [
      [0, ["#000000"]],
      [1, ["#000000", "#ff0000"]],
      [2, ["#000000", "#008000", "#ff0000"]],
      [3, ["#000000", "#800080", "#008000", "#ff0000"]],
    ] as const) {
      assert.deepEqual(loops(drawnFlowVolume(view(listed, -1))).map((p) => p.colour), colours, `listed ${listed}`);
    }
  });

  test("the selected run is drawn thick, the others thin; an empty slot draws nothing", () => {
    const context = drawnFlowVolume(view(3, 2, [kLoop, kLoop, kLoop, kEmpty, kEmpty]));
    assert.deepEqual(loops(context).map((p) => [p.colour, p.width]), [
      ["#000000", 1.5], ["#008000", 4], ["#ff0000", 1.5],
    ]);
  });

  test("points stand at volume expired and expiratory flow; zero flow lifts the pen; zero volume ends", () => {
    const [loop] = loops(drawnFlowVolume(view(0, -1)));
    const x = (expired: number) => kLeft + (expired / 8) * (kRight - kLeft);
    const y = (flow: number) => kBottom - ((flow + 4) / 16) * (kBottom - kTop);
    const expected: [string, number, number][] = [
      ["M", x(0), y(0.5)], ["L", x(0.5), y(8)], ["L", x(1), y(6)],
      ["M", x(2), y(0)], ["L", x(3), y(2)], ["L", x(4), y(0.5)],
    ];
    assert.equal(loop.points.length, expected.length);
    loop.points.forEach(([kind, px, py], i) => {
      assert.equal(kind, expected[i][0], `point ${i}`);
      near(px, expected[i][1], `x of point ${i}`);
      near(py, expected[i][2], `y of point ${i}`);
    });
  });

  test("the FEV1 tick stands at FEV1 for loops with a volume, an FEV1 and an FRC", () => {
    const marks = fev1Marks(drawnFlowVolume(view(1, -1)));
    assert.equal(marks.length, 2);
    const x = kLeft + (2.5 / 8) * (kRight - kLeft);
    const y = kBottom - (5 / 16) * (kBottom - kTop);
    near(marks[0].points[0][1], x, "x");
    near(marks[0].points[0][2], y, "y");
    near(marks[0].points[1][2], y - 12, "top of the tick");
    for (const missing of ["fev1", "frc"] as const) {
      const v = view(1, -1);
      v[missing] = [0, null, 0, 0, null];
      assert.equal(fev1Marks(drawnFlowVolume(v)).length, 0, `no ${missing}`);
    }
    const single = traces([[6, -1]]);
    assert.equal(fev1Marks(drawnFlowVolume(view(0, -1, [single, kEmpty, kEmpty, kEmpty, kEmpty]))).length, 0);
  });
});

describe("volume-time plot", () => {
  const time = [0.5, 1, 1.5, 2];
  const volume = [6, 4, 3, 2.5];

  function drawn(points: number, referenceFrc: number | null, clock: number | null): RecordingContext {
    const canvas = recordingCanvas(kWidth, kHeight);
    drawVolumeTime(asCanvas(canvas), { time, volume, points, colour: "#ff0000", referenceFrc, clock });
    return canvas.context;
  }

  test("draws as many points as asked, the reference FRC dashed, and the clock while running", () => {
    const context = drawn(3, 2.75, 1.234);
    const curve = context.paths.filter((p) => p.colour === "#ff0000");
    assert.equal(curve.length, 1);
    assert.equal(curve[0].points.length, 3);
    near(curve[0].points[2][1], kLeft + (1.5 / 60) * (kRight - kLeft), "x of the third point");
    near(curve[0].points[2][2], kBottom - (3 / 10) * (kBottom - kTop), "y of the third point");
    const frc = context.paths.filter((p) => p.dashed);
    assert.equal(frc.length, 1);
    near(frc[0].points[0][2], kBottom - (2.75 / 10) * (kBottom - kTop), "height of FRC(ref)");
    const texts = context.texts.map((t) => t.text);
    assert.ok(texts.includes("FRC(ref)") && texts.includes("1.23 s"), texts.join(" "));
  });

  test("no curve without points, no FRC line without a reference FRC, no clock after the run", () => {
    for (const frc of [null, 0]) {
      const context = drawn(0, frc, null);
      assert.equal(context.paths.filter((p) => p.colour === "#ff0000" || p.dashed).length, 0);
      assert.ok(!context.texts.some((t) => t.text === "FRC(ref)" || t.text.endsWith(" s")));
    }
  });
});

describe("axes", () => {
  test("the flow-volume frame: grid every litre and every 2 l/s, labels beside it, the zero line and captions", () => {
    const c = drawnFlowVolume(view(-1, -1, [kEmpty, kEmpty, kEmpty, kEmpty, kEmpty]));
    assert.deepEqual(c.rects[0], [0, 0, kWidth, kHeight], "a white page first");
    assert.equal(c.fills[0], "#ffffff");
    const grid = c.paths.filter((p) => p.colour === "#e3e6ea");
    assert.ok(grid.every((p) => p.width === 1 && !p.dashed));
    // 9 upright lines 0..8 l, 49.65 px apart, then 9 level ones -4..12 l/s, 30.6 px apart.
    assert.equal(grid.length, 18);
    grid.slice(0, 9).forEach((p, k) => {
      near(p.points[0][1], kLeft + k * 49.65, `x of line ${k}`);
      nearAll([p.points[0][2], p.points[1][2]], [kTop, kBottom], `line ${k}`);
    });
    grid.slice(9).forEach((p, k) => {
      near(p.points[0][2], kBottom - k * 30.6, `y of line ${k}`);
      nearAll([p.points[0][1], p.points[1][1]], [kLeft, kRight], `line ${k}`);
    });
    const labels = c.texts.filter((t) => /^-?\d+$/.test(t.text));
    assert.deepEqual(labels.map((t) => t.text), ["0", "1", "2", "3", "4", "5", "6", "7", "8", "-4", "-2", "0", "2", "4", "6", "8", "10", "12"]);
    for (const t of labels.slice(0, 9)) {
      near(t.y, kBottom + 3.6, t.text);
      assert.deepEqual([t.align, t.baseline], ["center", "top"]);
    }
    for (const t of labels.slice(9)) {
      near(t.x, kLeft - 4.8, t.text);
      assert.deepEqual([t.align, t.baseline], ["right", "middle"]);
    }
    assert.ok(labels.every((t) => t.font === "12px system-ui, sans-serif" && t.colour === "#333"));
    // The axes in black: the zero-flow line (a quarter of the way up) and the volume axis.
    const axes = c.paths.find((p) => p.colour === "#000")!;
    assert.equal(axes.width, 1.5);
    assert.deepEqual(axes.points.map(([kind]) => kind), ["M", "L", "M", "L"]);
    nearAll(axes.points.map(([, x]) => x), [kLeft, kRight, kLeft, kLeft], "axes x");
    near(axes.points[0][2], 205.2, "zero flow");
    near(axes.points[1][2], 205.2, "zero flow");
    nearAll([axes.points[2][2], axes.points[3][2]], [kTop, kBottom], "volume axis");
    for (const [text, x, y, baseline, align] of [
      ["Volume expired (l)", kRight, kHeight - 2.4, "bottom", "right"],
      ["Flow (l/s), expiration up", kLeft + 4.8, 2.4, "top", "left"],
    ] as const) {
      const caption = c.texts.find((t) => t.text === text)!;
      nearAll([caption.x, caption.y], [x, y], text);
      assert.deepEqual([caption.colour, caption.font, caption.baseline, caption.align], ["#333", "12px system-ui, sans-serif", baseline, align]);
    }
  });

  test("the font grows with the plot's width from 12 to 18 px; the volume-time zero line lies on its floor", () => {
    for (const [width, size] of [[300, 12], [585, 13], [607, 13], [608, 14], [810, 18], [2000, 18]]) {
      const canvas = recordingCanvas(width, 400);
      drawVolumeTime(asCanvas(canvas), { time: [], volume: [], points: 0, colour: "#ff0000", referenceFrc: null, clock: null });
      assert.equal(canvas.context.texts[0].font, `${size}px system-ui, sans-serif`, `width ${width}`);
      const axes = canvas.context.paths.find((p) => p.colour === "#000")!;
      // The volume axis starts at 0 l: the zero line is the plot's bottom, 2.8 fonts up.
      near(axes.points[0][2], 400 - 2.8 * size, `width ${width}`);
    }
  });
});

describe("axis labels", () => {
  // The labels under the time axis, in order, with their measured widths.
  function timeLabels(width: number): { x: number; width: number; text: string }[] {
    const canvas = recordingCanvas(width, 200);
    drawVolumeTime(asCanvas(canvas), { time: [], volume: [], points: 0, colour: "#f00", referenceFrc: null, clock: null });
    const bottomTexts = canvas.context.texts.filter((t) => /^\d+$/.test(t.text) && t.baseline === "top");
    return bottomTexts.map((t) => ({ x: t.x, text: t.text, width: t.text.length * 0.6 * 12 }));
  }

  test("a wide plot labels every 10 s; a phone's narrow plot thins the labels so that none touch", () => {
    assert.deepEqual(timeLabels(800).map((l) => l.text), ["0", "10", "20", "30", "40", "50", "60"]);
    for (const width of [120, 160, 200, 260]) {
      const labels = timeLabels(width);
      assert.ok(labels.length >= 2, `${width} px: ${labels.length} labels`);
      for (let i = 1; i < labels.length; ++i) {
        const gap = labels[i].x - labels[i - 1].x - (labels[i].width + labels[i - 1].width) / 2;
        assert.ok(gap > 0, `${width} px: "${labels[i - 1].text}" and "${labels[i].text}" touch`);
      }
    }
  });

  test("the step grows from the axis's own step to 2, 5 and 10 times it", () => {
    const width = () => 20;
    assert.equal(labelledStep(0, 60, 10, 20, width), 10);
    assert.equal(labelledStep(0, 60, 10, 19.9, width), 20);
    assert.equal(labelledStep(0, 60, 10, 9, width), 50);
    assert.equal(labelledStep(0, 8, 1, 1, width), 20);
    assert.equal(labelledStep(0, 8, 1, 0.1, width), 100);
  });
});

test("plots are sharp at the screen's density, or at the density a saved figure asks for", () => {
  const g = globalThis as { devicePixelRatio?: number };
  for (const [screen, asked, expected] of [[undefined, undefined, 1], [2, undefined, 2], [1, 2, 2], [3, 1, 1]] as const) {
    g.devicePixelRatio = screen;
    const canvas = recordingCanvas(kWidth, kHeight);
    drawFlowVolume(asCanvas(canvas), view(0, -1), asked);
    assert.deepEqual([canvas.width, canvas.height], [kWidth * expected, kHeight * expected], `screen ${screen}, asked ${asked}`);
    assert.deepEqual(canvas.context.fills[0], "#ffffff");
  }
  delete g.devicePixelRatio;
});

test("a stored trace ends at its first zero time", () => {
  assert.equal(tracePoints(new Float32Array([0.1, 0.2, 0, 0.4])), 2);
  assert.equal(tracePoints(new Float32Array([0.1, 0.2])), 2);
  assert.equal(tracePoints(new Float32Array([0, 0.2])), 0);
});

describe("figures as SVG", () => {
  test("the plot drawn into SVG keeps its loops, pens, dashes and escaped texts", () => {
    const { canvas, context } = svgCanvas(kWidth, kHeight, (text) => text.length * 7);
    drawFlowVolume(canvas, view(1, 1));
    const svg = context.document(kWidth, kHeight);
    assert.match(svg, /^<svg xmlns="http:\/\/www\.w3\.org\/2000\/svg" width="450" height="300" viewBox="0 0 450 300">/);
    const loops = [...svg.matchAll(/<path d="(M[^"]+)" fill="none" stroke="(#ff0000|#000000)" stroke-width="([\d.]+)"/g)]
      .filter((m) => (m[1].match(/L/g) ?? []).length > 2);
    assert.deepEqual(loops.map((m) => [m[2], m[3]]), [["#000000", "1.5"], ["#ff0000", "4"]]);
    // The loop's first point: volume 0 expired, flow 0.5 l/s up.
    assert.ok(loops[0][1].startsWith(`M${kLeft} ${Math.round((kBottom - (4.5 / 16) * (kBottom - kTop)) * 100) / 100}`), loops[0][1].slice(0, 30));
    assert.match(svg, /text-anchor="end" dominant-baseline="text-after-edge">Volume expired \(l\)<\/text>/);

    const time = svgCanvas(kWidth, kHeight, (text) => text.length * 7);
    drawVolumeTime(time.canvas, { time: [1, 2], volume: [3, 4], points: 2, colour: "#ff0000", referenceFrc: 3, clock: null });
    const timeSvg = time.context.document(kWidth, kHeight);
    assert.match(timeSvg, /stroke="#9aa0a6" stroke-width="1.5" stroke-linejoin="[a-z]+" stroke-linecap="[a-z]+" stroke-dasharray="6 4"/);
    assert.equal((timeSvg.match(/stroke-dasharray/g) ?? []).length, 1);
  });

  test("text is escaped for XML", () => {
    const { context } = svgCanvas(10, 10, () => 0);
    context.fillText(`a<b & "c">`, 1, 2);
    assert.match(context.document(10, 10), />a&lt;b &amp; &quot;c&quot;&gt;<\/text>/);
  });
});
