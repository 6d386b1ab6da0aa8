// Build step: every help page of helpfiles/ as HTML in one JSON file.
//   node build_help.mjs HELP_FOLDER OUT.json
import { readdirSync, readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { rtfToHtml } from "./rtf_to_html";

const [helpFolder, outFile] = process.argv.slice(2);
const pages: Record<string, string> = {};
for (const name of readdirSync(helpFolder).sort()) {
  const match = /^(H\d{4})\.rtf$/i.exec(name);
  if (!match) continue;
  pages[match[1].toUpperCase()] = rtfToHtml(readFileSync(join(helpFolder, name), "latin1"));
}
if (Object.keys(pages).length === 0) throw new Error(`no help pages in ${helpFolder}`);
writeFileSync(outFile, JSON.stringify(pages));
