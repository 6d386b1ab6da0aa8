// The page's schematic against the core's: the built WebAssembly module runs
// a default START under node, and for a few recorded samples of that run the
// page's drawing list is the core's shape list, shape for shape.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { gunzipSync } from "node:zlib";
import { test } from "node:test";
import type { AirwaySchematic } from "../src/schematic";
import { copyIn, lastText, loadPageModule } from "../src/wasm_module";
import { assertDrawnAsListed } from "./schematic_drawing";

test("the page draws the core's schematic of a recorded run, shape for shape", async () => {
  const folder = process.env.BREATHLAB_WEB_DIR;
  assert.ok(folder, "BREATHLAB_WEB_DIR names the built page");
  const wasm = await loadPageModule(readFileSync(join(folder, "breathlab.wasm")).buffer as ArrayBuffer, {
    tracePoint: () => {}, runClock: () => {},
  });
  const standard = gunzipSync(readFileSync(join(folder, "standard.dat.gz")));
  const pointer = copyIn(wasm, standard.buffer.slice(standard.byteOffset, standard.byteOffset + standard.byteLength));
  assert.equal(wasm.page_start_up(pointer, standard.byteLength), 1);
  wasm.page_free(pointer);
  wasm.page_set_percent(0, 5, 400); // RPeripheral 400 %: flow limitation shows
  wasm.page_start();
  let flowLimited = 0;
  for (const sample of [1, 40, 200, 700]) {
    wasm.page_schematic(1, sample, 320, 260);
    const schematic = JSON.parse(lastText(wasm)) as AirwaySchematic;
    assert.ok(schematic.Shapes.length > 10, `sample ${sample}: ${schematic.Shapes.length} shapes`);
    flowLimited += schematic.Shapes.filter((s) => s.FlowLimited).length;
    assertDrawnAsListed(schematic, `sample ${sample}`);
  }
  assert.ok(flowLimited > 0, "some recorded sample shows a flow-limited airway");
});
