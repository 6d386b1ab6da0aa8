// Share links as a stranger may write them: many generated fragments (random
// bytes, broken percent-encoding, cut UTF-8, huge numbers, hex, blanks,
// repeated keys, very long fragments) through the page's link decoder. It must
// never throw, must account for every part (used or reported), and must keep
// only percentages a record can hold; a sample of the value texts is checked
// against breathlab-cli's --set, the rule the link follows.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { describe, test } from "node:test";
import { decodeSettings } from "../src/share_link";
import { decodeLinkPart, parseLinkPercent } from "../src/link_rules";
import { kParameters, kRegions } from "../src/parameters";

// A fixed seed: a failure names its fragment and comes back on every run.
function seededRandom(seed: number): () => number {
  return () => {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const random = seededRandom(21);
const pick = <T>(items: readonly T[]): T => items[Math.floor(random() * items.length)];
const digits = (count: number): string => Array.from({ length: count }, () => pick("0123456789".split(""))).join("");
const percentByte = (byte: number): string => "%" + byte.toString(16).toUpperCase().padStart(2, "0");

// The single-precision edges, exactly and just beside them, and forms the CLI
// refuses: hex, "+", blanks, words, commas, other scripts' digits.
const kEdgeValues = ["1.1754943508222875e-38", "1.17549435e-38", "1.1754944e-38", "3.4028234663852886e38",
  "3.40282347e38", "3.4028234e38", "1e-400", "1e400", "0x20", "0X1p3", "+5", " 5", "5 ", "\t5", "Infinity",
  "-Infinity", "NaN", "inf", "-5", "-0", "0", "0.0e0", "", "1e", ".e5", "-.5", ".5", "5.", "1.e5", "1E+5", "1e-5",
  "1,5", "1_0", "\u0661", "\uff15", "5%", "5e+", "--5", "5-", "0b11", "1e308", "9".repeat(400)];

function randomNumberText(): string {
  switch (Math.floor(random() * 6)) {
    case 0:
      return digits(1 + Math.floor(random() * 400)); // huge
    case 1:
      return `${digits(1 + Math.floor(random() * 3))}e${pick(["", "-", "+"])}${digits(1 + Math.floor(random() * 3))}`;
    case 2:
      return `${pick(["", "-", "+", " "])}${digits(Math.floor(random() * 4))}.${digits(Math.floor(random() * 4))}`;
    case 3:
      return `0x${Math.floor(random() * 0xffff).toString(16)}`;
    case 4:
      return pick(kEdgeValues);
    default:
      return String.fromCharCode(...Array.from({ length: 1 + Math.floor(random() * 6) }, () => 32 + Math.floor(random() * 95)));
  }
}

const knownNames = kRegions.flatMap((r) => kParameters.map((p) => (r.name === "BothLungs" ? p.name : `${r.name}.${p.name}`)));

function randomName(): string {
  const name = pick(knownNames);
  switch (Math.floor(random() * 5)) {
    case 0:
      return name.toUpperCase();
    case 1:
      return `Nowhere.${name}`;
    case 2:
      return name.slice(0, Math.floor(random() * name.length));
    default:
      return name;
  }
}

// Broken or odd encodings of a part: "%zz", a lone "%", a cut UTF-8 sequence,
// an overlong one, a lone surrogate, random bytes, blanks as "+" and "%20".
function randomEncoding(text: string): string {
  switch (Math.floor(random() * 8)) {
    case 0:
      return text + pick(["%zz", "%", "%4", "%%", "%G0"]);
    case 1:
      return text + pick(["%E2%82", "%C3", "%F0%9F%98", "%C0%AF", "%ED%A0%80", "%FF"]);
    case 2:
      return Array.from({ length: Math.floor(random() * 12) }, () => percentByte(Math.floor(random() * 256))).join("") + text;
    case 3:
      return text.replace(/./g, (c) => (random() < 0.5 ? percentByte(c.charCodeAt(0) & 0x7f) : c));
    case 4:
      return text.replace("=", pick(["+=", "%20=", "=+", "=%20", "==", "%3D"]));
    default:
      return text;
  }
}

function randomFragment(): string {
  const parts = Array.from({ length: Math.floor(random() * 6) }, () =>
    randomEncoding(random() < 0.1 ? randomName() : `${randomName()}=${randomNumberText()}`));
  if (random() < 0.2) parts.push(...parts); // repeated keys
  if (random() < 0.05) parts.push("RMain=" + "1".repeat(100_000)); // a very long fragment
  return (random() < 0.5 ? "#" : "") + parts.join(pick(["&", "&&", "&"]));
}

// What a record's single-precision number holds: from its smallest normal
// value to its largest finite one.
const isStorable = (value: number): boolean => value >= 2 ** -126 && value <= (2 - 2 ** -23) * 2 ** 127;

describe("share link decoder over generated links", () => {
  test("never throws, reports or uses every part, keeps only storable percentages", () => {
    for (let i = 0; i < 3000; ++i) {
      const fragment = randomFragment();
      const parts = fragment.replace(/^#/, "").split("&").filter((p) => p !== "");
      const decoded = decodeSettings(fragment);
      // Reported parts are the link's own text, in its order, so the notice can show them.
      let from = 0;
      for (const reported of decoded.unknown) {
        const at = parts.indexOf(reported, from);
        assert.ok(at >= 0, `${JSON.stringify(fragment)}: reported ${JSON.stringify(reported)} is not one of its parts`);
        from = at + 1;
      }
      // A part is reported exactly when it alone would be reported.
      const alone = parts.filter((p) => decodeSettings("#" + p).unknown.length > 0);
      assert.deepEqual(decoded.unknown, alone, JSON.stringify(fragment));
      for (const row of decoded.rows)
        for (const value of row) assert.ok(value === 100 || isStorable(value), `${JSON.stringify(fragment)} kept ${value}`);
    }
  });

  test("a part that decodes and names a setting is used exactly when its value is accepted", () => {
    for (let i = 0; i < 3000; ++i) {
      const text = randomNumberText();
      if (text.includes("&")) continue; // would make two parts
      const part = `${encodeURIComponent("RMiddle")}=${randomEncoding(text)}`;
      const plain = decodeLinkPart(part);
      const used = decodeSettings(part).unknown.length === 0;
      const value = plain === null ? null : parseLinkPercent(plain.slice("RMiddle=".length));
      assert.equal(used, value !== null, JSON.stringify(part));
      if (value !== null) assert.ok(isStorable(value), `${JSON.stringify(part)} gave ${value}`);
    }
  });
});

// Exit code 2 is breathlab-cli's refusal of an argument; a patient whose run
// ends at once keeps the accepted cases fast. Arguments cannot carry NUL.
function cliAccepts(setting: string): boolean {
  const cli = process.env.BREATHLAB_CLI;
  assert.ok(cli, "BREATHLAB_CLI names breathlab-cli");
  const run = spawnSync(cli, ["run", "--set", setting, "--set", "RPeripheral=6000"], { encoding: "utf8" });
  assert.ok(run.status === 0 || run.status === 2 || run.status === 3, `${setting}: ${run.stderr}`);
  return run.status !== 2;
}

describe("generated links against breathlab-cli's --set", () => {
  test("the edges and a sample of generated values are accepted and refused alike", () => {
    const values = [...kEdgeValues, ...Array.from({ length: 60 }, randomNumberText)].filter((t) => !t.includes("\0"));
    for (const text of values)
      assert.equal(parseLinkPercent(text) !== null, cliAccepts(`RMain=${text}`), `RMain=${JSON.stringify(text)}`);
  });

  test("a sample of generated names and values is used by the link exactly when the CLI accepts it", () => {
    for (let i = 0; i < 40; ++i) {
      const setting = `${randomName()}=${pick(["250", "1e-300", "0x20", "50"])}`;
      assert.equal(decodeSettings(encodeURIComponent(setting)).unknown.length === 0, cliAccepts(setting), setting);
    }
  });
});
