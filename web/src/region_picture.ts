// The airway picture's regions, as in the window: hot spots are points of the
// illustration (in percent of its size) that stand for the main, middle or
// peripheral airways or the lungs. Hovering one shows that region's picture
// and its name beside the pointer; clicking it chooses the region's sliders.

export const kRegionPictureCount = 5;
export const kPlainPicture = 1;
export const kBackgroundFile = "airway-background.jpg";
// Within this many percent of the picture's width and height, on both axes.
export const kHotSpotRadius = 5;

export function regionPictureFile(region: number): string {
  return `airway-${region}.jpg`;
}

// Name of each region picture, for the label; the plain picture has none.
const kRegionNames: Record<number, string> = { 2: "main", 3: "middle", 4: "peripheral", 5: "lungs" };

export function regionName(region: number): string {
  return kRegionNames[region] ?? "";
}

// The slider panel (index into the page's panels MAIN, MIDDLE, PERIPHERAL,
// LUNGS) that a region picture stands for, or null for the plain picture.
export function regionPanel(region: number): number | null {
  return region >= 2 && region <= kRegionPictureCount ? region - 2 : null;
}

// The hot-spot file: a header row, then "number;x %;y %;region" rows.
export function parseHotSpotTable(text: string): string[][] {
  return text.split(/\r?\n/).filter((line) => line !== "").map((line) => line.split(";"));
}

const kIntMax = 2 ** 31 - 1;

// An integer cell as the window reads it: optional blanks and sign, digits.
function cellInteger(cell: string | undefined): number | null {
  if (cell === undefined || !/^\s*[+-]?\d+\s*$/.test(cell)) return null;
  const value = Number(cell);
  return Math.abs(value) <= kIntMax ? value : null;
}

// The row of the hot spot at (px, py) percent, or -1. Rows whose position is
// not a pair of integers never match; of overlapping hot spots the later row wins.
export function hotSpotAt(table: string[][], px: number, py: number): number {
  let hit = -1;
  for (let row = 1; row < table.length; ++row) {
    const x = cellInteger(table[row][1]);
    const y = cellInteger(table[row][2]);
    if (x !== null && y !== null && Math.abs(px - x) < kHotSpotRadius && Math.abs(py - y) < kHotSpotRadius) hit = row;
  }
  return hit;
}

// The region picture of a hot-spot row; the plain one for no hot spot, a code
// that is not an integer, or 0.
export function hotSpotRegion(table: string[][], row: number): number {
  const code = row < 0 ? null : cellInteger(table[row]?.[3]);
  return code === null || code === 0 ? kPlainPicture : code;
}

// A position as a whole percentage of the extent, halves to the even one.
export function percentOf(position: number, extent: number): number {
  const exact = (100 * position) / extent;
  const nearest = Math.round(exact);
  return Math.abs(exact % 1) === 0.5 && nearest % 2 !== 0 ? nearest - 1 : nearest;
}

// The region picture files keep their first bytes in reverse order.
export const kReversedHeadLength = 100;

export function restoredJpeg(stored: Uint8Array): Uint8Array {
  if (stored.length < kReversedHeadLength) throw new Error(`shorter than ${kReversedHeadLength} bytes`);
  const bytes = Uint8Array.from(stored);
  bytes.subarray(0, kReversedHeadLength).reverse();
  return bytes;
}

export interface Box {
  left: number;
  top: number;
  width: number;
  height: number;
}

// Where a picture stands when it is shown whole and undistorted, centred in a
// box (CSS object-fit: contain); hot spots are percentages of this part.
export function containedPicture(box: Box, pictureWidth: number, pictureHeight: number): Box {
  if (pictureWidth <= 0 || pictureHeight <= 0) return box;
  const scale = Math.min(box.width / pictureWidth, box.height / pictureHeight);
  const width = pictureWidth * scale;
  const height = pictureHeight * scale;
  return { left: box.left + (box.width - width) / 2, top: box.top + (box.height - height) / 2, width, height };
}
