// The front end's own logic under node: the share link, the help pages'
// conversion, and the test server's refusal to leave its folder.
import assert from "node:assert/strict";
import { mkdtempSync, mkdirSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { describe, test } from "node:test";
import { decodeSettings, encodeSettings } from "../src/share_link";
import { kParameters, kRegions, normalParameters, regionRow } from "../src/parameters";
import { rtfToHtml } from "../src/rtf_to_html";
import { decodeLinkPart, parseLinkPercent } from "../src/link_rules";
import { fileFor } from "./static_server";

describe("share link", () => {
  test("carries every percentage that is not 100 and gives it back exactly", () => {
    const rows = normalParameters();
    rows[regionRow(0)][4] = 400; // RPeripheral of both lungs
    rows[regionRow(1)][5] = 200; // CCC of the upper left lobe
    rows[regionRow(-2)][0] = Math.fround(149.123451); // a stored single
    const fragment = encodeSettings(rows);
    assert.equal(fragment.split("&").length, 3);
    assert.match(fragment, /(^|&)RPeripheral=400(&|$)/);
    assert.match(fragment, /(^|&)UpperLeftLobe\.CCC=200(&|$)/);
    const decoded = decodeSettings(`#${fragment}`);
    assert.deepEqual(decoded.unknown, []);
    assert.equal(Math.fround(decoded.rows[regionRow(-2)][0]), rows[regionRow(-2)][0]);
    decoded.rows[regionRow(-2)][0] = rows[regionRow(-2)][0];
    assert.deepEqual(decoded.rows, rows);
  });

  test("each region and parameter travels under its own name and nowhere else", () => {
    for (const region of kRegions)
      for (const parameter of kParameters) {
        const rows = normalParameters();
        rows[regionRow(region.index)][parameter.k - 1] = 250;
        const fragment = encodeSettings(rows);
        const name = region.index === 0 ? parameter.name : `${region.name}.${parameter.name}`;
        assert.equal(fragment, `${name}=250`);
        assert.deepEqual(decodeSettings(fragment), { rows, unknown: [] });
      }
  });

  test("empty parts are skipped, and a name cannot start with its dot", () => {
    const decoded = decodeSettings("#&RMain=200&&.Cm=50&");
    assert.deepEqual(decoded.unknown, [".Cm=50"]);
    assert.equal(decoded.rows[regionRow(0)][0], 200);
    assert.equal(decoded.rows[regionRow(0)][7], 100);
  });

  test("a normal patient is an empty link, and names ignore letter case", () => {
    assert.equal(encodeSettings(normalParameters()), "");
    const decoded = decodeSettings("#rperipheral=250&lowerrightlobe.size=75");
    assert.equal(decoded.rows[regionRow(0)][4], 250);
    assert.equal(decoded.rows[regionRow(5)][6], 75);
  });

  test("parts that name nothing or hold no positive number are reported, not used", () => {
    const decoded = decodeSettings(
      "#Foo=3&RMain=-5&Cm=abc&Size&VDc=1=2&Heart.RMain=200&RMain=0&CCC=Infinity&Size=1e400&RMain=300");
    assert.deepEqual(decoded.unknown, [
      "Foo=3", "RMain=-5", "Cm=abc", "Size", "VDc=1=2", "Heart.RMain=200", "RMain=0", "CCC=Infinity", "Size=1e400",
    ]);
    const expected = normalParameters();
    expected[regionRow(0)][0] = 300;
    assert.deepEqual(decoded.rows, expected);
  });
});

describe("link percentages", () => {
  test("plain decimals within single precision's normal numbers are taken as written, anything else refused", () => {
    for (const [text, value] of [
      ["250", 250], ["0.5", 0.5], ["5.", 5], [".5", 0.5], ["1e3", 1000], ["1E-3", 0.001], ["2.5e+2", 250],
      // The limits' rounded decimals lie just outside single precision's
      // range; the next decimals inward are the bounds the CLI names.
      ["1.17549436e-38", 1.17549436e-38], ["3.40282346e38", 3.40282346e38],
      ["1.17549435e-38", null], ["3.40282347e38", null],
      ["1e-38", null], ["3.5e38", null], ["0", null], ["-5", null], ["-0", null],
      ["+5", null], ["0x20", null], [" 5", null], ["5 ", null], ["Infinity", null], ["NaN", null],
      ["", null], ["1e", null], [".", null], ["1.2.3", null], ["5%", null], ["e5", null],
    ] as const)
      assert.equal(parseLinkPercent(text), value, text);
  });

  test("broken percent-encoding gives null, good encoding its text", () => {
    assert.equal(decodeLinkPart("%zz"), null);
    assert.equal(decodeLinkPart("%E2%82"), null);
    assert.equal(decodeLinkPart("Size=%32%35%30"), "Size=250");
    assert.equal(decodeLinkPart("plain"), "plain");
  });
});

describe("help pages", () => {
  test("headings, bold text, bullets and escapes become HTML; tables of fonts and colours vanish", () => {
    const rtf =
      "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue128;}\n" +
      "\\pard\\plain\\f0\\fs20 {\\qc\\fs32\\b\\cf1 Main airways\\par}\n" +
      "{\\fs24\\b\\cf1 The slider R\\par}\n" +
      "{\\b R} sets the resistance: 50 \\'96 800 % <fast> & \\{x\\}.\\par\n" +
      "\\bullet  {\\b PEF falls first.} The peak\\par\n" +
      "\\bullet  Second\\par\n" +
      "After.\\par}";
    assert.equal(
      rtfToHtml(rtf),
      "<h2>Main airways</h2><h3>The slider R</h3>" +
        "<p><strong>R</strong> sets the resistance: 50 \u2013 800 % &lt;fast&gt; &amp; {x}.</p>" +
        "<ul><li><strong>PEF falls first.</strong> The peak</li><li>Second</li></ul><p>After.</p>",
    );
  });

  test("an unknown destination is skipped whole", () => {
    assert.equal(rtfToHtml("{\\rtf1{\\*\\generator Some Writer;}Text\\par}"), "<p>Text</p>");
  });
});

describe("static server", () => {
  test("serves files inside its folder only", () => {
    const root = mkdtempSync(join(tmpdir(), "breathlab-serve-"));
    try {
      mkdirSync(join(root, "sub"));
      writeFileSync(join(root, "index.html"), "x");
      writeFileSync(join(root, "sub", "a.js"), "x");
      assert.equal(fileFor(root, "/"), join(root, "index.html"));
      assert.equal(fileFor(root, "/sub/a.js?v=1"), join(root, "sub", "a.js"));
      assert.equal(fileFor(root, "/../etc/passwd"), undefined);
      assert.equal(fileFor(root, "/%2e%2e/%2e%2e/etc/passwd"), undefined);
      assert.equal(fileFor(root, "/sub"), undefined); // a folder is not a file
      assert.equal(fileFor(root, "/missing.css"), undefined);
    } finally {
      rmSync(root, { recursive: true, force: true });
    }
  });
});
