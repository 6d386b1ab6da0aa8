// Exercise mode: a patient from an exercise number, shown by its curves and
// indices alone, two questions, the reveal with the case note and the right
// answers marked, and the browser's score.
import type { ExerciseRound, HistoryState, SlotTraces, TeachingCase } from "./messages";
import { byId, element, noteParagraphs } from "./dom";
import {
  caseNote, exerciseNumber, ExerciseScore, kLargestExerciseNumber, kPatternChoices, kSiteChoices,
  markAnswer, parseScore, recordAnswer, scoreText,
} from "./exercise";
import { drawFlowVolume, drawVolumeTime, kSlotColours, tracePoints } from "./plots";
import { fillIndicesTable } from "./indices_table";

const kScoreKey = "breathlab.exerciseScore";

interface ShownRound {
  round: ExerciseRound;
  teachingCase: TeachingCase;
  state: HistoryState;
  answered: boolean;
}

let shown: ShownRound | null = null;
let cases: TeachingCase[] = [];
let ask: (number: number) => void = () => {};

function storedScore(): ExerciseScore {
  try {
    return parseScore(localStorage.getItem(kScoreKey));
  } catch {
    return {}; // storage refused (a private window): the score lives as long as the page
  }
}

let sessionScore: ExerciseScore | null = null;

function score(): ExerciseScore {
  sessionScore ??= storedScore();
  return sessionScore;
}

function keepScore(next: ExerciseScore): void {
  sessionScore = next;
  try {
    localStorage.setItem(kScoreKey, JSON.stringify(next));
  } catch {
    // kept for this page only
  }
}

function choiceGroup(id: string, name: string, choices: [string, string][]): void {
  const host = byId(id);
  for (const [key, text] of choices) {
    const label = element("label", "choice");
    const input = element("input");
    input.type = "radio";
    input.name = name;
    input.value = key;
    label.append(input, ` ${text}`);
    host.append(label);
  }
}

function chosen(name: string): string | null {
  return document.querySelector<HTMLInputElement>(`input[name=${name}]:checked`)?.value ?? null;
}

function say(text: string): void {
  byId("exercise-answer").textContent = text;
}

function drawRound(state: HistoryState, traces: SlotTraces[]): void {
  drawFlowVolume(byId<HTMLCanvasElement>("exercise-flow-volume"), {
    traces, fev1: state.Slots.map((s) => s.FEV1), flowAtFev1: state.Slots.map((s) => s.FlowAtFev1),
    frc: state.Slots.map((s) => s.FRC), listed: 1, selected: 1,
  });
  drawVolumeTime(byId<HTMLCanvasElement>("exercise-volume-time"), {
    time: traces[1].time, volume: traces[1].volume, points: tracePoints(traces[1].time),
    colour: kSlotColours[1], referenceFrc: state.Slots[0].FRC, clock: null,
  });
  fillIndicesTable(byId<HTMLTableElement>("exercise-indices"), state);
}

export function showExerciseRound(round: ExerciseRound, state: HistoryState, traces: SlotTraces[]): void {
  const dialog = byId<HTMLDialogElement>("exercise");
  if (!dialog.open) dialog.showModal();
  shown = { round, teachingCase: cases[round.Case], state, answered: false };
  byId("exercise-title").textContent = `Exercise ${round.Number}`;
  byId<HTMLInputElement>("exercise-number").value = String(round.Number);
  for (const input of dialog.querySelectorAll<HTMLInputElement>("input[type=radio]")) {
    input.checked = false;
    input.parentElement!.classList.remove("right", "wrong");
  }
  byId<HTMLButtonElement>("exercise-submit").disabled = false;
  drawRound(state, traces);
  say("Read the curves and the indices (Ref.: the normal reference, Obs.: the patient), then answer both questions.");
}

function reveal(): void {
  if (!shown || shown.answered) return;
  const pattern = chosen("exercise-pattern");
  const site = chosen("exercise-site");
  if (pattern === null || site === null) {
    say("Choose an answer to both questions first.");
    return;
  }
  shown.answered = true;
  const marks = markAnswer(shown.teachingCase, pattern, site);
  keepScore(recordAnswer(score(), shown.round.Number, marks).score);
  byId("exercise-score").textContent = scoreText(score());
  for (const input of byId("exercise").querySelectorAll<HTMLInputElement>("input[type=radio]")) {
    const right = input.name === "exercise-pattern" ? input.value === shown.teachingCase.Pattern : shown.teachingCase.Sites.includes(input.value);
    if (right) input.parentElement!.classList.add("right");
    else if (input.checked) input.parentElement!.classList.add("wrong");
  }
  const note = byId("exercise-answer");
  const word = (right: boolean) => (right ? "right" : "wrong");
  noteParagraphs(note, `Pattern: ${word(marks.patternRight)}. Fault: ${word(marks.siteRight)}.`,
    caseNote(shown.teachingCase, shown.round.Parameters, shown.round.Globals));
  if (shown.round.RandomPatient) note.insertBefore(element("p", "", "A random patient of the family of this case:"), note.children[1]);
  byId<HTMLButtonElement>("exercise-submit").disabled = true;
}

export function setExerciseCases(list: TeachingCase[]): void {
  cases = list;
}

export function wireExerciseDialog(askForRound: (number: number) => void): void {
  ask = askForRound;
  choiceGroup("exercise-pattern", "exercise-pattern", kPatternChoices);
  choiceGroup("exercise-site", "exercise-site", kSiteChoices);
  byId("exercise-submit").addEventListener("click", reveal);
  byId("exercise-new").addEventListener("click", newRound);
  byId("exercise-open").addEventListener("click", () => {
    const number = exerciseNumber(byId<HTMLInputElement>("exercise-number").value);
    if (number === null) say(`An exercise number is a whole number from 1 to ${kLargestExerciseNumber}.`);
    else ask(number);
  });
  byId("exercise-close").addEventListener("click", () => byId<HTMLDialogElement>("exercise").close());
}

function newRound(): void {
  ask(1 + Math.floor(Math.random() * kLargestExerciseNumber));
}

export function startExercise(): void {
  byId("exercise-score").textContent = scoreText(score());
  newRound();
}

// The round on show with its run, for the browser tests.
export function shownExercise(): { round: ExerciseRound; state: HistoryState } | null {
  return shown && { round: shown.round, state: shown.state };
}
