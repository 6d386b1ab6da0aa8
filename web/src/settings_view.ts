// The all-regions settings view: the core's cells ("200 (100)": the shown
// run's percentage, the reference's in brackets) for every region and
// parameter, as a table with the runs table's headings.
import { element } from "./dom";
import { kParameters, kRegions } from "./parameters";
import { runLabel } from "./tables";
import type { HistoryState } from "./messages";

export function settingsCaption(history: HistoryState): string {
  const shown = history.SelectedRun;
  if (shown < 1) return "Settings of the reference, in % of the program's normal values";
  return `Settings of ${runLabel(shown, history.Slots[shown].RunStatus)} (in brackets: the reference), in %`;
}

// cells[row][k - 1], the rows in the order of kRegions.
export function fillSettingsTable(table: HTMLTableElement, caption: string, cells: string[][]): void {
  table.replaceChildren(element("caption", "", caption));
  const head = element("tr");
  head.append(element("td"));
  for (const parameter of kParameters) {
    const heading = element("th", "", parameter.shortName);
    heading.scope = "col";
    heading.title = parameter.meaning;
    head.append(heading);
  }
  const body = element("tbody");
  kRegions.forEach((region, row) => {
    const line = element("tr");
    const heading = element("th", "", region.label);
    heading.scope = "row";
    line.append(heading, ...cells[row].map((text) => element("td", "number", text)));
    body.append(line);
  });
  table.append(element("thead"), body);
  table.tHead!.append(head);
}
