// Exercise mode's logic apart from the page: the answers' words, the case
// note shown at the reveal, and the score a browser keeps, in which each
// exercise number counts once however often it is answered.
import type { ParameterRows, TeachingCase } from "./messages";
import { kBothLungs, kParameters, kRegions, regionRow } from "./parameters";
import { shortNumber } from "./tables";

export const kLargestExerciseNumber = 99999;

// The table's keys with the words the window shows, in the window's order.
export const kPatternChoices: [key: string, text: string][] = [
  ["normal", "Normal"],
  ["obstructive", "Obstructive"],
  ["restrictive", "Restrictive"],
  ["mixed", "Mixed obstructive-restrictive"],
  ["central", "Central-airway obstruction"],
];
export const kSiteChoices: [key: string, text: string][] = [
  ["none", "Nowhere (healthy)"],
  ["central", "Central airways"],
  ["middle", "Middle airways"],
  ["peripheral", "Peripheral airways"],
  ["tissue", "Lung tissue"],
];

function textOf(choices: [string, string][], key: string): string {
  return choices.find(([k]) => k === key)?.[1] ?? key;
}

// "RPeripheral 400 %", "LeftLung.RMain 800 %", "expiration depth 50 %", both
// lungs first, as the window's case note lists a patient.
export function patientSettingTexts(rows: ParameterRows, globals: number[]): string[] {
  const texts: string[] = [];
  // kRegions lists both lungs first, then the left lung on.
  const regions = kRegions.map((r) => r.index);
  for (const region of regions)
    for (const parameter of kParameters) {
      const value = rows[regionRow(region)][parameter.k - 1];
      if (value === 100) continue;
      const name = region === kBothLungs ? parameter.name : `${kRegions.find((r) => r.index === region)!.name}.${parameter.name}`;
      texts.push(`${name} ${shortNumber(value)} %`);
    }
  if (globals[0] !== undefined && globals[0] !== 100) texts.push(`expiration depth ${shortNumber(globals[0])} %`);
  return texts.length > 0 ? texts : ["all at 100 %"];
}

// The case note: heading, then paragraphs of a bold lead and a text.
export function caseNote(teachingCase: TeachingCase, rows: ParameterRows, globals: number[]): [string, string][] {
  return [
    ["The patient:", teachingCase.Condition],
    ["Look for:", teachingCase.LookFor],
    ["Pattern:", textOf(kPatternChoices, teachingCase.Pattern)],
    ["The fault sits in:", teachingCase.Sites.map((s) => textOf(kSiteChoices, s)).join(" or ")],
    ["Settings:", patientSettingTexts(rows, globals).join(", ")],
  ];
}

export interface AnswerMarks {
  patternRight: boolean;
  siteRight: boolean;
}

export function markAnswer(teachingCase: TeachingCase, pattern: string, site: string): AnswerMarks {
  return { patternRight: pattern === teachingCase.Pattern, siteRight: teachingCase.Sites.includes(site) };
}

// The answered numbers with the points each gave, as stored in the browser.
export type ExerciseScore = Record<string, number>;

export function parseScore(stored: string | null): ExerciseScore {
  try {
    const value: unknown = JSON.parse(stored ?? "{}");
    if (typeof value !== "object" || value === null || Array.isArray(value)) return {};
    const score: ExerciseScore = {};
    for (const [number, points] of Object.entries(value))
      if (points === 0 || points === 1 || points === 2) score[number] = points;
    return score;
  } catch {
    return {};
  }
}

// Adds an answer; a number answered before keeps its first points.
export function recordAnswer(score: ExerciseScore, number: number, marks: AnswerMarks): { score: ExerciseScore; counted: boolean } {
  const key = String(number);
  if (key in score) return { score, counted: false };
  return { score: { ...score, [key]: Number(marks.patternRight) + Number(marks.siteRight) }, counted: true };
}

export function scoreText(score: ExerciseScore): string {
  const rounds = Object.keys(score).length;
  const points = Object.values(score).reduce((sum, p) => sum + p, 0);
  return `Score: ${points} of ${2 * rounds} (${rounds} rounds)`;
}

// A number typed in, or nothing when it is not a whole number in range.
export function exerciseNumber(text: string): number | null {
  if (!/^\d{1,5}$/.test(text.trim())) return null;
  const number = Number(text.trim());
  return number >= 1 && number <= kLargestExerciseNumber ? number : null;
}
