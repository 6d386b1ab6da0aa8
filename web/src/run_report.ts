// The one-page report of the shown run: what it says, apart from how the PDF
// lays it out, so that a teacher's handout holds the same texts as the page.
import type { HistoryState } from "./messages";
import { encodeSettings } from "./share_link";
import { indexTableView, runLabel } from "./tables";

export interface RunReport {
  title: string;
  lines: string[]; // date, data source, the run shown and its patient
  table: string[][]; // the indices table, head row first
}

// "2026-12-07 16:05", in the reader's own time zone.
export function reportDate(when: Date): string {
  const two = (n: number) => String(n).padStart(2, "0");
  return `${when.getFullYear()}-${two(when.getMonth() + 1)}-${two(when.getDate())} ${two(when.getHours())}:${two(when.getMinutes())}`;
}

// The settings that are not 100 %, as breathlab-cli run --set takes them, so
// that the patient can be examined again from the handout.
function settingsLine(rows: number[][]): string {
  const settings = encodeSettings(rows);
  return settings === "" ? "Settings: every parameter at 100 % of the reference." : `Settings: ${settings.split("&").join(", ")}`;
}

export function runReport(history: HistoryState, dataSource: string, when: Date): RunReport {
  const view = indexTableView(history);
  const shown = view.shownSlot;
  const record = history.Slots[shown];
  return {
    title: "breathlab: forced expiration report",
    lines: [
      `Made ${reportDate(when)}. ${dataSource}`,
      shown > 0 ? `Shown: ${runLabel(shown, record.RunStatus)} against the reference.` : "Shown: the reference (no run selected).",
      settingsLine(record.Parameters),
    ],
    table: [view.head.map((c) => c.text), ...view.body.map((row) => row.map((c) => c.text))],
  };
}
