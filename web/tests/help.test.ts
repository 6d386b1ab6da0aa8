// The page's help as built: the desktop's pages where they hold for the page,
// the page's own variants where its controls differ, and nothing that the page
// does not have (right clicks, a File menu, a hidden Stiff slider).
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";

function builtHelp(): Record<string, string> {
  const folder = process.env.BREATHLAB_WEB_DIR;
  assert.ok(folder, "BREATHLAB_WEB_DIR names the built page");
  return JSON.parse(readFileSync(join(folder, "help.json"), "utf8")) as Record<string, string>;
}

test("every help page is there and names only what the page has", () => {
  const help = builtHelp();
  assert.deepEqual(Object.keys(help).sort(), ["H0000", "H0001", "H0002", "H0003", "H0004", "H0005", "H0006"]);
  for (const [name, html] of Object.entries(help)) {
    const text = html.replace(/<[^>]+>/g, "");
    for (const untrue of [/right[- ]click/i, /File<\/strong> menu|File menu/i, /slider is hidden|hidden slider/i, /the window/i])
      assert.doesNotMatch(`${html} ${text}`, untrue, `${name} says ${untrue}`);
  }
  assert.match(help.H0002, /The slider Stiff/);
  assert.match(help.H0000, /Cases\.\.\..*Exercise\.\.\./s);
  // Pages the page shares with the window come from the window's help unchanged.
  assert.match(help.H0001, /main bronchi/);
});
