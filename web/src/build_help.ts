// Build step: every help page of helpfiles/ as HTML in one JSON file, where
// the page has a variant of its own (web/help/) that one, since the page's
// controls differ from the window's.
//   node build_help.mjs HELP_FOLDER PAGE_VARIANTS_FOLDER OUT.json
import { readdirSync, readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { rtfToHtml } from "./rtf_to_html";

const [helpFolder, variantsFolder, outFile] = process.argv.slice(2);
const pages: Record<string, string> = {};
for (const folder of [helpFolder, variantsFolder])
  for (const name of readdirSync(folder).sort()) {
    const match = /^(H\d{4})\.rtf$/i.exec(name);
    if (!match) continue;
    pages[match[1].toUpperCase()] = rtfToHtml(readFileSync(join(folder, name), "latin1"));
  }
if (Object.keys(pages).length === 0) throw new Error(`no help pages in ${helpFolder}`);
writeFileSync(outFile, JSON.stringify(pages));
