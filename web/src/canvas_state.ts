// The drawing state a fresh 2-D canvas context has. The page's SVG writer and
// the tests' recording canvas both stand in for a canvas context, so they
// start from the same state as the real one.
export class CanvasState {
  strokeStyle = "#000";
  fillStyle = "#000";
  lineWidth = 1;
  lineJoin = "miter";
  lineCap = "butt";
  font = "10px sans-serif";
  textAlign = "start";
  textBaseline = "alphabetic";
}
