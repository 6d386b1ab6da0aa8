// The airway schematic on a canvas: the core computes the shapes (widths from
// the airway resistances, balloons from the lobe volumes, flow-limited walls
// in red) and the page only paints them, as the window does.

export interface SchematicShape {
  Arc: boolean;
  Points: number[]; // x0, y0, x1, y1, ... of a polyline
  Centre: [number, number];
  Radius: number;
  Start: number; // sixteenths of a degree from the x axis, counter-clockwise on screen
  Span: number;
  Width: number;
  Colour: [number, number, number];
  Lobe: number;
  FlowLimited: boolean;
}

export interface AirwaySchematic {
  Width: number;
  Height: number;
  Shapes: SchematicShape[];
}

const kSixteenthsToRadians = Math.PI / (180 * 16);

function colourText([red, green, blue]: [number, number, number]): string {
  return `rgb(${red}, ${green}, ${blue})`;
}

// Paints onto a canvas whose drawing area is schematic.Width x schematic.Height
// in CSS pixels, sharp at the screen's pixel density, over the window's
// background picture stretched to it (white until that has loaded).
export function drawSchematic(canvas: HTMLCanvasElement, schematic: AirwaySchematic, background?: CanvasImageSource): void {
  const ratio = globalThis.devicePixelRatio || 1;
  canvas.width = Math.max(1, Math.round(schematic.Width * ratio));
  canvas.height = Math.max(1, Math.round(schematic.Height * ratio));
  const c = canvas.getContext("2d")!;
  c.setTransform(ratio, 0, 0, ratio, 0, 0);
  if (background) {
    c.drawImage(background, 0, 0, schematic.Width, schematic.Height);
  } else {
    c.fillStyle = "#ffffff";
    c.fillRect(0, 0, schematic.Width, schematic.Height);
  }
  c.lineCap = "round";
  c.lineJoin = "round";
  for (const shape of schematic.Shapes) {
    c.strokeStyle = colourText(shape.Colour);
    c.lineWidth = shape.Width;
    c.beginPath();
    if (shape.Arc) {
      // The screen's y grows downwards, so counter-clockwise angles are negative.
      const [x, y] = shape.Centre;
      const start = -shape.Start * kSixteenthsToRadians;
      const end = -(shape.Start + shape.Span) * kSixteenthsToRadians;
      c.moveTo(x + shape.Radius * Math.cos(start), y + shape.Radius * Math.sin(start));
      c.arc(x, y, shape.Radius, start, end, shape.Span > 0);
    } else {
      c.moveTo(shape.Points[0], shape.Points[1]);
      for (let i = 2; i < shape.Points.length; i += 2) c.lineTo(shape.Points[i], shape.Points[i + 1]);
    }
    c.stroke();
  }
}

// The replay's speeds: lobe-trace samples advanced per animation frame.
export const kReplaySpeeds: [label: string, samplesPerFrame: number][] = [
  ["Slow", 2],
  ["Normal", 6],
  ["Fast", 18],
];

// The next sample of a replay, and whether it has reached the run's end.
export function nextReplaySample(sample: number, samplesPerFrame: number, lastSample: number): { sample: number; done: boolean } {
  const next = Math.min(sample + samplesPerFrame, lastSample);
  return { sample: next, done: next >= lastSample };
}
