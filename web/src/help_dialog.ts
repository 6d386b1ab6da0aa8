// The help window: the desktop's help pages, converted at build time.
let pages: Promise<Record<string, string>> | undefined;

function loadPages(): Promise<Record<string, string>> {
  pages ??= fetch("help.json").then((response) => {
    if (!response.ok) throw new Error(`help.json: ${response.status}`);
    return response.json() as Promise<Record<string, string>>;
  });
  return pages;
}

export function showHelp(page: string): void {
  const dialog = document.getElementById("help") as HTMLDialogElement;
  const body = document.getElementById("help-body")!;
  body.textContent = "Loading…";
  if (!dialog.open) dialog.showModal();
  loadPages()
    .then((all) => {
      body.innerHTML = all[page] ?? all.H0000 ?? "";
      body.scrollTop = 0;
      // The text takes the focus, so the arrow and page keys scroll it.
      body.focus();
    })
    .catch((error: unknown) => {
      pages = undefined;
      body.textContent = `The help could not be loaded: ${String(error)}`;
    });
}

export function wireHelpDialog(): void {
  const dialog = document.getElementById("help") as HTMLDialogElement;
  document.getElementById("help-close")!.addEventListener("click", () => dialog.close());
}
