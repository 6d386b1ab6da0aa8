// Small helpers for building the page's elements.
export function byId<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

export function element<K extends keyof HTMLElementTagNameMap>(
  tag: K, className = "", text = "",
): HTMLElementTagNameMap[K] {
  const node = document.createElement(tag);
  if (className) node.className = className;
  if (text) node.textContent = text;
  return node;
}

// Paragraphs of a bold lead and a text, under a heading.
export function noteParagraphs(host: HTMLElement, title: string, lines: [string, string][]): void {
  host.replaceChildren(element("h3", "", title));
  for (const [lead, text] of lines) {
    const paragraph = element("p");
    paragraph.append(element("b", "", lead), ` ${text}`);
    host.append(paragraph);
  }
}

// Hands a file to the browser's downloads.
export function downloadBlob(blob: Blob, name: string): void {
  const url = URL.createObjectURL(blob);
  const link = element("a");
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10_000);
}
