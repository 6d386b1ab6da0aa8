// Notices that must outlast the status line (what a share link could not
// carry): shown in an area of their own below it, kept until the user acts
// (a command, a slider, a click on the notice), never overwritten by
// "Running…" or "Run finished".
const kAreaId = "notice";

function area(): HTMLElement {
  const existing = document.getElementById(kAreaId);
  if (existing) return existing;
  const created = document.createElement("p");
  created.id = kAreaId;
  created.className = "notice";
  created.setAttribute("role", "alert");
  document.getElementById("status")?.after(created);
  return created;
}

function clearNotice(): void {
  document.getElementById(kAreaId)?.remove();
  document.removeEventListener("input", clearNotice, true);
  document.removeEventListener("click", clearOnCommand, true);
}

function clearOnCommand(event: Event): void {
  const target = event.target as HTMLElement | null;
  if (target?.closest("[data-command], #" + kAreaId)) clearNotice();
}

export function showNotice(text: string): void {
  area().textContent = text;
  document.addEventListener("input", clearNotice, true);
  document.addEventListener("click", clearOnCommand, true);
}
