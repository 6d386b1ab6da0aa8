// The region illustrations over the airway schematic, as in the window:
// pointing at a hot spot shows that region's picture with its name beside the
// pointer; clicking it chooses the region's slider panel, clicking elsewhere
// lets it go. The picture gives way to the schematic when a run or a replay
// starts, and two seconds after the pointer left the picture.
import { byId } from "./dom";
import {
  containedPicture, hotSpotAt, hotSpotRegion, kPlainPicture, kRegionPictureCount, parseHotSpotTable, percentOf,
  regionName, regionPanel, regionPictureFile,
} from "./region_picture";

const kLabelMs = 2000;
const kLabelGap = 8;

let table: string[][] = [];
let chosenRegion: number | null = null;
let timer: ReturnType<typeof setTimeout> | undefined;
let onChoose: (panel: number | null) => void = () => {};

function picture(): HTMLImageElement {
  return byId<HTMLImageElement>("region-picture");
}

function label(): HTMLElement {
  return byId("region-label");
}

function show(region: number): void {
  if (region < kPlainPicture || region > kRegionPictureCount) return; // no such picture
  const image = picture();
  const file = regionPictureFile(region);
  if (!image.src.endsWith(file)) image.src = file;
  image.dataset.region = String(region);
  image.hidden = false;
}

function showLabel(text: string, x: number, y: number): void {
  const box = label();
  box.textContent = text;
  box.hidden = text === "";
  box.style.left = `${x + kLabelGap}px`;
  box.style.top = `${Math.max(0, y - box.offsetHeight - kLabelGap)}px`;
}

export function hideRegionPicture(): void {
  clearTimeout(timer);
  picture().hidden = true;
  label().hidden = true;
}

function idle(): boolean {
  return document.body.dataset.state !== "running" && byId("replay").getAttribute("aria-pressed") !== "true";
}

// The hot spot under a pointer event, as a region picture number.
function regionAt(event: MouseEvent): number {
  const image = picture();
  const box = containedPicture(image.parentElement!.getBoundingClientRect(), image.naturalWidth, image.naturalHeight);
  const x = event.clientX - box.left;
  const y = event.clientY - box.top;
  return hotSpotRegion(table, hotSpotAt(table, percentOf(x, box.width), percentOf(y, box.height)));
}

function onMove(event: PointerEvent): void {
  if (!idle()) return;
  clearTimeout(timer);
  if (chosenRegion !== null) return; // the chosen region's picture stays
  const region = regionAt(event);
  show(region);
  const box = picture().parentElement!.getBoundingClientRect();
  showLabel(regionName(region), event.clientX - box.left, event.clientY - box.top);
}

function onLeave(): void {
  clearTimeout(timer);
  timer = setTimeout(() => {
    label().hidden = true;
    // Over a run's schematic the picture gives way; before any run it stays.
    const shown = byId("airways").dataset.shown ?? "0:0";
    if (chosenRegion === null && !shown.startsWith("0:")) picture().hidden = true;
  }, kLabelMs);
}

function onClick(event: MouseEvent): void {
  if (!idle()) return;
  const region = regionAt(event);
  const panel = regionPanel(region);
  chosenRegion = panel === null ? null : region;
  show(region);
  onChoose(panel);
}

// The hot-spot table's text; until it is read, no hot spot is hit.
export function setHotSpotTable(text: string): void {
  table = parseHotSpotTable(text);
}

export function chosenPictureRegion(): number | null {
  return chosenRegion;
}

export function wireRegionPicture(choosePanel: (panel: number | null) => void): void {
  onChoose = choosePanel;
  const stage = picture().parentElement!;
  stage.addEventListener("pointermove", onMove);
  stage.addEventListener("pointerleave", onLeave);
  stage.addEventListener("click", onClick);
  show(kPlainPicture);
  // The other pictures come once the page is up, so that hovering swaps at once.
  window.addEventListener("load", () => {
    for (let region = 2; region <= kRegionPictureCount; ++region) new Image().src = regionPictureFile(region);
  });
}
