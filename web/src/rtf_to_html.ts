// Turns the help pages (a small subset of RTF) into HTML at build time, so
// the page shows the same content as the desktop's help window. Kept:
// paragraphs, bold and italic, headings (large bold lines), bullets and
// centring; font and colour tables and other destinations are skipped.

interface Style {
  bold: boolean;
  italic: boolean;
  size: number; // half-points, as \fs gives it
  centred: boolean;
  skip: boolean;
}

interface Run {
  text: string;
  style: Style;
}

const kSkippedDestinations = new Set(["fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "footer"]);
const kDefaultSize = 24;

// Windows-1252 characters 0x80..0x9f; the others equal their Unicode code.
const kCp1252High = "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008dŽ\u008f\u0090‘’“”•–—˜™š›œ\u009džŸ";

function cp1252(code: number): string {
  return code >= 0x80 && code <= 0x9f ? kCp1252High[code - 0x80] : String.fromCharCode(code);
}

function escapeHtml(text: string): string {
  return text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;").replace(/"/g, "&quot;");
}

function runsToHtml(runs: Run[]): string {
  let html = "";
  for (const run of runs) {
    let text = escapeHtml(run.text);
    if (run.style.italic) text = `<em>${text}</em>`;
    if (run.style.bold) text = `<strong>${text}</strong>`;
    html += text;
  }
  return html;
}

function paragraphToHtml(runs: Run[]): string {
  const visible = runs.filter((r) => r.text.trim() !== "");
  if (visible.length === 0) return "";
  const plain = (r: Run) => ({ ...r, style: { ...r.style, bold: false } });
  const largest = Math.max(...visible.map((r) => r.style.size));
  const allBold = visible.every((r) => r.style.bold);
  if (allBold && largest >= 32) return `<h2>${runsToHtml(runs.map(plain)).trim()}</h2>`;
  if (allBold && largest >= 24) return `<h3>${runsToHtml(runs.map(plain)).trim()}</h3>`;
  const first = runs.findIndex((r) => r.text !== "");
  if (first >= 0 && runs[first].text.startsWith("\u2022")) {
    const rest = runs.slice(first).map((r, i) => (i === 0 ? { ...r, text: r.text.replace(/^\u2022\s*/, "") } : r));
    return `<li>${runsToHtml(rest).trim()}</li>`;
  }
  const centred = visible[0].style.centred ? ' class="centred"' : "";
  return `<p${centred}>${runsToHtml(runs).trim()}</p>`;
}

// Wraps runs of list items in one list each.
function groupLists(blocks: string[]): string {
  let html = "";
  let inList = false;
  for (const block of blocks) {
    const item = block.startsWith("<li>");
    if (item && !inList) html += "<ul>";
    if (!item && inList) html += "</ul>";
    inList = item;
    html += block;
  }
  return inList ? html + "</ul>" : html;
}

export function rtfToHtml(rtf: string): string {
  const stack: Style[] = [];
  let style: Style = { bold: false, italic: false, size: kDefaultSize, centred: false, skip: false };
  let runs: Run[] = [];
  const blocks: string[] = [];
  let groupStart = false;

  const emit = (text: string) => {
    if (style.skip || text === "") return;
    const last = runs[runs.length - 1];
    if (last && last.style === style) last.text += text;
    else runs.push({ text, style });
  };
  const endParagraph = () => {
    const html = paragraphToHtml(runs);
    if (html) blocks.push(html);
    runs = [];
  };
  const change = (update: Partial<Style>) => {
    style = { ...style, ...update };
  };

  for (let i = 0; i < rtf.length; ) {
    const c = rtf[i];
    if (c === "{") {
      stack.push(style);
      groupStart = true;
      ++i;
      continue;
    }
    if (c === "}") {
      style = stack.pop() ?? style;
      groupStart = false;
      ++i;
      continue;
    }
    if (c === "\r" || c === "\n") {
      ++i;
      continue;
    }
    if (c !== "\\") {
      let end = i;
      while (end < rtf.length && !"\\{}\r\n".includes(rtf[end])) ++end;
      emit(rtf.slice(i, end));
      groupStart = false;
      i = end;
      continue;
    }
    // A control symbol or a control word with an optional number.
    const next = rtf[i + 1] ?? "";
    if (next === "'") {
      emit(cp1252(parseInt(rtf.slice(i + 2, i + 4), 16)));
      i += 4;
      continue;
    }
    if (next === "*") {
      change({ skip: true });
      i += 2;
      continue;
    }
    if (!/[a-zA-Z]/.test(next)) {
      if (next === "~") emit("\u00a0");
      else if (next !== "-" && next !== "\r" && next !== "\n") emit(next);
      else if (next === "\r" || next === "\n") endParagraph();
      i += 2;
      continue;
    }
    const match = /^\\([a-zA-Z]+)(-?\d+)? ?/.exec(rtf.slice(i, i + 40))!;
    const word = match[1];
    const number = match[2] === undefined ? undefined : Number(match[2]);
    i += match[0].length;
    const atGroupStart = groupStart;
    groupStart = false;
    if (atGroupStart && kSkippedDestinations.has(word)) {
      change({ skip: true });
      continue;
    }
    switch (word) {
      case "par":
      case "line":
        endParagraph();
        break;
      case "pard":
        change({ centred: false });
        break;
      case "plain":
        change({ bold: false, italic: false, size: kDefaultSize });
        break;
      case "b":
        change({ bold: number !== 0 });
        break;
      case "i":
        change({ italic: number !== 0 });
        break;
      case "fs":
        change({ size: number ?? kDefaultSize });
        break;
      case "qc":
        change({ centred: true });
        break;
      case "ql":
        change({ centred: false });
        break;
      case "bullet":
        emit("\u2022");
        break;
      case "tab":
        emit(" ");
        break;
      case "emdash":
        emit("\u2014");
        break;
      case "endash":
        emit("\u2013");
        break;
      default:
        break; // formatting the page does not need
    }
  }
  endParagraph();
  return groupLists(blocks);
}
