// The plots saved as figures: PNG at twice the size shown (sharp in slides
// and print), and SVG, drawn by the same code as on the screen.
import { downloadBlob } from "./dom";
import { svgCanvas } from "./svg_context";

export type PlotDrawing = (canvas: HTMLCanvasElement, density: number) => void;

const kPngDensity = 2;

// The plots size themselves from the canvas's box; a canvas that is not on
// the page has none, so the figure's size is lent to it.
function sizedCanvas(real: HTMLCanvasElement, width: number, height: number): HTMLCanvasElement {
  return {
    clientWidth: width,
    clientHeight: height,
    get width() { return real.width; },
    set width(value: number) { real.width = value; },
    get height() { return real.height; },
    set height(value: number) { real.height = value; },
    getContext: (kind: "2d") => real.getContext(kind),
  } as unknown as HTMLCanvasElement;
}

function pngCanvas(width: number, height: number, draw: PlotDrawing): HTMLCanvasElement {
  const real = document.createElement("canvas");
  draw(sizedCanvas(real, width, height), kPngDensity);
  return real;
}

// The figure as a PNG data URL, for the report.
export function plotPngUrl(width: number, height: number, draw: PlotDrawing): string {
  return pngCanvas(width, height, draw).toDataURL("image/png");
}

export function savePng(name: string, width: number, height: number, draw: PlotDrawing): void {
  pngCanvas(width, height, draw).toBlob((blob) => {
    if (blob) downloadBlob(blob, `${name}.png`);
  }, "image/png");
}

export function saveSvg(name: string, width: number, height: number, draw: PlotDrawing): void {
  const measuring = document.createElement("canvas").getContext("2d")!;
  const { canvas, context } = svgCanvas(width, height, (text, font) => {
    measuring.font = font;
    return measuring.measureText(text).width;
  });
  draw(canvas, 1);
  downloadBlob(new Blob([context.document(width, height)], { type: "image/svg+xml" }), `${name}.svg`);
}
