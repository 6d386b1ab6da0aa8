// What the indices table and the runs table say, apart from how the page
// lays them out: the core's index texts as header and body rows, and the
// label of each run.
import type { HistoryState } from "./messages";

// Text in a run's colour: the plots' red and green darkened until they read
// on white and on the selected row's yellow (contrast of 4.5 or more).
export const kSlotTextColours = ["#000000", "#c00000", "#006400", "#800080", "#000000"];

// Columns of the core's index table: name, unit, reference, observed, percent.
export const kObservedColumn = 3;
const kFirstNumberColumn = 2;

export interface TableCell {
  text: string;
  header: boolean; // a row or column heading
  number: boolean; // right-aligned
  run: boolean; // a value of the shown run, drawn in its colour
  failed: boolean; // "dead" or "error"
}

export interface IndexTableView {
  shownSlot: number; // 0 while no run is selected
  head: TableCell[];
  body: TableCell[][];
}

function cell(text: string, column: number, header: boolean): TableCell {
  return {
    text: text.trim() === "" ? "" : text,
    header,
    number: !header && column >= kFirstNumberColumn,
    run: column >= kObservedColumn,
    failed: text === "dead" || text === "error",
  };
}

export function indexTableView(history: HistoryState): IndexTableView {
  const [headTexts, ...rows] = history.IndexTable;
  return {
    shownSlot: Math.max(history.SelectedRun, 0),
    head: headTexts.map((text, column) => cell(text, column, true)),
    // The desktop table's spacer rows have no name.
    body: rows
      .filter((texts) => texts[0] !== "")
      .map((texts) => texts.map((text, column) => cell(text, column, column === 0))),
  };
}

// "Run 2", "Run 2 dead" or "Run 2 error", as the runs table lists it.
export function runLabel(slot: number, runStatus: number | null): string {
  if (runStatus === 1) return `Run ${slot}`;
  return `Run ${slot} ${runStatus === 0 ? "dead" : "error"}`;
}

// Five significant digits, without the trailing zeros toPrecision leaves.
export function shortNumber(value: number): string {
  return String(Number(value.toPrecision(5)));
}
