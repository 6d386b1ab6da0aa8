// A patient in a link: every percentage that is not 100, named as
// breathlab-cli's --set names it ("RPeripheral=400", "UpperLeftLobe.CCC=200"
// for a region other than both lungs), in the URL's fragment, so the link
// works on a static page and never reaches a server.
import { kParameters, kRegions, regionRow, kBothLungs } from "./parameters";
import { decodeLinkPart, parseLinkPercent } from "./link_rules";

const kNormal = 100;

function settingName(region: number, parameterName: string): string {
  if (region === kBothLungs) return parameterName;
  const named = kRegions.find((r) => r.index === region)!;
  return `${named.name}.${parameterName}`;
}

// Nine significant digits give back any stored single-precision percentage.
function percentText(value: number): string {
  return String(Number(value.toPrecision(9)));
}

export function encodeSettings(rows: number[][]): string {
  const parts: string[] = [];
  for (const region of kRegions)
    for (const parameter of kParameters) {
      const value = rows[regionRow(region.index)][parameter.k - 1];
      if (value !== kNormal) parts.push(`${settingName(region.index, parameter.name)}=${percentText(value)}`);
    }
  return parts.join("&");
}

export interface DecodedSettings {
  rows: number[][];
  unknown: string[]; // parts that are badly encoded, name no parameter or hold no storable percentage
}

export function decodeSettings(fragment: string): DecodedSettings {
  const rows = kRegions.map(() => kParameters.map(() => kNormal));
  const unknown: string[] = [];
  const text = fragment.startsWith("#") ? fragment.slice(1) : fragment;
  for (const part of text.split("&")) {
    if (part === "") continue;
    const decoded = decodeLinkPart(part);
    if (decoded === null) {
      unknown.push(part);
      continue;
    }
    const [name, valueText, extra] = decoded.split("=");
    const value = valueText === undefined ? null : parseLinkPercent(valueText);
    const dot = name.lastIndexOf(".");
    const regionName = dot < 0 ? "BothLungs" : name.slice(0, dot);
    const parameterName = dot < 0 ? name : name.slice(dot + 1);
    const region = kRegions.find((r) => r.name.toLowerCase() === regionName.toLowerCase());
    const parameter = kParameters.find((p) => p.name.toLowerCase() === parameterName.toLowerCase());
    if (!region || !parameter || extra !== undefined || value === null) {
      unknown.push(part);
      continue;
    }
    rows[regionRow(region.index)][parameter.k - 1] = value;
  }
  return { rows, unknown };
}
