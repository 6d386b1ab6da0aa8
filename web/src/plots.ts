// The two plots: the flow-volume loops of the reference and the listed runs,
// and the volume-time curve of one run, which grows while a run goes.
import type { SlotTraces } from "./messages";

// The desktop's slot colours: reference black, then red, green and purple.
export const kSlotColours = ["#000000", "#ff0000", "#008000", "#800080", "#000000"];

interface Axes {
  xMin: number;
  xMax: number;
  yMin: number;
  yMax: number;
  xStep: number;
  yStep: number;
  xCaption: string;
  yCaption: string;
}

interface Frame {
  context: CanvasRenderingContext2D;
  width: number;
  height: number;
  left: number;
  top: number;
  right: number;
  bottom: number;
  axes: Axes;
}

const kFlowVolumeAxes: Axes = {
  xMin: 0, xMax: 8, yMin: -4, yMax: 12, xStep: 1, yStep: 2,
  xCaption: "Volume expired (l)", yCaption: "Flow (l/s), expiration up",
};
const kVolumeTimeAxes: Axes = {
  xMin: 0, xMax: 60, yMin: 0, yMax: 10, xStep: 10, yStep: 2,
  xCaption: "Time (s)", yCaption: "Volume (l)",
};

function fontSize(canvas: HTMLCanvasElement): number {
  return Math.max(12, Math.min(18, Math.round(canvas.clientWidth / 45)));
}

// Sizes the canvas to its box at the screen's pixel density (or at the
// density asked for, when a figure is saved) and draws the axes.
function prepareFrame(canvas: HTMLCanvasElement, axes: Axes, density?: number): Frame {
  const ratio = density ?? (globalThis.devicePixelRatio || 1);
  const width = canvas.clientWidth;
  const height = canvas.clientHeight;
  canvas.width = Math.max(1, Math.round(width * ratio));
  canvas.height = Math.max(1, Math.round(height * ratio));
  const context = canvas.getContext("2d")!;
  context.setTransform(ratio, 0, 0, ratio, 0, 0);
  const size = fontSize(canvas);
  const frame: Frame = {
    context, width, height, axes,
    left: size * 3.2, top: size * 1.8, right: width - size * 1.2, bottom: height - size * 2.8,
  };
  drawAxes(frame, size);
  return frame;
}

function xOf(f: Frame, x: number): number {
  return f.left + ((x - f.axes.xMin) / (f.axes.xMax - f.axes.xMin)) * (f.right - f.left);
}

function yOf(f: Frame, y: number): number {
  return f.bottom - ((y - f.axes.yMin) / (f.axes.yMax - f.axes.yMin)) * (f.bottom - f.top);
}

// The axis step whose labels, as wide as they measure, never touch: the
// axis's own step, or 2, 5, 10, 20... times it where the plot is narrow.
export function labelledStep(
  min: number, max: number, step: number, pixelsPerStep: number, labelWidth: (text: string) => number,
): number {
  let widest = 0;
  for (let x = min; x <= max; x += step) widest = Math.max(widest, labelWidth(String(x)));
  const factors = [1, 2, 5, 10, 20, 50, 100];
  const factor = factors.find((n) => n * pixelsPerStep >= widest) ?? factors[factors.length - 1];
  return step * factor;
}

function drawAxes(f: Frame, size: number): void {
  const c = f.context;
  const a = f.axes;
  c.fillStyle = "#ffffff";
  c.fillRect(0, 0, f.width, f.height);
  c.font = `${size}px system-ui, sans-serif`;
  c.lineWidth = 1;
  c.strokeStyle = "#e3e6ea";
  c.fillStyle = "#333";
  c.textAlign = "center";
  c.textBaseline = "top";
  const xStep = labelledStep(a.xMin, a.xMax, a.xStep, xOf(f, a.xMin + a.xStep) - xOf(f, a.xMin),
    (text) => c.measureText(text).width + size * 0.8);
  for (let x = a.xMin; x <= a.xMax; x += xStep) {
    c.beginPath();
    c.moveTo(xOf(f, x), f.top);
    c.lineTo(xOf(f, x), f.bottom);
    c.stroke();
    c.fillText(String(x), xOf(f, x), f.bottom + size * 0.3);
  }
  c.textAlign = "right";
  c.textBaseline = "middle";
  // Stacked labels need a line's height between them.
  const yStep = labelledStep(a.yMin, a.yMax, a.yStep, yOf(f, a.yMin) - yOf(f, a.yMin + a.yStep), () => size * 1.3);
  for (let y = a.yMin; y <= a.yMax; y += yStep) {
    c.beginPath();
    c.moveTo(f.left, yOf(f, y));
    c.lineTo(f.right, yOf(f, y));
    c.stroke();
    c.fillText(String(y), f.left - size * 0.4, yOf(f, y));
  }
  c.strokeStyle = "#000";
  c.lineWidth = 1.5;
  c.beginPath();
  const zero = Math.min(Math.max(0, a.yMin), a.yMax);
  c.moveTo(f.left, yOf(f, zero));
  c.lineTo(f.right, yOf(f, zero));
  c.moveTo(f.left, f.top);
  c.lineTo(f.left, f.bottom);
  c.stroke();
  c.textAlign = "right";
  c.textBaseline = "bottom";
  c.fillText(a.xCaption, f.right, f.height - size * 0.2);
  c.textAlign = "left";
  c.textBaseline = "top";
  c.fillText(a.yCaption, f.left + size * 0.4, size * 0.2);
}

// One loop: volume expired since the largest volume against expiratory flow
// (the model's expiratory flow is negative). A sample with zero flow lifts
// the pen; the first zero volume ends the curve.
function drawLoop(f: Frame, traces: SlotTraces, colour: string, width: number): void {
  const volume = traces.sampleVolume;
  const flow = traces.sampleFlow;
  if (volume[0] === 0) return;
  let largest = -Infinity;
  for (const v of volume) largest = Math.max(largest, v);
  const c = f.context;
  c.strokeStyle = colour;
  c.lineWidth = width;
  c.lineJoin = "round";
  c.beginPath();
  c.moveTo(xOf(f, largest - volume[0]), yOf(f, -flow[0]));
  for (let n = 1; n < volume.length && volume[n] !== 0; ++n) {
    const x = xOf(f, largest - volume[n]);
    const y = yOf(f, -flow[n]);
    if (flow[n] !== 0) c.lineTo(x, y);
    else c.moveTo(x, y);
  }
  c.stroke();
}

// A short upright tick at the FEV1 point of a curve.
function drawFev1Mark(f: Frame, fev1: number, flowAtFev1: number, colour: string): void {
  const c = f.context;
  const x = xOf(f, fev1);
  const y = yOf(f, -flowAtFev1);
  c.strokeStyle = colour;
  c.lineWidth = 2;
  c.beginPath();
  c.moveTo(x, y);
  c.lineTo(x, y - 12);
  c.stroke();
}

export interface FlowVolumeView {
  traces: SlotTraces[];
  fev1: (number | null)[];
  flowAtFev1: (number | null)[];
  frc: (number | null)[];
  listed: number; // slots 1..listed are drawn besides the reference
  selected: number; // drawn thick
}

export function drawFlowVolume(canvas: HTMLCanvasElement, view: FlowVolumeView, density?: number): void {
  const frame = prepareFrame(canvas, kFlowVolumeAxes, density);
  // Newest last, so it lies on top.
  for (const slot of [0, 3, 2, 1]) {
    if (slot > view.listed) continue;
    const width = slot === view.selected ? 4 : 1.5;
    drawLoop(frame, view.traces[slot], kSlotColours[slot], width);
    const fev1 = view.fev1[slot];
    const flow = view.flowAtFev1[slot];
    if (view.traces[slot].sampleVolume[1] !== 0 && fev1 && fev1 > 0 && (view.frc[slot] ?? 0) > 0 && flow !== null)
      drawFev1Mark(frame, fev1, flow, kSlotColours[slot]);
  }
}

export interface VolumeTimeView {
  time: ArrayLike<number>;
  volume: ArrayLike<number>;
  points: number; // how many points of the trace to draw
  colour: string;
  referenceFrc: number | null;
  clock: number | null; // seconds shown in the corner while a run goes
}

export function drawVolumeTime(canvas: HTMLCanvasElement, view: VolumeTimeView, density?: number): void {
  const f = prepareFrame(canvas, kVolumeTimeAxes, density);
  const c = f.context;
  const size = fontSize(canvas);
  if (view.referenceFrc !== null && view.referenceFrc > 0) {
    const y = yOf(f, view.referenceFrc);
    c.strokeStyle = "#9aa0a6";
    c.setLineDash([6, 4]);
    c.lineWidth = 1.5;
    c.beginPath();
    c.moveTo(f.left, y);
    c.lineTo(f.right, y);
    c.stroke();
    c.setLineDash([]);
    c.fillStyle = "#5f6368";
    c.textAlign = "right";
    c.textBaseline = "bottom";
    c.fillText("FRC(ref)", f.right, y - 2);
  }
  if (view.points > 0) {
    c.strokeStyle = view.colour;
    c.lineWidth = 2;
    c.beginPath();
    c.moveTo(xOf(f, view.time[0]), yOf(f, view.volume[0]));
    for (let i = 1; i < view.points; ++i) c.lineTo(xOf(f, view.time[i]), yOf(f, view.volume[i]));
    c.stroke();
  }
  if (view.clock !== null) {
    const text = `${view.clock.toFixed(2)} s`;
    c.font = `bold ${size * 1.2}px system-ui, sans-serif`;
    const width = c.measureText(text).width + size;
    c.fillStyle = "#ffe14d";
    c.fillRect(f.right - width, f.top, width, size * 1.8);
    c.fillStyle = "#000";
    c.textAlign = "center";
    c.textBaseline = "middle";
    c.fillText(text, f.right - width / 2, f.top + size * 0.9);
  }
}

// The number of points a stored trace holds: it ends at the first zero time.
export function tracePoints(time: ArrayLike<number>): number {
  let n = 0;
  while (n < time.length && time[n] !== 0) ++n;
  return n;
}
