// Exercise mode's logic: answers marked, the case note's settings, and a
// score in which each exercise number counts once.
import assert from "node:assert/strict";
import { describe, test } from "node:test";
import type { TeachingCase } from "../src/messages";
import {
  kPatternChoices, kSiteChoices, caseNote, exerciseNumber, markAnswer, parseScore, patientSettingTexts, recordAnswer, scoreText,
} from "../src/exercise";
import { normalParameters, regionRow } from "../src/parameters";

const kGlobals = Array.from({ length: 20 }, () => 100);

const kAsthma: TeachingCase = {
  Name: "mild-asthma", Title: "Mild asthma", Condition: "Narrowed small airways.", LookFor: "A concave curve.",
  Pattern: "obstructive", Sites: ["peripheral", "middle"], InExercise: true,
  Parameters: normalParameters(), Globals: kGlobals,
};

describe("exercise answers", () => {
  test("the pattern must match; any of the case's sites is right", () => {
    for (const [pattern, site, patternRight, siteRight] of [
      ["obstructive", "peripheral", true, true],
      ["obstructive", "middle", true, true],
      ["restrictive", "middle", false, true],
      ["obstructive", "tissue", true, false],
      ["normal", "none", false, false],
    ] as const)
      assert.deepEqual(markAnswer(kAsthma, pattern, site), { patternRight, siteRight }, `${pattern} ${site}`);
  });

  test("the note names the condition, the answers in words and the patient's settings", () => {
    const rows = normalParameters();
    rows[regionRow(0)][4] = 400;
    const note = caseNote(kAsthma, rows, kGlobals);
    assert.deepEqual(note.map(([lead]) => lead), ["The patient:", "Look for:", "Pattern:", "The fault sits in:", "Settings:"]);
    assert.equal(note[2][1], "Obstructive");
    assert.equal(note[3][1], "Peripheral airways or Middle airways");
    assert.equal(note[4][1], "RPeripheral 400 %");
  });

  test("settings list both lungs first, then the regions from the left lung on, then the depth", () => {
    const rows = normalParameters();
    rows[regionRow(5)][7] = 80; // LowerRightLobe.Cm
    rows[regionRow(-2)][0] = 800; // LeftLung.RMain
    rows[regionRow(0)][2] = 141.42; // RMiddle
    const globals = kGlobals.slice();
    globals[0] = 25;
    assert.deepEqual(patientSettingTexts(rows, globals), [
      "RMiddle 141.42 %", "LeftLung.RMain 800 %", "LowerRightLobe.Cm 80 %", "expiration depth 25 %",
    ]);
    assert.deepEqual(patientSettingTexts(normalParameters(), kGlobals), ["all at 100 %"]);
  });
});

test("the answers are the case table's words, each with its own text; an unknown word shows as it is", () => {
  assert.deepEqual(kPatternChoices.map(([key]) => key), ["normal", "obstructive", "restrictive", "mixed", "central"]);
  assert.deepEqual(kSiteChoices.map(([key]) => key), ["none", "central", "middle", "peripheral", "tissue"]);
  for (const choices of [kPatternChoices, kSiteChoices]) {
    const texts = choices.map(([, text]) => text);
    assert.ok(texts.every((t) => /\w/.test(t)) && new Set(texts).size === texts.length, texts.join("|"));
  }
  const odd = { ...kAsthma, Pattern: "wheezy", Sites: ["tissue", "lungs"] };
  const note = caseNote(odd, normalParameters(), kGlobals);
  assert.equal(note[2][1], "wheezy");
  assert.equal(note[3][1], "Lung tissue or lungs");
});

describe("exercise score", () => {
  test("each number counts once, with the points of its first answer", () => {
    let score = parseScore(null);
    assert.equal(scoreText(score), "Score: 0 of 0 (0 rounds)");
    let outcome = recordAnswer(score, 4711, { patternRight: true, siteRight: false });
    assert.ok(outcome.counted);
    score = outcome.score;
    outcome = recordAnswer(score, 4711, { patternRight: true, siteRight: true });
    assert.ok(!outcome.counted);
    assert.equal(outcome.score, score);
    score = recordAnswer(score, 12, { patternRight: true, siteRight: true }).score;
    score = recordAnswer(score, 13, { patternRight: false, siteRight: false }).score;
    assert.equal(scoreText(score), "Score: 3 of 6 (3 rounds)");
    assert.deepEqual(parseScore(JSON.stringify(score)), score);
  });

  test("a damaged stored score starts afresh and keeps only whole points 0 to 2", () => {
    for (const stored of ["not json", "[1,2]", "null", "3"]) assert.deepEqual(parseScore(stored), {}, stored);
    assert.deepEqual(parseScore('{"5":2,"6":3,"7":"1","8":0,"9":1.5}'), { 5: 2, 8: 0 });
  });

  test("an exercise number is a whole number from 1 to 99999", () => {
    for (const [text, number] of [["4711", 4711], [" 12 ", 12], ["1", 1], ["99999", 99999]] as const)
      assert.equal(exerciseNumber(text), number, text);
    for (const text of ["0", "100000", "12.5", "-3", "", "1e3", "abc", "00000"])
      assert.equal(exerciseNumber(text), null, text);
  });
});
