// What drawing a schematic on a recording canvas must give: one stroke per
// shape of the core's list, in its order, with its pen and its geometry.
import assert from "node:assert/strict";
import type { AirwaySchematic } from "../src/schematic";
import { drawSchematic } from "../src/schematic";
import { asCanvas, recordingCanvas } from "./recording_canvas";

const kSixteenth = Math.PI / (180 * 16);

export function assertDrawnAsListed(schematic: AirwaySchematic, what: string): void {
  const canvas = recordingCanvas(schematic.Width, schematic.Height);
  drawSchematic(asCanvas(canvas), schematic);
  const paths = canvas.context.paths;
  assert.equal(paths.length, schematic.Shapes.length, `${what}: strokes`);
  schematic.Shapes.forEach((shape, i) => {
    const path = paths[i];
    const label = `${what}, shape ${i}`;
    assert.equal(path.colour, `rgb(${shape.Colour.join(", ")})`, label);
    assert.equal(path.width, shape.Width, label);
    if (shape.Arc) {
      assert.deepEqual(path.arc, {
        x: shape.Centre[0], y: shape.Centre[1], radius: shape.Radius,
        start: -shape.Start * kSixteenth, end: -(shape.Start + shape.Span) * kSixteenth, anticlockwise: shape.Span > 0,
      }, label);
    } else {
      assert.equal(path.arc, undefined, label);
      assert.deepEqual(path.points.flatMap(([, x, y]) => [x, y]), shape.Points, label);
      assert.deepEqual(path.points.map(([kind]) => kind), shape.Points.filter((_, j) => j % 2 === 0).map((_, j) => (j === 0 ? "M" : "L")), label);
    }
  });
}
