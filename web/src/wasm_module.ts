// The simulator compiled to WebAssembly: its exports, and the few imports a
// WASI program asks for although the page never uses files.

export interface PageExports {
  memory: WebAssembly.Memory;
  _initialize(): void;
  page_alloc(bytes: number): number;
  page_free(pointer: number): void;
  page_start_up(bytes: number, size: number): number;
  page_set_percent(region: number, k: number, percent: number): void;
  page_set_global(entry: number, percent: number): void;
  page_slider_minimum(k: number): number;
  page_slider_maximum(k: number): number;
  page_slider_default(k: number): number;
  page_percent_at(k: number, position: number): number;
  page_start(): void;
  page_select_run(row: number): number;
  page_delete_selected(): number;
  page_use_as_reference(): number;
  page_restore_default(): void;
  page_open(bytes: number, size: number): number;
  page_history_bytes(): number;
  page_history_size(): number;
  page_trace(slot: number, which: number): number;
  page_aside_trace(slot: number, which: number): number;
  page_load_cases(text: number, size: number): number;
  page_cases(): void;
  page_exercise(number: number): void;
  page_description(text: number, size: number, n: number): void;
  page_status_description(runStatus: number): number;
  page_schematic(slot: number, sample: number, width: number, height: number): void;
  page_run_csv(which: number): void;
  page_settings_cells(): void;
  page_state(): void;
  page_text(): number;
  page_text_size(): number;
}

export interface PageHooks {
  tracePoint(index: number, time: number, volume: number): void;
  runClock(seconds: number): void;
}

const kNoSuchSystemCall = 52; // WASI's ENOSYS

// Every WASI call the module imports answers "not supported": the model
// writes no files and prints nothing.
function wasiStubs(module: WebAssembly.Module): Record<string, () => number> {
  const stubs: Record<string, () => number> = {};
  for (const entry of WebAssembly.Module.imports(module))
    if (entry.module === "wasi_snapshot_preview1") stubs[entry.name] = () => kNoSuchSystemCall;
  return stubs;
}

export async function loadPageModule(bytes: ArrayBuffer, hooks: PageHooks): Promise<PageExports> {
  const module = await WebAssembly.compile(bytes);
  const instance = await WebAssembly.instantiate(module, {
    page: { trace_point: hooks.tracePoint, run_clock: hooks.runClock },
    wasi_snapshot_preview1: wasiStubs(module),
  });
  const exports = instance.exports as unknown as PageExports;
  exports._initialize();
  return exports;
}

// Copies bytes into the module's memory; the caller frees the pointer.
export function copyIn(wasm: PageExports, bytes: ArrayBufferLike): number {
  const pointer = wasm.page_alloc(bytes.byteLength);
  if (pointer === 0) throw new Error(`no memory for ${bytes.byteLength} bytes`);
  new Uint8Array(wasm.memory.buffer, pointer, bytes.byteLength).set(new Uint8Array(bytes));
  return pointer;
}

export function lastText(wasm: PageExports): string {
  const view = new Uint8Array(wasm.memory.buffer, wasm.page_text(), wasm.page_text_size());
  return new TextDecoder().decode(view);
}
