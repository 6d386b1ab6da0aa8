// The name a simulation file is saved under: what the user typed, without
// folders or characters that file systems refuse, ending in ".spi".
// "standard" is the program's own reference and stays reserved, as in the window.

export const kDefaultSaveName = "data_default";

export type SaveName = { file: string } | { refused: string };

export function saveFileName(typed: string): SaveName {
  const base = typed.trim().replace(/\.spi$/i, "").replace(/[\\/:*?"<>|\u0000-\u001f]/g, "_").replace(/^\.+/, "");
  if (base === "") return { file: `${kDefaultSaveName}.spi` };
  if (base.toLowerCase() === "standard") return { refused: "The name \"standard\" is reserved for the program's own reference." };
  return { file: `${base.slice(0, 120)}.spi` };
}
