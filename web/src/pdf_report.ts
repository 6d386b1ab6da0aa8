// The report as a one-page A4 PDF: the texts of run_report, the indices
// table and both plots as pictures. Bundled on its own and loaded only when
// asked for, since the PDF library is larger than the rest of the page.
import { jsPDF } from "jspdf";
import type { RunReport } from "./run_report";

export interface ReportFigure {
  png: string; // a data URL
  aspect: number; // height / width
}

const kMargin = 15; // mm
const kPageWidth = 210;
const kLineHeight = 5;
const kTableColumnWidths = [38, 22, 30, 30, 18];

function writeLines(doc: jsPDF, lines: string[], top: number): number {
  let y = top;
  for (const line of lines) {
    const wrapped = doc.splitTextToSize(line, kPageWidth - 2 * kMargin) as string[];
    doc.text(wrapped, kMargin, y);
    y += wrapped.length * kLineHeight;
  }
  return y;
}

function writeTable(doc: jsPDF, rows: string[][], top: number): number {
  let y = top;
  rows.forEach((row, r) => {
    doc.setFont("helvetica", r === 0 ? "bold" : "normal");
    let x = kMargin;
    row.forEach((text, column) => {
      const width = kTableColumnWidths[column] ?? 20;
      // Numbers stand right-aligned in their column, as on the page.
      if (column >= 2) doc.text(text, x + width - 2, y, { align: "right" });
      else doc.text(text, x, y);
      x += width;
    });
    y += kLineHeight;
  });
  doc.setFont("helvetica", "normal");
  return y;
}

export function reportPdf(report: RunReport, figures: ReportFigure[]): Blob {
  const doc = new jsPDF({ unit: "mm", format: "a4" });
  doc.setProperties({ title: report.title, creator: "breathlab" });
  doc.setFont("helvetica", "bold");
  doc.setFontSize(15);
  doc.text(report.title, kMargin, kMargin + 5);
  doc.setFont("helvetica", "normal");
  doc.setFontSize(10);
  let y = writeLines(doc, report.lines, kMargin + 13) + 2;
  y = writeTable(doc, report.table, y) + 3;
  // The two plots side by side, under the table.
  const width = (kPageWidth - 2 * kMargin - 5) / 2;
  figures.forEach((figure, i) => doc.addImage(figure.png, "PNG", kMargin + i * (width + 5), y, width, width * figure.aspect));
  return doc.output("blob");
}
