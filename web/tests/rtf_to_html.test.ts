// The help pages' RTF subset as HTML, case by case: each control the desktop's
// help files use, and the edges of headings, lists and escapes.
import assert from "node:assert/strict";
import { test } from "node:test";
import { rtfToHtml } from "../src/rtf_to_html";

const rtf = (body: string) => `{\\rtf1\\ansi ${body}}`;

// Each [RTF body, expected HTML] pair, named by its body when it fails.
function assertConverts(cases: string[][]): void {
  for (const [body, html] of cases) assert.equal(rtfToHtml(rtf(body)), html, body);
}

test("paragraph and line ends, and paragraphs with nothing visible dropped", () => {
  assertConverts([
    ["One\\par Two\\line Three", "<p>One</p><p>Two</p><p>Three</p>"],
    ["One\\\nTwo", "<p>One</p><p>Two</p>"], // a backslash before the line end ends the paragraph
    ["One\r\nstill one\\par", "<p>Onestill one</p>"], // bare line ends are no text
    ["\\par   \\par\\tab\\par X", "<p>X</p>"],
    ["", ""],
  ]);
});

test("bold and italic on and off, plain resets them, and a group keeps its style to itself", () => {
  assertConverts([
    ["\\b bold\\b0  not", "<p><strong>bold</strong> not</p>"],
    ["\\i it\\i0  not", "<p><em>it</em> not</p>"],
    ["\\b\\i both\\plain  none", "<p><strong><em>both</em></strong> none</p>"],
    ["a {\\i b} c", "<p>a <em>b</em> c</p>"],
    ["\\b1 one", "<h3>one</h3>"], // \b with a number other than 0 is on
  ]);
});

test("headings: a bold paragraph of 16 pt or more is a large heading, of 12 pt a small one, smaller stays text", () => {
  assertConverts([
    ["\\fs32\\b Big\\par", "<h2>Big</h2>"],
    ["\\fs31\\b Medium\\par", "<h3>Medium</h3>"],
    ["\\fs24\\b Small\\par", "<h3>Small</h3>"],
    ["\\fs23\\b Text\\par", "<p><strong>Text</strong></p>"],
    ["\\fs40\\b Half {\\b0 plain}\\par", "<p><strong>Half </strong>plain</p>"],
    ["\\fs40\\b Big {\\plain\\b small} end\\par", "<h2>Big small end</h2>"], // the largest run decides
    ["\\fs20\\fs\\b Default size\\par", "<h3>Default size</h3>"], // \fs without a number: 12 pt
  ]);
});

test("centring lasts to the next paragraph reset or left alignment", () => {
  assertConverts([
    ["\\qc Mid\\par Still\\pard\\par Left\\par", '<p class="centred">Mid</p><p class="centred">Still</p><p>Left</p>'],
    ["\\qc A\\ql B\\par", '<p class="centred">AB</p>'], // the paragraph's first text decides
  ]);
});

test("bullets make list items, consecutive ones one list, a list at the end closed", () => {
  assertConverts([
    ["\\bullet  one\\par\\bullet\\tab two\\par text\\par\\bullet three\\par", "<ul><li>one</li><li>two</li></ul><p>text</p><ul><li>three</li></ul>"],
    ["{\\b }\\bullet  bold {\\b item}\\par", "<ul><li>bold <strong>item</strong></li></ul>"],
    ["text \\bullet  inside\\par", "<p>text \u2022 inside</p>"],
  ]);
});

test("symbols: escaped braces and backslash, Windows-1252 codes, dashes, non-breaking and optional hyphens", () => {
  assertConverts([
    ["\\{a\\}\\\\b", "<p>{a}\\b</p>"],
    ["\\'80 \\'96 \\'97 \\'e9 \\'41 \\'9f", "<p>\u20ac \u2013 \u2014 \u00e9 A \u0178</p>"],
    ["a\\emdash b\\endash c", "<p>a\u2014b\u2013c</p>"],
    ["50\\~%", "<p>50\u00a0%</p>"],
    ["hy\\-phen", "<p>hyphen</p>"],
    ["a\\tab b", "<p>a b</p>"],
    ["<b> & \"q\"", "<p>&lt;b&gt; &amp; &quot;q&quot;</p>"],
  ]);
});

test("tables and destinations are skipped only where a group starts with them; unknown words are ignored", () => {
  assertConverts([
    ["{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1;}{\\stylesheet x}{\\info y}{\\pict z}{\\header h}{\\footer f}Text", "<p>Text</p>"],
    ["{\\*\\unknown skipped}kept", "<p>kept</p>"],
    ["a \\info b", "<p>a b</p>"], // not at a group start: only the word goes
    ["{\\b\\fonttbl bold}", "<h3>bold</h3>"], // a bold paragraph of 12 pt: a heading
    ["\\cf1\\f2\\lang1045 word", "<p>word</p>"],
    ["\\fs-5 neg\\par", "<p>neg</p>"],
  ]);
});

test("an unbalanced closing brace keeps the style it had", () => {
  assert.equal(rtfToHtml("\\b x}} y\\par"), "<h3>x y</h3>");
});
