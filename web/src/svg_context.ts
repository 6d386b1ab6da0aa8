// A stand-in for a canvas's 2D context that writes SVG: the plots draw on it
// exactly as on the screen, and the figure is saved as a vector drawing.

import { CanvasState } from "./canvas_state";

export type TextMeasure = (text: string, font: string) => number;

function escaped(text: string): string {
  return text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;").replace(/"/g, "&quot;");
}

function number(value: number): string {
  return String(Math.round(value * 100) / 100);
}

const kAnchors: Record<string, string> = { left: "start", start: "start", center: "middle", right: "end", end: "end" };
const kBaselines: Record<string, string> = { top: "hanging", middle: "middle", bottom: "text-after-edge", alphabetic: "alphabetic" };

export class SvgContext extends CanvasState {
  private dash: number[] = [];
  private path = "";
  private readonly parts: string[] = [];

  constructor(private readonly measure: TextMeasure) {
    super();
  }

  setTransform(): void {} // the SVG's own coordinates are CSS pixels
  setLineDash(pattern: number[]): void {
    this.dash = pattern;
  }
  fillRect(x: number, y: number, width: number, height: number): void {
    this.parts.push(`<rect x="${number(x)}" y="${number(y)}" width="${number(width)}" height="${number(height)}" fill="${this.fillStyle}"/>`);
  }
  beginPath(): void {
    this.path = "";
  }
  moveTo(x: number, y: number): void {
    this.path += `M${number(x)} ${number(y)}`;
  }
  lineTo(x: number, y: number): void {
    this.path += `L${number(x)} ${number(y)}`;
  }
  stroke(): void {
    if (this.path === "") return;
    const dash = this.dash.length > 0 ? ` stroke-dasharray="${this.dash.join(" ")}"` : "";
    this.parts.push(
      `<path d="${this.path}" fill="none" stroke="${this.strokeStyle}" stroke-width="${number(this.lineWidth)}" ` +
        `stroke-linejoin="${this.lineJoin}" stroke-linecap="${this.lineCap}"${dash}/>`,
    );
  }
  fillText(text: string, x: number, y: number): void {
    const size = /(\d+(\.\d+)?)px/.exec(this.font)?.[1] ?? "10";
    const weight = this.font.startsWith("bold") ? ` font-weight="bold"` : "";
    this.parts.push(
      `<text x="${number(x)}" y="${number(y)}" font-size="${size}" font-family="Liberation Sans, Arial, sans-serif"${weight} ` +
        `fill="${this.fillStyle}" text-anchor="${kAnchors[this.textAlign] ?? "start"}" ` +
        `dominant-baseline="${kBaselines[this.textBaseline] ?? "alphabetic"}">${escaped(text)}</text>`,
    );
  }
  measureText(text: string): { width: number } {
    return { width: this.measure(text, this.font) };
  }

  document(width: number, height: number): string {
    return (
      `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}">\n` +
      `${this.parts.join("\n")}\n</svg>\n`
    );
  }
}

// A canvas-shaped object of the given size whose context is an SvgContext.
export function svgCanvas(width: number, height: number, measure: TextMeasure): { canvas: HTMLCanvasElement; context: SvgContext } {
  const context = new SvgContext(measure);
  const canvas = { clientWidth: width, clientHeight: height, width: 0, height: 0, getContext: () => context };
  return { canvas: canvas as unknown as HTMLCanvasElement, context };
}
