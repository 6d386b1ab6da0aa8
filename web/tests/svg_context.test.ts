// The SVG stand-in for a canvas: every drawing call the plots make becomes the
// SVG element a viewer draws the same way, coordinates to a hundredth.
import assert from "node:assert/strict";
import { test } from "node:test";
import { SvgContext, svgCanvas } from "../src/svg_context";

function drawn(draw: (c: SvgContext) => void): string[] {
  const { context } = svgCanvas(300, 200, (text) => text.length * 6);
  draw(context);
  return context.document(300, 200).split("\n").slice(1, -2);
}

test("a stroked path keeps its pen, ends, joins and dashes; coordinates are rounded to hundredths", () => {
  const parts = drawn((c) => {
    c.strokeStyle = "#ff0000";
    c.lineWidth = 1.505;
    c.lineJoin = "round";
    c.lineCap = "square";
    c.setLineDash([4, 2]);
    c.beginPath();
    c.moveTo(1.234, 5.678);
    c.lineTo(-3.456, 7);
    c.stroke();
    c.setLineDash([]);
    c.beginPath();
    c.moveTo(0, 0);
    c.lineTo(10, 20);
    c.stroke();
  });
  assert.deepEqual(parts, [
    '<path d="M1.23 5.68L-3.46 7" fill="none" stroke="#ff0000" stroke-width="1.51" stroke-linejoin="round" stroke-linecap="square" stroke-dasharray="4 2"/>',
    '<path d="M0 0L10 20" fill="none" stroke="#ff0000" stroke-width="1.51" stroke-linejoin="round" stroke-linecap="square"/>',
  ]);
});

test("a path begun anew forgets the old one, and stroking nothing draws nothing", () => {
  const parts = drawn((c) => {
    c.beginPath();
    c.moveTo(1, 1);
    c.beginPath();
    c.stroke();
    c.moveTo(2, 3);
    c.stroke();
  });
  assert.deepEqual(parts, ['<path d="M2 3" fill="none" stroke="#000" stroke-width="1" stroke-linejoin="miter" stroke-linecap="butt"/>']);
});

test("filled rectangles take the fill colour of the moment", () => {
  const parts = drawn((c) => {
    c.fillStyle = "#ffffff";
    c.fillRect(0.004, 1.996, 300, 200.5);
  });
  assert.deepEqual(parts, ['<rect x="0" y="2" width="300" height="200.5" fill="#ffffff"/>']);
});

test("text: size and weight from the font, anchors and baselines as the canvas aligns, markup escaped", () => {
  const anchors = [["left", "start"], ["start", "start"], ["center", "middle"], ["right", "end"], ["end", "end"], ["justify", "start"]];
  const baselines = [["top", "hanging"], ["middle", "middle"], ["bottom", "text-after-edge"], ["alphabetic", "alphabetic"], ["ideographic", "alphabetic"]];
  for (const [align, anchor] of anchors)
    for (const [baseline, svgBaseline] of baselines) {
      const [part] = drawn((c) => {
        c.textAlign = align;
        c.textBaseline = baseline;
        c.fillText("x", 1, 2);
      });
      assert.match(part, new RegExp(` text-anchor="${anchor}" dominant-baseline="${svgBaseline}">x</text>$`), `${align} ${baseline}`);
    }
  const parts = drawn((c) => {
    c.font = "bold 12.5px sans-serif";
    c.fillStyle = "#c00000";
    c.fillText('a<b & "c">', 10.126, 20);
    c.font = "italic serif";
    c.fillStyle = "#000";
    c.fillText("plain", 0, 0);
  });
  assert.deepEqual(parts, [
    '<text x="10.13" y="20" font-size="12.5" font-family="Liberation Sans, Arial, sans-serif" font-weight="bold" fill="#c00000" text-anchor="start" dominant-baseline="alphabetic">a&lt;b &amp; &quot;c&quot;&gt;</text>',
    '<text x="0" y="0" font-size="10" font-family="Liberation Sans, Arial, sans-serif" fill="#000" text-anchor="start" dominant-baseline="alphabetic">plain</text>',
  ]);
});

test("text is measured with the font of the moment; the document has the figure's size and view box", () => {
  const fonts: string[] = [];
  const { canvas, context } = svgCanvas(320, 240, (text, font) => {
    fonts.push(font);
    return text.length * 5;
  });
  assert.deepEqual([canvas.clientWidth, canvas.clientHeight], [320, 240]);
  assert.equal(canvas.getContext("2d"), context);
  context.font = "11px sans-serif";
  assert.equal(context.measureText("abcd").width, 20);
  assert.deepEqual(fonts, ["11px sans-serif"]);
  context.setTransform();
  assert.equal(context.document(320, 240),
    '<svg xmlns="http://www.w3.org/2000/svg" width="320" height="240" viewBox="0 0 320 240">\n\n</svg>\n');
});
