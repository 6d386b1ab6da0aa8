// A canvas that keeps what is drawn on it instead of painting pixels, so that
// the plots can be checked under node: each stroked path with its pen, each
// text with where it stands. Text measures 0.6 of the font size per character.

import { CanvasState } from "../src/canvas_state";

export interface StrokedPath {
  colour: string;
  width: number;
  dashed: boolean;
  join: string;
  cap: string;
  // "M" moves the pen, "L" draws a line to the point.
  points: [kind: "M" | "L", x: number, y: number][];
  arc?: { x: number; y: number; radius: number; start: number; end: number; anticlockwise: boolean };
}

export interface DrawnText {
  text: string;
  x: number;
  y: number;
  colour: string;
  font: string;
  baseline: string;
  align: string;
}

export class RecordingContext extends CanvasState {
  paths: StrokedPath[] = [];
  texts: DrawnText[] = [];
  private dash: number[] = [];
  private current: StrokedPath["points"] = [];
  private currentArc: StrokedPath["arc"];

  setTransform(): void {}
  fills: string[] = [];
  rects: number[][] = [];
  fillRect(...box: number[]): void {
    this.fills.push(this.fillStyle);
    this.rects.push(box);
  }
  // Pictures drawn, each with the box it was stretched to.
  images: { image: unknown; box: number[] }[] = [];
  drawImage(image: unknown, ...box: number[]): void {
    this.images.push({ image, box });
  }
  setLineDash(pattern: number[]): void {
    this.dash = pattern;
  }
  beginPath(): void {
    this.current = [];
    this.currentArc = undefined;
  }
  arc(x: number, y: number, radius: number, start: number, end: number, anticlockwise = false): void {
    this.currentArc = { x, y, radius, start, end, anticlockwise };
  }
  moveTo(x: number, y: number): void {
    this.current.push(["M", x, y]);
  }
  lineTo(x: number, y: number): void {
    this.current.push(["L", x, y]);
  }
  stroke(): void {
    this.paths.push({
      colour: this.strokeStyle, width: this.lineWidth, dashed: this.dash.length > 0, points: this.current,
      join: this.lineJoin, cap: this.lineCap,
      ...(this.currentArc && { arc: this.currentArc }),
    });
  }
  fillText(text: string, x: number, y: number): void {
    this.texts.push({ text, x, y, colour: this.fillStyle, font: this.font, baseline: this.textBaseline, align: this.textAlign });
  }
  measureText(text: string): { width: number } {
    return { width: text.length * 0.6 * this.fontSize() };
  }
  fontSize(): number {
    return Number(/(\d+(\.\d+)?)px/.exec(this.font)![1]);
  }
}

export interface RecordingCanvas {
  clientWidth: number;
  clientHeight: number;
  width: number;
  height: number;
  context: RecordingContext;
  getContext(kind: string): RecordingContext;
}

export function recordingCanvas(clientWidth: number, clientHeight: number): RecordingCanvas {
  const context = new RecordingContext();
  return {
    clientWidth, clientHeight, width: 0, height: 0, context,
    getContext: (kind: string) => {
      if (kind !== "2d") throw new Error(`a ${kind} context`);
      return context;
    },
  };
}

// The canvas as the plotting functions take it.
export function asCanvas(canvas: RecordingCanvas): HTMLCanvasElement {
  return canvas as unknown as HTMLCanvasElement;
}
