// The airway schematic beside the curves: live while a run goes, then the
// selected run at its end, and a replay of a run with pause/go and three speeds.
import type { ToWorker } from "./messages";
import { byId, element } from "./dom";
import { AirwaySchematic, drawSchematic, kReplaySpeeds, nextReplaySample } from "./schematic";
import { kBackgroundFile } from "./region_picture";
import { hideRegionPicture } from "./region_picture_panel";

interface Replay {
  slot: number;
  sample: number;
  lastSample: number;
  playing: boolean;
  waiting: boolean; // a picture asked for and not yet drawn
}

let send: (message: ToWorker) => void = () => {};
let replay: Replay = { slot: 0, sample: 0, lastSample: 0, playing: false, waiting: false };
let speed = kReplaySpeeds[1][1];
let livePictures = 0;

// How many live pictures the last run drew, for the browser tests.
export function livePictureCount(): number {
  return livePictures;
}

export function startLivePictures(): void {
  livePictures = 0;
}

let background: HTMLImageElement | undefined;

function loadedBackground(): HTMLImageElement | undefined {
  return background?.complete && background.naturalWidth > 0 ? background : undefined;
}

function canvas(): HTMLCanvasElement {
  return byId<HTMLCanvasElement>("airways");
}

function showPlaying(playing: boolean): void {
  replay.playing = playing;
  const button = byId<HTMLButtonElement>("replay");
  button.textContent = playing ? "Pause" : "Replay";
  button.setAttribute("aria-pressed", String(playing));
}

function ask(slot: number, sample: number): void {
  replay.waiting = true;
  send({ type: "schematic", slot, sample });
}

export function tellSchematicSize(): void {
  send({ type: "schematicSize", width: canvas().clientWidth, height: canvas().clientHeight });
}

// The selected run (or the model at rest) as it ended; stops a replay.
export function showRunAirways(slot: number, lastSample: number): void {
  showPlaying(false);
  replay = { slot, sample: lastSample, lastSample, playing: false, waiting: false };
  byId<HTMLButtonElement>("replay").disabled = slot < 1 || lastSample < 1;
  ask(slot, lastSample);
}

export function onSchematic(slot: number, sample: number, schematic: AirwaySchematic): void {
  drawSchematic(canvas(), schematic, loadedBackground());
  canvas().dataset.shown = `${slot}:${sample}`;
  if (slot === 0 && document.body.dataset.state === "running") ++livePictures;
  if (slot !== replay.slot || sample !== replay.sample) return; // a live picture
  replay.waiting = false;
  if (!replay.playing) return;
  requestAnimationFrame(() => {
    if (!replay.playing || replay.waiting) return;
    const next = nextReplaySample(replay.sample, speed, replay.lastSample);
    replay.sample = next.sample;
    if (next.done) showPlaying(false);
    ask(replay.slot, replay.sample);
  });
}

export function wireAirwayPanel(sendToWorker: (message: ToWorker) => void): void {
  send = sendToWorker;
  background = new Image();
  background.src = kBackgroundFile;
  const picker = byId<HTMLSelectElement>("replay-speed");
  for (const [label, samples] of kReplaySpeeds) {
    const option = element("option", "", label);
    option.value = String(samples);
    option.selected = samples === speed;
    picker.append(option);
  }
  picker.addEventListener("change", () => (speed = Number(picker.value)));
  byId("replay").addEventListener("click", () => {
    if (replay.playing) {
      showPlaying(false);
      return;
    }
    if (replay.sample >= replay.lastSample) replay.sample = 0;
    hideRegionPicture();
    showPlaying(true);
    if (!replay.waiting) ask(replay.slot, replay.sample);
  });
}
