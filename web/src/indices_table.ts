// The indices table of a history: the core's texts as a real table, with
// column and row headings, the shown run's values in its colour.
import type { HistoryState } from "./messages";
import { element } from "./dom";
import { indexTableView, kSlotTextColours, type TableCell } from "./tables";

function tableCell(view: TableCell, colour: string | null): HTMLTableCellElement {
  const node = element(view.header ? "th" : "td", view.number ? "number" : "", view.text);
  if (view.run && colour) node.style.color = colour;
  if (view.failed) node.classList.add("failed");
  if (view.header) node.scope = "row"; // the head row sets "col" on its own
  return node;
}

export function fillIndicesTable(table: HTMLTableElement, history: HistoryState): void {
  table.replaceChildren();
  const view = indexTableView(history);
  const colour = view.shownSlot > 0 ? kSlotTextColours[view.shownSlot] : null;
  const head = element("thead");
  const headRow = element("tr");
  for (const heading of view.head) {
    const node = tableCell(heading, colour);
    node.scope = "col";
    if (heading.run) node.classList.add("run");
    headRow.append(node);
  }
  head.append(headRow);
  const body = element("tbody");
  for (const cells of view.body) {
    const row = element("tr");
    for (const text of cells) row.append(tableCell(text, colour));
    body.append(row);
  }
  table.append(head, body);
}
