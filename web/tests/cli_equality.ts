// The page's numbers against breathlab-cli's. Both print single-precision
// values with 9 significant digits, which give the stored float back exactly.
import { execFileSync } from "node:child_process";

// How far apart an index of the page and of breathlab-cli may be, relative.
// Both builds compute with the model's own elementary functions and without
// fused multiply-adds, so they agree to the last bit.
export const kCliRelativeTolerance = 0;

export const kIndexNames = [
  "FEV1", "FVCEX", "FEV1%FVC", "PEF", "MEF75", "MEF50", "MEF25", "ERV", "FlowAtFev1", "FRC", "TLC", "FET",
] as const;

export type Indices = Record<string, number | null>;

export function cliPath(): string {
  const path = process.env.BREATHLAB_CLI;
  if (!path) throw new Error("BREATHLAB_CLI names no breathlab-cli");
  return path;
}

// breathlab-cli's exit code for runs that ended dead or in error: its report
// is complete, with the status and no index.
const kCliRunDidNotComplete = 3;

// One `breathlab-cli run --json` with the given extra arguments; its first line.
export function cliRun(args: string[]): Indices {
  let output: string;
  try {
    output = execFileSync(cliPath(), ["run", "--json", ...args], { encoding: "utf8" });
  } catch (error) {
    const failed = error as { status?: number; stdout?: string };
    if (failed.status !== kCliRunDidNotComplete || !failed.stdout) throw error;
    output = failed.stdout;
  }
  return JSON.parse(output.split("\n")[0]) as Indices;
}

// The indices that differ by more than the tolerance, as readable lines.
export function indexDifferences(pageRecord: object, cliRecord: object): string[] {
  const page = pageRecord as Indices;
  const cli = cliRecord as Indices;
  const differences: string[] = [];
  // A run that did not complete has no indices in breathlab-cli's report (the
  // page shows it as "dead" or "error"): only the status is compared.
  const names = cli.RunStatus === 1 ? ["RunStatus", ...kIndexNames] : ["RunStatus"];
  for (const name of names) {
    const a = page[name];
    const b = cli[name];
    if (a === null || b === null || a === undefined || b === undefined) {
      if (a !== b) differences.push(`${name}: page ${a}, cli ${b}`);
      continue;
    }
    const x = Math.fround(a);
    const y = Math.fround(b);
    const scale = Math.max(Math.abs(x), Math.abs(y));
    if (Math.abs(x - y) > kCliRelativeTolerance * scale) differences.push(`${name}: page ${x}, cli ${y}`);
  }
  return differences;
}
