// Build step: the airway pictures as files a browser shows. The region
// pictures F001..F005 are JPEGs whose first bytes are stored in reverse
// order; turned back, they are plain JPEGs again and need no decoding of our
// own. The background behind the schematic (tlo.dat) is a plain JPEG.
//   node build_pictures.mjs DATA_FOLDER OUT_FOLDER
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { kBackgroundFile, kRegionPictureCount, regionPictureFile, restoredJpeg } from "./region_picture";

const kJpegStart = [0xff, 0xd8];

function checkedJpeg(bytes: Uint8Array, name: string): Uint8Array {
  if (bytes[0] !== kJpegStart[0] || bytes[1] !== kJpegStart[1]) throw new Error(`${name}: not a JPEG picture`);
  return bytes;
}

const [dataFolder, outFolder] = process.argv.slice(2);
for (let n = 1; n <= kRegionPictureCount; ++n) {
  const name = `F${String(n).padStart(3, "0")}.dat`;
  writeFileSync(join(outFolder, regionPictureFile(n)), checkedJpeg(restoredJpeg(readFileSync(join(dataFolder, name))), name));
}
writeFileSync(join(outFolder, kBackgroundFile), checkedJpeg(readFileSync(join(dataFolder, "tlo.dat")), "tlo.dat"));
