// The examination runs here, off the page's thread, so the page keeps
// drawing while the model integrates; the 100 ms trace points, the run clock
// and the live airway schematic are posted as they are made, at most once a
// frame: a screen shows no more, and each message and schematic costs run time.
import { copyIn, lastText, loadPageModule, PageExports } from "./wasm_module";
import type { Description, ExerciseRound, FromWorker, HistoryState, SliderScale, SlotTraces, TeachingCase, ToWorker } from "./messages";
import { kHistorySlots, kParameterCount, kRegionCount } from "./messages";

const kSampleCount = 1500;
const kTracePointCount = 1000;
const kSliderCount = 9;

const kClockStepSeconds = 0.1;
const kFrameMilliseconds = 1000 / 60;

let wasm: PageExports | undefined;
let lastClock = -1;
// What the run made since the last post.
interface LiveRun { time: number[]; volume: number[]; clock: number | null; postedAt: number }
const nothingLive = (postedAt: number): LiveRun => ({ time: [], volume: [], clock: null, postedAt });
let live = nothingLive(-Infinity);
let schematicSize = { width: 0, height: 0 };
const pending: ToWorker[] = [];

function post(message: FromWorker, transfer: Transferable[] = []): void {
  (self as unknown as Worker).postMessage(message, transfer);
}

type TraceOf = (slot: number, which: number) => number;

function copyTrace(traceOf: TraceOf, slot: number, which: number, length: number): Float32Array {
  return new Float32Array(wasm!.memory.buffer, traceOf(slot, which), length).slice();
}

// Every slot's traces, from the listed runs or from the patient run aside.
function slotTraces(traceOf: TraceOf): SlotTraces[] {
  const traces: SlotTraces[] = [];
  for (let slot = 0; slot < kHistorySlots; ++slot)
    traces.push({
      sampleVolume: copyTrace(traceOf, slot, 0, kSampleCount),
      sampleFlow: copyTrace(traceOf, slot, 1, kSampleCount),
      time: copyTrace(traceOf, slot, 2, kTracePointCount),
      volume: copyTrace(traceOf, slot, 3, kTracePointCount),
    });
  return traces;
}

function buffersOf(traces: SlotTraces[]): Transferable[] {
  return traces.flatMap((t) => [t.sampleVolume.buffer, t.sampleFlow.buffer, t.time.buffer, t.volume.buffer]);
}

function postState(ranSeconds?: number): void {
  wasm!.page_state();
  const state = JSON.parse(lastText(wasm!)) as HistoryState;
  const traces = slotTraces(wasm!.page_trace);
  const statusBlocks = state.Slots.map((slot) => wasm!.page_status_description(slot.RunStatus ?? -1));
  post({ type: "state", state, traces, ranSeconds, statusBlocks }, buffersOf(traces));
}

function postLive(withSchematic: boolean): void {
  const traced = live.time.length > 0;
  if (traced) post({ type: "trace", time: live.time, volume: live.volume });
  if (live.clock !== null) post({ type: "clock", seconds: live.clock });
  // The live schematic: the model's airways at the last trace point.
  if (traced && withSchematic) postSchematic(0, 0);
  live = nothingLive(performance.now());
}

function liveChanged(): void {
  if (performance.now() - live.postedAt >= kFrameMilliseconds) postLive(true);
}

function postSchematic(slot: number, sample: number): void {
  if (schematicSize.width <= 0 || schematicSize.height <= 0) return;
  wasm!.page_schematic(slot, sample, schematicSize.width, schematicSize.height);
  post({ type: "schematic", slot, sample, schematic: lastText(wasm!) });
}

// The sliders' blocks 1..8 and the run outcomes' 9..11 of the description file.
const kDescriptionBlocks = 11;

function loadDescriptions(text: string): void {
  const bytes = new TextEncoder().encode(text);
  const blocks: Record<number, Description> = {};
  for (let n = 1; n <= kDescriptionBlocks; ++n) {
    withBytes(bytes.buffer, (p) => {
      wasm!.page_description(p, bytes.byteLength, n);
      return 0;
    });
    const parsed = JSON.parse(lastText(wasm!)) as Description & { Error?: string };
    if (parsed.Error) {
      post({ type: "failed", message: `The descriptions could not be read: ${parsed.Error}` });
      return;
    }
    blocks[n] = parsed;
  }
  post({ type: "descriptions", blocks });
}

function loadCases(table: string): void {
  const bytes = new TextEncoder().encode(table);
  if (!withBytes(bytes.buffer, (p) => wasm!.page_load_cases(p, bytes.byteLength))) {
    post({ type: "failed", message: `The case library could not be read: ${lastText(wasm!)}` });
    return;
  }
  wasm!.page_cases();
  post({ type: "cases", cases: JSON.parse(lastText(wasm!)) as TeachingCase[] });
}

function postExercise(number: number): void {
  wasm!.page_exercise(number);
  const { Round, State } = JSON.parse(lastText(wasm!)) as { Round: ExerciseRound | null; State: HistoryState | null };
  if (!Round || !State) {
    post({ type: "failed", message: "The case library has no case for the exercise." });
    return;
  }
  const traces = slotTraces(wasm!.page_aside_trace);
  post({ type: "exercise", round: Round, state: State, traces }, buffersOf(traces));
}

function sliderScales(): SliderScale[] {
  const scales: SliderScale[] = [];
  for (let k = 1; k <= kSliderCount; ++k) {
    const minimum = wasm!.page_slider_minimum(k);
    const maximum = wasm!.page_slider_maximum(k);
    const percentAt: number[] = [];
    for (let p = minimum; p <= maximum; ++p) percentAt.push(wasm!.page_percent_at(k, p));
    scales.push({ minimum, maximum, defaultPosition: wasm!.page_slider_default(k), percentAt });
  }
  return scales;
}

function withBytes(bytes: ArrayBufferLike, use: (pointer: number) => number): number {
  const pointer = copyIn(wasm!, bytes);
  try {
    return use(pointer);
  } finally {
    wasm!.page_free(pointer);
  }
}

function handle(message: ToWorker): void {
  const w = wasm!;
  switch (message.type) {
    case "init":
      if (!withBytes(message.defaultSet, (p) => w.page_start_up(p, message.defaultSet.byteLength)))
        post({ type: "failed", message: lastText(w) });
      post({ type: "ready", scales: sliderScales() });
      postState();
      loadCases(message.caseTable);
      loadDescriptions(message.descriptions);
      return;
    case "start": {
      for (let row = 0; row < kRegionCount; ++row)
        for (let k = 0; k < kParameterCount; ++k) w.page_set_percent(row - 2, k + 1, message.working[row][k]);
      message.globals.forEach((percent, entry) => w.page_set_global(entry + 1, percent));
      post({ type: "runStarted" });
      live = nothingLive(-Infinity); // the first point is posted at once
      const began = performance.now();
      w.page_start();
      postLive(false); // the curve's last points; the state shows the run's own airways
      postState((performance.now() - began) / 1000);
      return;
    }
    case "select":
      if (w.page_select_run(message.row)) postState();
      return;
    case "delete":
      if (w.page_delete_selected()) postState();
      return;
    case "useAsReference":
      if (w.page_use_as_reference()) postState();
      return;
    case "restoreDefault":
      w.page_restore_default();
      postState();
      return;
    case "open":
      if (withBytes(message.bytes, (p) => w.page_open(p, message.bytes.byteLength))) postState();
      else post({ type: "failed", message: lastText(w) });
      return;
    case "exercise":
      postExercise(message.number);
      return;
    case "schematicSize":
      schematicSize = { width: Math.round(message.width), height: Math.round(message.height) };
      return;
    case "schematic":
      postSchematic(message.slot, message.sample);
      return;
    case "save": {
      const view = new Uint8Array(w.memory.buffer, w.page_history_bytes(), w.page_history_size());
      const bytes = view.slice().buffer;
      post({ type: "saved", bytes }, [bytes]);
      return;
    }
    case "settings":
      w.page_settings_cells();
      post({ type: "settings", cells: JSON.parse(lastText(w)) as string[][] });
      return;
    case "csv": {
      w.page_run_csv(0);
      const volumeTime = lastText(w);
      w.page_run_csv(1);
      post({ type: "csv", volumeTime, flowVolume: lastText(w) });
      return;
    }
  }
}

// Whatever goes wrong in a command (a trap in the model, a bad file) is
// reported, so that the page never waits for an answer that cannot come.
function handleReported(message: ToWorker): void {
  try {
    handle(message);
  } catch (error: unknown) {
    post({ type: "failed", message: `The simulator failed: ${String(error)}` });
  }
}

self.onmessage = (event: MessageEvent<ToWorker>) => {
  if (wasm) handleReported(event.data);
  else pending.push(event.data);
};

fetch(new URL("breathlab.wasm", self.location.href))
  .then((response) => {
    if (!response.ok) throw new Error(`breathlab.wasm: ${response.status} ${response.statusText}`);
    return response.arrayBuffer();
  })
  .then((bytes) =>
    loadPageModule(bytes, {
      tracePoint: (_index, time, volume) => {
        live.time.push(time);
        live.volume.push(volume);
        liveChanged();
      },
      runClock: (seconds) => {
        // The model calls the clock far more often than a person can read it.
        if (Math.abs(seconds - lastClock) < kClockStepSeconds) return;
        lastClock = seconds;
        live.clock = seconds;
        liveChanged();
      },
    }),
  )
  .then((module) => {
    wasm = module;
    for (const message of pending.splice(0)) handleReported(message);
  })
  .catch((error: unknown) => post({ type: "failed", message: String(error) }));
