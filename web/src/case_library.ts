// The case library: the cases of the case table with their notes; opening
// one runs its patient as a listed run, so that cases compare on one plot.
import type { TeachingCase } from "./messages";
import { byId, element, noteParagraphs } from "./dom";
import { caseNote } from "./exercise";

let cases: TeachingCase[] = [];
let chosen = -1;

export function setCases(list: TeachingCase[]): void {
  cases = list;
  const host = byId("case-list");
  host.replaceChildren();
  list.forEach((teachingCase, index) => {
    const item = element("li");
    const button = element("button", "case-choice", teachingCase.Title);
    button.type = "button";
    button.dataset.case = teachingCase.Name;
    button.addEventListener("click", () => choose(index));
    item.append(button);
    host.append(item);
  });
}

function choose(index: number): void {
  chosen = index;
  const teachingCase = cases[index];
  for (const button of document.querySelectorAll<HTMLButtonElement>(".case-choice"))
    button.setAttribute("aria-pressed", String(button.dataset.case === teachingCase.Name));
  noteParagraphs(byId("case-note"), teachingCase.Title, caseNote(teachingCase, teachingCase.Parameters, teachingCase.Globals));
  byId<HTMLButtonElement>("case-open").disabled = false;
}

export function wireCaseLibrary(open: (teachingCase: TeachingCase) => void): void {
  const dialog = byId<HTMLDialogElement>("cases");
  byId("case-open").addEventListener("click", () => {
    if (chosen < 0) return;
    dialog.close();
    open(cases[chosen]);
  });
  byId("cases-close").addEventListener("click", () => dialog.close());
}

export function showCaseLibrary(): void {
  byId<HTMLDialogElement>("cases").showModal();
}
