// The name a simulation file is saved under: what the user typed, without
// folders or characters that file systems refuse, ending in ".spi".
// "standard" is the program's own reference and stays reserved, as in the window.

export const kDefaultSaveName = "data_default";

export type SaveName = { file: string } | { refused: string };

// What the user typed, made a file name without its extension.
function baseName(typed: string): string {
  const base = typed.trim().replace(/\.(spi|csv|pdf)$/i, "").replace(/[\\/:*?"<>|\u0000-\u001f]/g, "_").replace(/^\.+/, "");
  return base === "" ? kDefaultSaveName : base.slice(0, 120);
}

export function saveFileName(typed: string): SaveName {
  const base = baseName(typed);
  if (base.toLowerCase() === "standard") return { refused: "The name \"standard\" is reserved for the program's own reference." };
  return { file: `${base}.spi` };
}

// The two tables of a run under the same name, named as breathlab-cli run
// --csv PREFIX names them: volume-time first.
export function csvFileNames(typed: string): [string, string] {
  const base = baseName(typed);
  return [`${base}-volume-time.csv`, `${base}-flow-volume.csv`];
}

// The one-page report of a run under the same name.
export function reportFileName(typed: string): string {
  return `${baseName(typed)}-report.pdf`;
}
