// The airway picture's hot spots under node: which region a point of the
// picture stands for, the labels and panels of the regions, and the region
// pictures' stored heads turned back.
import assert from "node:assert/strict";
import { test } from "node:test";
import {
  hotSpotAt, hotSpotRegion, kPlainPicture, kReversedHeadLength, parseHotSpotTable, percentOf, regionName,
  regionPanel, regionPictureFile, restoredJpeg, containedPicture,
} from "../src/region_picture";

const kTable = parseHotSpotTable([
  "nr;x %;y %;region",
  "1;51;70;1",
  "2;31;18;5",
  "3;33;20;4", // overlaps row 2: the later row wins where both reach
  "4;x;20;3", // not a position: never hit
  "5;80;80;0", // code 0: the plain picture
  "6;10;10;7", // a code without a picture
  "7; +60 ;40;2\r",
  "",
].join("\n"));

test("the hot-spot table is read as rows of cells, blank lines and carriage returns dropped", () => {
  assert.equal(kTable.length, 8);
  assert.deepEqual(kTable[2], ["2", "31", "18", "5"]);
  assert.deepEqual(kTable[7], ["7", " +60 ", "40", "2"]);
});

test("a hot spot reaches less than five percent on both axes; of overlapping ones the later row wins", () => {
  for (const [px, py, row] of [
    [31, 18, 3], // inside rows 2 and 3
    [27, 18, 2], // 4 left of row 2, 6 left of row 3
    [26, 18, -1], // 5 left of row 2: outside
    [31, 14, 2], // 4 above row 2, 6 above row 3
    [31, 13, -1],
    [37, 24, 3], // 4 right and below row 3
    [38, 20, -1],
    [51, 70, 1],
    [60, 40, 7], // blanks and a sign around the integer
    [0, 20, -1], // near row 4's y, which has no x
  ] as const)
    assert.equal(hotSpotAt(kTable, px, py), row, `${px}, ${py}`);
});

test("a hot spot's picture: its region code; the plain picture for none, for 0 and for a code that is no integer", () => {
  assert.equal(hotSpotRegion(kTable, -1), kPlainPicture);
  assert.equal(hotSpotRegion(kTable, 2), 5);
  assert.equal(hotSpotRegion(kTable, 5), kPlainPicture);
  assert.equal(hotSpotRegion(kTable, 6), 7);
  assert.equal(hotSpotRegion(kTable, 7), 2);
  assert.equal(hotSpotRegion(parseHotSpotTable("h\n1;5;5;lungs"), 1), kPlainPicture);
  assert.equal(hotSpotRegion(kTable, 99), kPlainPicture);
});

test("the pointer's position in whole percent, halves to the even one as in the window", () => {
  for (const [position, extent, percent] of [
    [0, 200, 0], [1, 200, 0], [5, 200, 2], [7, 200, 4], [3, 200, 2], [199, 200, 100], [-5, 200, -2], [-7, 200, -4], [50, 300, 17],
  ])
    assert.equal(percentOf(position, extent), percent, `${position} of ${extent}`);
});

test("regions are named and choose their panel: main, middle, peripheral, lungs; the plain picture neither", () => {
  assert.deepEqual([1, 2, 3, 4, 5, 6].map(regionName), ["", "main", "middle", "peripheral", "lungs", ""]);
  assert.deepEqual([0, 1, 2, 3, 4, 5, 6].map(regionPanel), [null, null, 0, 1, 2, 3, null]);
  assert.equal(regionPictureFile(3), "airway-3.jpg");
});

test("a region picture's reversed head is turned back and the rest kept; a short file is refused", () => {
  const plain = Uint8Array.from({ length: 150 }, (_, i) => (i * 7) % 256);
  const stored = Uint8Array.from(plain);
  stored.subarray(0, kReversedHeadLength).reverse();
  assert.deepEqual(restoredJpeg(stored), plain);
  assert.equal(stored[0], plain[kReversedHeadLength - 1], "the input is left as it was");
  assert.throws(() => restoredJpeg(new Uint8Array(kReversedHeadLength - 1)), /shorter than 100 bytes/);
  assert.equal(restoredJpeg(new Uint8Array(kReversedHeadLength)).length, kReversedHeadLength);
});

test("a picture shown whole in a box is centred in its free direction, undistorted", () => {
  // 486 x 514 in a wide 400 x 257 box: as high as the box, 243 wide, 78.5 in from each side.
  assert.deepEqual(containedPicture({ left: 10, top: 20, width: 400, height: 257 }, 486, 514), { left: 88.5, top: 20, width: 243, height: 257 });
  // In a tall 243 x 400 box: as wide as it, 257 high, 71.5 down.
  assert.deepEqual(containedPicture({ left: 0, top: 0, width: 243, height: 400 }, 486, 514), { left: 0, top: 71.5, width: 243, height: 257 });
  // A picture not yet loaded has no size: the box itself.
  assert.deepEqual(containedPicture({ left: 1, top: 2, width: 3, height: 4 }, 0, 0), { left: 1, top: 2, width: 3, height: 4 });
});
