// A share link and breathlab-cli's --set follow one rule: the same texts are
// accepted and refused, and a broken percent-encoding is reported, never
// thrown at the page's start-up.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { describe, test } from "node:test";
import { decodeSettings } from "../src/share_link";
import { parseLinkPercent } from "../src/link_rules";
import { regionRow } from "../src/parameters";

// Edges of single precision, forms the CLI refuses (hex, "+", blanks, words)
// and ordinary values.
const kTexts = ["250", "0.5", "1e3", "10", "1e-300", "1e300", "3.4e38", "3.5e38", "1.2e-38", "1e-38",
  "0x20", "+5", " 5", "5 ", "Infinity", "NaN", "-5", "0", "", "1e", ".5", "5."];

// Exit code 2 is breathlab-cli's refusal of an argument. A patient whose run
// ends at once keeps the accepted cases fast.
function cliAccepts(text: string): boolean {
  const cli = process.env.BREATHLAB_CLI;
  assert.ok(cli, "BREATHLAB_CLI names breathlab-cli");
  const run = spawnSync(cli, ["run", "--set", `RMain=${text}`, "--set", "RPeripheral=6000"], { encoding: "utf8" });
  return run.status !== 2;
}

describe("share link rule", () => {
  test("accepts exactly what breathlab-cli's --set accepts", () => {
    for (const text of kTexts)
      assert.equal(parseLinkPercent(text) !== null, cliAccepts(text), `RMain=${text}`);
  });

  test("bad percent-encoding and out-of-range values are reported, the rest is used", () => {
    const decoded = decodeSettings("#RMain=%zz&Cm=%E2%82&RMiddle=1e-300&VDc=0x20&Size=%32%35%30");
    assert.deepEqual(decoded.unknown, ["RMain=%zz", "Cm=%E2%82", "RMiddle=1e-300", "VDc=0x20"]);
    assert.equal(decoded.rows[regionRow(0)][6], 250);
    assert.equal(decoded.rows[regionRow(0)][0], 100);
  });
});
