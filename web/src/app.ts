// The page: controls, tables and plots around the worker that runs the model.
import type { AirwaySchematic } from "./schematic";
import type { Description, ExerciseRound, FromWorker, HistoryState, SliderScale, SlotTraces, TeachingCase, ToWorker } from "./messages";
import {
  kBothLungs, kDeadSpaceHelpPage, kGeneralHelpPage, kIndicesHelpPage, kPanels, kParameters,
  kRegions, kResultsHelpPage, normalParameters, regionRow,
} from "./parameters";
import {
  drawFlowVolume, drawVolumeTime, kSlotColours, tracePoints, type FlowVolumeView, type VolumeTimeView,
} from "./plots";
import { decodeSettings, encodeSettings } from "./share_link";
import { showNotice } from "./notice_area";
import { showHelp, wireHelpDialog } from "./help_dialog";
import { kSlotTextColours, runLabel, shortNumber } from "./tables";
import { byId, downloadBlob, element } from "./dom";
import { plotPngUrl, savePng, saveSvg, type PlotDrawing } from "./figure_export";
import { runReport } from "./run_report";
import { fillSettingsTable, settingsCaption } from "./settings_view";
import { chosenPictureRegion, hideRegionPicture, setHotSpotTable, wireRegionPicture } from "./region_picture_panel";
import { csvFileNames, reportFileName, saveFileName } from "./save_name";
import { playRunEnd, wireSoundChoice } from "./run_sound";
import { fillIndicesTable } from "./indices_table";
import {
  livePictureCount, onSchematic, showRunAirways, startLivePictures, tellSchematicSize, wireAirwayPanel,
} from "./airway_panel";
import { setCases, showCaseLibrary, wireCaseLibrary } from "./case_library";
import { setExerciseCases, showExerciseRound, shownExercise, startExercise, wireExerciseDialog } from "./exercise_dialog";

const kMaxListedRuns = 3;

interface LiveRun {
  time: number[];
  volume: number[];
  clock: number | null;
}

interface PageModel {
  scales: SliderScale[];
  working: number[][];
  globals: number[];
  region: number;
  history: HistoryState | null;
  traces: SlotTraces[];
  live: LiveRun | null;
  lastRunSeconds: number | null;
  livePointsOfLastRun: number;
}

const page: PageModel = {
  scales: [],
  working: normalParameters(),
  globals: [],
  region: kBothLungs,
  history: null,
  traces: [],
  live: null,
  lastRunSeconds: null,
  livePointsOfLastRun: 0,
};

const worker = new Worker(new URL("worker.js", import.meta.url));

function send(message: ToWorker, transfer: Transferable[] = []): void {
  worker.postMessage(message, transfer);
}

function say(text: string): void {
  byId("status").textContent = text;
}

function setBusy(busy: boolean): void {
  document.body.dataset.busy = busy ? "yes" : "no";
  for (const control of document.querySelectorAll<HTMLButtonElement | HTMLInputElement>("[data-command], input[type=range]"))
    control.disabled = busy;
  if (!busy) updateCommandStates();
}

// --- Sliders ---------------------------------------------------------------

function percentText(value: number): string {
  return `${shortNumber(value)} %`;
}

function positionFor(k: number, percent: number): number {
  // The slider's own table read backwards: the position whose rounded
  // percentage lies nearest in ratio; a stored value between two positions
  // is shown at the nearer one and kept as it is.
  const scale = page.scales[k - 1];
  let best = scale.defaultPosition;
  let bestDistance = Infinity;
  scale.percentAt.forEach((value, i) => {
    const distance = Math.abs(Math.log(value) - Math.log(percent));
    if (distance < bestDistance) {
      bestDistance = distance;
      best = scale.minimum + i;
    }
  });
  return best;
}

function buildRegionPicker(): void {
  const picker = byId<HTMLSelectElement>("region");
  for (const region of kRegions) {
    const option = element("option", "", region.label);
    option.value = String(region.index);
    picker.append(option);
  }
  picker.addEventListener("change", () => {
    page.region = Number(picker.value);
    showWorkingParameters();
    renderRunsTable();
  });
}

function buildSliders(): void {
  const host = byId("panels");
  for (const panel of kPanels) {
    const box = element("section", "panel");
    const heading = element("h2");
    heading.append(element("span", "", panel.title), helpButton(panel.helpPage, `Help on ${panel.title}`));
    box.append(heading);
    for (const k of panel.parameters) box.append(sliderRow(k));
    host.append(box);
  }
}

function sliderRow(k: number): HTMLElement {
  const parameter = kParameters[k - 1];
  const scale = page.scales[k - 1];
  const row = element("div", "slider");
  const id = `slider-${parameter.name}`;
  const label = element("label", "slider-caption");
  label.htmlFor = id;
  label.title = `${parameter.name}: ${parameter.meaning}`;
  label.append(element("b", "", parameter.caption), element("span", "meaning", parameter.meaning));
  if (k === 2) label.append(helpButton(kDeadSpaceHelpPage, "Help on the dead space"));
  const output = element("output", "slider-value");
  output.id = `${id}-value`;
  const input = element("input");
  input.type = "range";
  input.id = id;
  input.min = String(scale.minimum);
  input.max = String(scale.maximum);
  input.step = "1";
  input.dataset.k = String(k);
  input.addEventListener("input", () => {
    const percent = scale.percentAt[Number(input.value) - scale.minimum];
    page.working[regionRow(page.region)][k - 1] = percent;
    showSliderValue(k);
    describe(k);
    renderRunsTable();
  });
  const ticks = element("div", "ticks");
  for (const [position, text] of parameter.labels) {
    // "200 (mild)" reads "200" under the slider; the words stay in its tooltip.
    const tick = element("span", "", text.split(" ")[0]);
    tick.title = text;
    tick.style.left = `${((position - scale.minimum) / (scale.maximum - scale.minimum)) * 100}%`;
    // Labels at the ends of the track lean inwards; the others centre on their position.
    if (position === scale.minimum) tick.classList.add("at-start");
    if (position === scale.maximum) tick.classList.add("at-end");
    ticks.append(tick);
  }
  row.append(label, output, input, ticks);
  return row;
}

function showSliderValue(k: number): void {
  const parameter = kParameters[k - 1];
  const value = page.working[regionRow(page.region)][k - 1];
  const input = byId<HTMLInputElement>(`slider-${parameter.name}`);
  byId(`slider-${parameter.name}-value`).textContent = percentText(value);
  input.setAttribute("aria-valuetext", percentText(value));
}

function showWorkingParameters(): void {
  for (const parameter of kParameters) {
    const value = page.working[regionRow(page.region)][parameter.k - 1];
    byId<HTMLInputElement>(`slider-${parameter.name}`).value = String(positionFor(parameter.k, value));
    showSliderValue(parameter.k);
  }
}

// --- Tables ----------------------------------------------------------------

function renderIndicesTable(): void {
  const table = byId<HTMLTableElement>("indices");
  if (page.history) fillIndicesTable(table, page.history);
  else table.replaceChildren();
}

function runRow(label: string, values: number[], slot: number, colour: string): HTMLTableRowElement {
  const row = element("tr");
  row.append(element("th", "", label));
  for (const value of values) row.append(element("td", "number", shortNumber(value)));
  row.style.color = colour;
  row.dataset.slot = String(slot);
  return row;
}

function renderRunsTable(): void {
  const table = byId<HTMLTableElement>("runs");
  const history = page.history;
  table.replaceChildren();
  const head = element("tr");
  head.append(element("th", "", ""));
  for (const parameter of kParameters) {
    const cell = element("th", "", parameter.shortName);
    cell.title = `${parameter.name}: ${parameter.meaning}`;
    head.append(cell);
  }
  const body = element("tbody");
  const rowIndex = regionRow(page.region);
  const next = runRow("Next", page.working[rowIndex], -1, "#000");
  next.classList.add("settings");
  body.append(next);
  if (history) {
    for (let slot = 1; slot <= history.RunCount; ++slot) {
      const record = history.Slots[slot];
      const row = runRow(runLabel(slot, record.RunStatus), record.Parameters[rowIndex], slot, kSlotTextColours[slot]);
      row.classList.add("run");
      row.tabIndex = 0;
      row.setAttribute("role", "button");
      row.setAttribute("aria-pressed", String(slot === history.SelectedRun));
      if (slot === history.SelectedRun) row.classList.add("selected");
      const select = () => send({ type: "select", row: slot });
      row.addEventListener("click", select);
      row.addEventListener("keydown", (event) => {
        if (event.key === "Enter" || event.key === " ") {
          event.preventDefault();
          select();
        }
      });
      body.append(row);
    }
    const reference = runRow("Ref.", history.Slots[0].Parameters[rowIndex], 0, "#000");
    reference.classList.add("reference");
    body.append(reference);
  }
  const thead = element("thead");
  thead.append(head);
  table.append(thead, body);
}

function updateCommandStates(): void {
  const selected = (page.history?.SelectedRun ?? -1) >= 1;
  for (const name of ["delete", "useAsReference"])
    document.querySelector<HTMLButtonElement>(`[data-command=${name}]`)!.disabled = !selected;
}

// --- Plots -----------------------------------------------------------------

function flowVolumeView(history: HistoryState): FlowVolumeView {
  return {
    traces: page.traces,
    fev1: history.Slots.map((s) => s.FEV1),
    flowAtFev1: history.Slots.map((s) => s.FlowAtFev1),
    frc: history.Slots.map((s) => s.FRC),
    listed: Math.min(history.RunCount, kMaxListedRuns),
    selected: history.SelectedRun,
  };
}

// The selected run's curve, or the one growing while a run goes.
function volumeTimeView(history: HistoryState): VolumeTimeView {
  const referenceFrc = history.Slots[0].FRC;
  if (page.live)
    return {
      time: page.live.time, volume: page.live.volume, points: page.live.time.length,
      colour: kSlotColours[1], referenceFrc, clock: page.live.clock,
    };
  const slot = history.SelectedRun;
  const traces = slot >= 1 ? page.traces[slot] : null;
  return {
    time: traces?.time ?? [], volume: traces?.volume ?? [],
    points: traces ? tracePoints(traces.time) : 0,
    colour: kSlotColours[Math.max(slot, 0)], referenceFrc, clock: null,
  };
}

function renderPlots(): void {
  if (!page.history || page.traces.length === 0) return;
  drawFlowVolume(byId<HTMLCanvasElement>("flow-volume"), flowVolumeView(page.history));
  renderVolumeTime();
}

function renderVolumeTime(): void {
  if (page.history) drawVolumeTime(byId<HTMLCanvasElement>("volume-time"), volumeTimeView(page.history));
}

function plotDrawing(plot: string, history: HistoryState): PlotDrawing {
  return plot === "flow-volume"
    ? (target, density) => drawFlowVolume(target, flowVolumeView(history), density)
    : (target, density) => drawVolumeTime(target, volumeTimeView(history), density);
}

// "PNG" and "SVG" of a plot: the figure at the size it has on the screen.
function savePlot(plot: string, format: string): void {
  const history = page.history;
  if (!history || page.traces.length === 0) return;
  const canvas = byId<HTMLCanvasElement>(plot);
  const save = format === "svg" ? saveSvg : savePng;
  save(`breathlab-${plot}`, canvas.clientWidth, canvas.clientHeight, plotDrawing(plot, history));
}

// Both plots in the report at one size, whatever the screen.
const kReportFigure = { width: 480, height: 400 };

// The one-page PDF report of the shown run; the PDF library comes with the
// first report, not with the page.
async function saveReport(): Promise<void> {
  const history = page.history;
  if (!history || page.traces.length === 0) return;
  const { reportPdf } = (await import(new URL("report.js", import.meta.url).href)) as typeof import("./pdf_report");
  const figures = ["flow-volume", "volume-time"].map((plot) => ({
    png: plotPngUrl(kReportFigure.width, kReportFigure.height, plotDrawing(plot, history)),
    aspect: kReportFigure.height / kReportFigure.width,
  }));
  const report = runReport(history, byId("data-source").textContent ?? "", new Date());
  const name = reportFileName(byId<HTMLInputElement>("save-name").value);
  downloadBlob(reportPdf(report, figures), name);
  say(`Saved the report as ${name}.`);
}

// --- Commands --------------------------------------------------------------

// START is disabled while a run goes, which takes the keyboard focus from
// it; the focus comes back when the run ends, so Enter starts the next run.
let startHadFocus = false;

function start(): void {
  if (document.body.dataset.busy === "yes") return;
  startHadFocus = document.activeElement === document.querySelector("button[data-command=start]");
  setBusy(true);
  send({ type: "start", working: page.working, globals: page.globals });
}

interface SaveFilePicker {
  showSaveFilePicker?(options: object): Promise<{ createWritable(): Promise<{ write(data: Blob): Promise<void>; close(): Promise<void> }>; name: string }>;
}

// Where the browser lets the page choose the folder (the File System Access
// API), the user picks it; elsewhere the file goes to the downloads.
async function saveBytes(bytes: ArrayBuffer, name: string): Promise<string | null> {
  const blob = new Blob([bytes], { type: "application/octet-stream" });
  const chooser = window as unknown as SaveFilePicker;
  if (!chooser.showSaveFilePicker) {
    downloadBlob(blob, name);
    return name;
  }
  try {
    const handle = await chooser.showSaveFilePicker({ suggestedName: name, types: [{ description: "Simulation file", accept: { "application/octet-stream": [".spi"] } }] });
    const writable = await handle.createWritable();
    await writable.write(blob);
    await writable.close();
    return handle.name;
  } catch (error) {
    if ((error as Error).name === "AbortError") return null; // the user cancelled
    throw error;
  }
}

function onSaved(bytes: ArrayBuffer): void {
  const name = saveFileName(byId<HTMLInputElement>("save-name").value);
  if ("refused" in name) {
    say(name.refused);
    return;
  }
  saveBytes(bytes, name.file).then(
    (saved) => {
      if (saved === null) return;
      byId("data-source").textContent = `File: ${saved.replace(/\.spi$/i, "")}`;
      say(`Saved as ${saved}.`);
    },
    (error: unknown) => say(`Not saved: ${String(error)}`),
  );
}

// The shown run's two tables under the name in the name field.
function onCsv(volumeTime: string, flowVolume: string): void {
  const [volumeTimeName, flowVolumeName] = csvFileNames(byId<HTMLInputElement>("save-name").value);
  downloadBlob(new Blob([volumeTime], { type: "text/csv" }), volumeTimeName);
  downloadBlob(new Blob([flowVolume], { type: "text/csv" }), flowVolumeName);
  say(`Exported ${volumeTimeName} and ${flowVolumeName}.`);
}

function openFile(file: File): void {
  file.arrayBuffer().then((bytes) => {
    pendingDataSource = `File: ${file.name.replace(/\.[^.]*$/, "")}`;
    send({ type: "open", bytes }, [bytes]);
  });
}

function shareLink(): string {
  const url = new URL(window.location.href);
  url.hash = encodeSettings(page.working);
  return url.toString();
}

function showShareDialog(): void {
  const link = shareLink();
  history.replaceState(null, "", link);
  const dialog = byId<HTMLDialogElement>("share");
  const field = byId<HTMLInputElement>("share-link");
  field.value = link;
  dialog.showModal();
  field.select();
  navigator.clipboard?.writeText(link).then(
    () => say("The link to this patient is on the clipboard."),
    () => say("Copy the link from the box."),
  );
}

function helpButton(pageName: string, label: string): HTMLButtonElement {
  const button = element("button", "help-button", "?");
  button.type = "button";
  button.setAttribute("aria-label", label);
  button.title = label;
  button.addEventListener("click", (event) => {
    event.preventDefault();
    showHelp(pageName);
  });
  return button;
}

function wireCommands(): void {
  const commands: Record<string, () => void> = {
    start,
    delete: () => send({ type: "delete" }),
    useAsReference: () => send({ type: "useAsReference" }),
    restoreDefault: () => {
      byId("data-source").textContent = "Data from file: Standard";
      send({ type: "restoreDefault" });
    },
    reset: () => {
      page.working[regionRow(page.region)] = kParameters.map(() => 100);
      showWorkingParameters();
      renderRunsTable();
    },
    open: () => byId<HTMLInputElement>("open-file").click(),
    save: () => send({ type: "save" }),
    csv: () => send({ type: "csv" }),
    settings: () => send({ type: "settings" }),
    report: () => void saveReport().catch((error: unknown) => say(`No report: ${String(error)}`)),
    share: showShareDialog,
    cases: showCaseLibrary,
    exercise: startExercise,
    help: () => showHelp(kGeneralHelpPage),
    about: () => byId<HTMLDialogElement>("about").showModal(),
  };
  for (const button of document.querySelectorAll<HTMLButtonElement>("[data-command]"))
    button.addEventListener("click", () => commands[button.dataset.command!]());
  const input = byId<HTMLInputElement>("open-file");
  input.addEventListener("change", () => {
    if (input.files?.[0]) openFile(input.files[0]);
    input.value = "";
  });
  byId("indices-help").append(helpButton(kIndicesHelpPage, "Help on the indices"));
  byId("runs-help").append(helpButton(kResultsHelpPage, "Help on the runs table"));
  byId("share-close").addEventListener("click", () => byId<HTMLDialogElement>("share").close());
  wireCaseLibrary(openCase);
  wireExerciseDialog((number) => send({ type: "exercise", number }));
  wireAirwayPanel(send);
  wireRegionPicture(choosePanel);
  wireSoundChoice();
  byId("about-close").addEventListener("click", () => byId<HTMLDialogElement>("about").close());
  byId("settings-close").addEventListener("click", () => byId<HTMLDialogElement>("settings").close());
  for (const button of document.querySelectorAll<HTMLButtonElement>("button[data-figure]"))
    button.addEventListener("click", () => savePlot(button.dataset.figure!, button.dataset.format!));
}

// A region chosen on the airway picture: its slider panel stands out and
// comes into view, as the window selects the region's slider group.
function choosePanel(panel: number | null): void {
  document.querySelectorAll<HTMLElement>("#panels .panel").forEach((box, index) => {
    box.classList.toggle("chosen", index === panel);
    if (index === panel) box.scrollIntoView({ block: "nearest" });
  });
}

// A case from the library: its patient in every region, run as a listed run.
function openCase(teachingCase: TeachingCase): void {
  page.working = teachingCase.Parameters.map((row) => row.slice());
  page.globals = teachingCase.Globals.slice();
  showWorkingParameters();
  renderRunsTable();
  byId("data-source").textContent = `Case: ${teachingCase.Title}`;
  start();
}

// The samples a stored run holds: its sample volumes end at the first zero.
function samplesOf(traces: SlotTraces): number {
  return tracePoints(traces.sampleVolume);
}

// --- Messages from the worker ---------------------------------------------

let linkedPatientPending = false;
// The data-source line of a file being opened, shown once the worker took it.
let pendingDataSource: string | null = null;

// The explanations of the sliders and of the run outcomes, by block.
let descriptions: Record<number, Description> = {};

function describe(block: number): void {
  const text = descriptions[block];
  const box = byId("description");
  box.replaceChildren();
  if (!text) return;
  box.append(element("p", "", text.PartOne));
  if (text.PartOne && text.PartTwo) box.append(element("hr"));
  if (text.PartTwo) box.append(element("p", "", text.PartTwo));
}

function onState(state: HistoryState, traces: SlotTraces[], ranSeconds: number | undefined, statusBlocks: number[]): void {
  const wasRunning = page.live !== null;
  page.history = state;
  page.traces = traces;
  page.live = null;
  page.working = state.Working.map((row) => row.slice());
  page.globals = state.WorkingGlobals.slice();
  if (ranSeconds !== undefined) page.lastRunSeconds = ranSeconds;
  showWorkingParameters();
  renderIndicesTable();
  renderRunsTable();
  renderPlots();
  const selected = Math.max(state.SelectedRun, 0);
  showRunAirways(selected, selected > 0 ? samplesOf(traces[selected]) : 0);
  setBusy(false);
  if (wasRunning && startHadFocus) document.querySelector<HTMLButtonElement>("button[data-command=start]")!.focus();
  if (wasRunning) {
    describe(statusBlocks[1]);
    playRunEnd(state.Slots[1].RunStatus === 1);
    const status = state.Slots[1].RunStatus;
    say(status === 1 ? `Run finished in ${page.lastRunSeconds?.toFixed(1)} s.` : status === 0 ? "The patient could not inspire: the run is dead." : "The run failed.");
  }
  document.body.dataset.state = "ready";
  if (pendingDataSource) {
    byId("data-source").textContent = pendingDataSource;
    pendingDataSource = null;
  }
  if (linkedPatientPending) {
    linkedPatientPending = false;
    start();
  }
}

function onMessage(message: FromWorker): void {
  switch (message.type) {
    case "ready":
      page.scales = message.scales;
      buildSliders();
      showWorkingParameters();
      return;
    case "state":
      // A fresh page opened from a share link takes the linked patient once.
      if (linkedPatientPending) message.state.Working = page.working;
      onState(message.state, message.traces, message.ranSeconds, message.statusBlocks);
      return;
    case "runStarted":
      page.live = { time: [], volume: [], clock: 0 };
      page.livePointsOfLastRun = 0;
      startLivePictures();
      hideRegionPicture();
      document.body.dataset.state = "running";
      say("Running the examination…");
      renderPlots();
      return;
    case "trace":
      if (!page.live) return;
      page.livePointsOfLastRun += message.time.length;
      page.live.time.push(...message.time);
      page.live.volume.push(...message.volume);
      scheduleLiveDraw();
      return;
    case "clock":
      if (page.live) page.live.clock = message.seconds;
      scheduleLiveDraw();
      return;
    case "saved":
      onSaved(message.bytes);
      return;
    case "csv":
      onCsv(message.volumeTime, message.flowVolume);
      return;
    case "settings":
      if (!page.history) return;
      fillSettingsTable(byId<HTMLTableElement>("settings-table"), settingsCaption(page.history), message.cells);
      byId<HTMLDialogElement>("settings").showModal();
      return;
    case "schematic":
      onSchematic(message.slot, message.sample, JSON.parse(message.schematic) as AirwaySchematic);
      return;
    case "descriptions":
      descriptions = message.blocks;
      return;
    case "cases":
      setCases(message.cases);
      setExerciseCases(message.cases);
      return;
    case "exercise":
      showExerciseRound(message.round, message.state, message.traces);
      return;
    case "failed":
      // A failed run or open always gives the controls back.
      page.live = null;
      pendingDataSource = null;
      say(message.message);
      setBusy(false);
      return;
  }
}

// Trace points, clock ticks and resize events come far faster than frames:
// however many arrive, the plot is drawn once, in the next frame.
function drawOncePerFrame(draw: () => void): () => void {
  let queued = false;
  return () => {
    if (queued) return;
    queued = true;
    requestAnimationFrame(() => {
      queued = false;
      draw();
    });
  };
}

const scheduleLiveDraw = drawOncePerFrame(renderVolumeTime);

// --- Start-up --------------------------------------------------------------

// The default history set, which the build ships gzip-compressed.
async function fetchDefaultSet(): Promise<ArrayBuffer> {
  const response = await fetch("standard.dat.gz");
  if (!response.ok || !response.body) throw new Error(`standard.dat.gz: ${response.status}`);
  return new Response(response.body.pipeThrough(new DecompressionStream("gzip"))).arrayBuffer();
}

async function fetchText(name: string): Promise<string> {
  const response = await fetch(name);
  if (!response.ok) throw new Error(`${name}: ${response.status}`);
  return response.text();
}

declare global {
  interface Window {
    // What the browser tests read: the history as the worker reported it,
    // the share link, and how many trace points arrived during the last run.
    breathlabPage: {
      state(): HistoryState | null;
      shareLink(): string;
      livePoints(): number;
      exercise(): { round: ExerciseRound; state: HistoryState } | null;
      liveAirwayPictures(): number;
      chosenPictureRegion(): number | null;
      lastRunSeconds(): number | null;
    };
  }
}

function keepForOffline(): void {
  if (!("serviceWorker" in navigator)) return;
  navigator.serviceWorker.register("service_worker.js").catch((error: unknown) => {
    console.warn(`The page is not kept for offline use: ${String(error)}`);
  });
}

function startUp(): void {
  keepForOffline();
  window.breathlabPage = {
    state: () => page.history, shareLink, livePoints: () => page.livePointsOfLastRun, exercise: shownExercise,
    liveAirwayPictures: livePictureCount, chosenPictureRegion,
    lastRunSeconds: () => page.lastRunSeconds,
  };
  buildRegionPicker();
  wireCommands();
  wireHelpDialog();
  setBusy(true);
  if (window.location.hash.length > 1) {
    const decoded = decodeSettings(window.location.hash);
    page.working = decoded.rows;
    linkedPatientPending = true;
    if (decoded.unknown.length > 0) showNotice(`Ignored in the link: ${decoded.unknown.join(", ")}`);
  }
  worker.onmessage = (event: MessageEvent<FromWorker>) => onMessage(event.data);
  worker.onerror = (event) => say(`The simulator could not start: ${event.message}`);
  fetchText("hot_spots.txt").then(setHotSpotTable, (error: unknown) => say(String(error)));
  Promise.all([fetchDefaultSet(), fetchText("case_table.txt"), fetchText("pdp.txt")])
    .then(([defaultSet, caseTable, descriptions]) => send({ type: "init", defaultSet, caseTable, descriptions }, [defaultSet]))
    .catch((error: unknown) => say(String(error)));
  tellSchematicSize();
  window.addEventListener("resize", drawOncePerFrame(() => {
    renderPlots();
    tellSchematicSize();
    const selected = Math.max(page.history?.SelectedRun ?? 0, 0);
    if (page.traces.length > 0) showRunAirways(selected, selected > 0 ? samplesOf(page.traces[selected]) : 0);
  }));
}

startUp();
