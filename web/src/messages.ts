// What the page and its worker say to each other. The worker owns the model
// and the history; the page owns the controls and the drawing.

export const kRegionCount = 8;
export const kParameterCount = 8;
export const kHistorySlots = 5;

// [region row 0..7 for regions -2..5][parameter 0..7], percentages.
export type ParameterRows = number[][];

export interface SliderScale {
  minimum: number;
  maximum: number;
  defaultPosition: number;
  // percentAt[position - minimum]: the rounded percentage the core gives.
  percentAt: number[];
}

export interface SlotRecord {
  RunStatus: number | null;
  FEV1: number | null;
  FVCEX: number | null;
  "FEV1%FVC": number | null;
  PEF: number | null;
  MEF75: number | null;
  MEF50: number | null;
  MEF25: number | null;
  ERV: number | null;
  FET: number | null;
  FRC: number | null;
  TLC: number | null;
  FlowAtFev1: number | null;
  SignalSelection: number | null;
  Parameters: ParameterRows;
  Globals: number[];
}

export interface HistoryState {
  SelectedRun: number;
  RunCount: number;
  IndexTable: string[][];
  Slots: SlotRecord[];
  Working: ParameterRows;
  WorkingGlobals: number[];
}

export interface SlotTraces {
  sampleVolume: Float32Array;
  sampleFlow: Float32Array;
  time: Float32Array;
  volume: Float32Array;
}

// A case of the library, as the case table describes it.
export interface TeachingCase {
  Name: string;
  Title: string;
  Condition: string;
  LookFor: string;
  Pattern: string; // normal obstructive restrictive mixed central
  Sites: string[]; // none central middle peripheral tissue; any of them is right
  InExercise: boolean;
  Parameters: ParameterRows;
  Globals: number[];
}

// A slider's or a run outcome's explanation: what it is, what changing it does.
export interface Description {
  PartOne: string;
  PartTwo: string;
}

export interface ExerciseRound {
  Number: number;
  Case: number; // index into the case list
  RandomPatient: boolean; // a member of the case's family, not its own settings
  Parameters: ParameterRows;
  Globals: number[];
}

export type ToWorker =
  | { type: "init"; defaultSet: ArrayBuffer; caseTable: string; descriptions: string }
  | { type: "start"; working: ParameterRows; globals: number[] }
  | { type: "exercise"; number: number }
  // The schematic's picture size; zero stops the live schematic.
  | { type: "schematicSize"; width: number; height: number }
  | { type: "schematic"; slot: number; sample: number }
  | { type: "select"; row: number }
  | { type: "delete" }
  | { type: "useAsReference" }
  | { type: "restoreDefault" }
  | { type: "open"; bytes: ArrayBuffer }
  | { type: "save" }
  | { type: "csv" }
  | { type: "settings" };

export type FromWorker =
  | { type: "ready"; scales: SliderScale[] }
  | { type: "state"; state: HistoryState; traces: SlotTraces[]; ranSeconds?: number; statusBlocks: number[] }
  | { type: "descriptions"; blocks: Record<number, Description> }
  | { type: "runStarted" }
  | { type: "trace"; time: number[]; volume: number[] } // the points since the last message
  | { type: "clock"; seconds: number }
  | { type: "saved"; bytes: ArrayBuffer }
  // The shown run's two tables, as breathlab-cli run --csv writes them.
  | { type: "csv"; volumeTime: string; flowVolume: string }
  // The settings view's cells of the shown run, [region row][parameter].
  | { type: "settings"; cells: string[][] }
  | { type: "cases"; cases: TeachingCase[] }
  // The core's list as its JSON text: the page parses it, so that the worker
  // spends as little as it can of a run on the live pictures.
  | { type: "schematic"; slot: number; sample: number; schematic: string }
  | { type: "exercise"; round: ExerciseRound; state: HistoryState; traces: SlotTraces[] }
  | { type: "failed"; message: string };
