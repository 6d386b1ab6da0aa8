// The C functions the page's worker calls, and the two it provides: one for
// each 100 ms point of the volume-time trace and one for the run clock, so
// the plots grow while the examination runs.
#include "description_file.h"
#include "page_cases.h"
#include "index_texts.h"
#include "page_json.h"
#include "page_session.h"
#include "schematic_json.h"

#include "history_set_check.h"
#include "parameter_scales.h"
#include "run_csv.h"
#include "settings_cells.h"
#include "slider_table.h"

#include <cstdlib>
#include <string>

#define PAGE_EXPORT(name) extern "C" __attribute__((export_name(#name)))
#define PAGE_IMPORT(name) __attribute__((import_module("page"), import_name(#name)))

extern "C" {
PAGE_IMPORT(trace_point) void PageTracePoint(int index, float time, float volume);
PAGE_IMPORT(run_clock) void PageRunClock(double seconds);
}

namespace {

using namespace breathlab;

PageSession& Page() {
    static PageSession* page = new PageSession;
    return *page;
}

PageCases& Cases() {
    static PageCases* cases = new PageCases;
    return *cases;
}

std::string& LastText() {
    static std::string* text = new std::string;
    return *text;
}

void SendTracePoint() {
    const Session& session = Page().Core();
    const int index = session.Model().RecordingMs / 100;
    const ResultRecord& working = session.History()[1];
    PageTracePoint(index, working.TimeAxis[index - 1], working.VolumeTrace[index - 1]);
}

void SendRunClock() {
    PageRunClock(Page().Core().Model().DisplayTime);
}

bool ValidRegion(int region) {
    return region >= kLeftLung && region < kLeftLung + kRegionCount;
}

bool ValidParameter(int k) {
    return k >= 1 && k <= kParameterCount;
}

const SliderScale& SliderScaleOf(int k) {
    return Slider(k >= 1 && k <= kSliderCount ? k : 1).Scale;
}

} // namespace

PAGE_EXPORT(page_alloc) void* PageAlloc(int bytes) {
    return std::malloc(static_cast<std::size_t>(bytes));
}

PAGE_EXPORT(page_free) void PageFree(void* pointer) {
    std::free(pointer);
}

// Returns 1 when the bytes held a default history set; the message of a
// failure is in page_text.
PAGE_EXPORT(page_start_up) int PageStartUp(const void* bytes, int size) {
    const bool ok = Page().StartUp(bytes, static_cast<std::size_t>(size), LastText());
    SessionObserver observer;
    observer.TracePointStored = SendTracePoint;
    observer.ClockDue = SendRunClock;
    Page().Core().SetObserver(std::move(observer));
    return ok;
}

PAGE_EXPORT(page_set_percent) void PageSetPercent(int region, int k, double percent) {
    if (ValidRegion(region) && ValidParameter(k))
        Page().Core().Parameters().At(region, k) = ApplyPercentFloor(percent);
}

PAGE_EXPORT(page_set_global) void PageSetGlobal(int entry, double percent) {
    if (entry >= 1 && entry <= kGlobalParamCount)
        Page().Core().Parameters().GlobalParams[entry - 1] = ApplyPercentFloor(percent);
}

// Slider k = 1..8 of the parameters, 9 of the expiration depth; any other k
// reads as the first slider.
PAGE_EXPORT(page_slider_minimum) int PageSliderMinimum(int k) { return SliderScaleOf(k).Minimum; }
PAGE_EXPORT(page_slider_maximum) int PageSliderMaximum(int k) { return SliderScaleOf(k).Maximum; }
PAGE_EXPORT(page_slider_default) int PageSliderDefault(int k) { return SliderScaleOf(k).Default; }
PAGE_EXPORT(page_percent_at) int PagePercentAt(int k, int position) {
    return SliderScaleOf(k).PercentAt(position);
}

PAGE_EXPORT(page_start) void PageStart() { Page().Core().Start(); }

// The case table's text; returns 1 when it was read, else the message is in
// page_text. page_cases then puts the list in page_text.
PAGE_EXPORT(page_load_cases) int PageLoadCases(const char* text, int size) {
    return Cases().Load(std::string(text, static_cast<std::size_t>(size)), LastText());
}
PAGE_EXPORT(page_cases) void PageCasesJson() { LastText() = Cases().CasesJson(); }

// Runs the patient of an exercise number aside from the listed runs; the
// round, then the run's state, are in page_text as {"Round":...,"State":...}.
PAGE_EXPORT(page_exercise) void PageExercise(int number) {
    const ExerciseRound round = Cases().Round(static_cast<std::uint32_t>(number));
    if (round.Case) Page().RunAside(round.Patient);
    LastText() = "{\"Round\":" + Cases().RoundJson(round) +
                 ",\"State\":" + (round.Case ? Page().AsideJson() : "null") + "}";
}
PAGE_EXPORT(page_select_run) int PageSelectRun(int row) { return Page().Core().SelectRun(row); }
PAGE_EXPORT(page_delete_selected) int PageDeleteSelected() { return Page().Core().DeleteSelected(); }
PAGE_EXPORT(page_use_as_reference) int PageUseAsReference() {
    return Page().Core().UseSelectedAsReference();
}
PAGE_EXPORT(page_restore_default) void PageRestoreDefault() { Page().Core().RestoreDefaultReference(); }

PAGE_EXPORT(page_open) int PageOpen(const void* bytes, int size) {
    return Page().Core().OpenBytes(bytes, static_cast<std::size_t>(size), LastText());
}

// The history set as it would be saved: 621360 bytes from this address.
PAGE_EXPORT(page_history_bytes) const void* PageHistoryBytes() { return &Page().Core().History(); }
PAGE_EXPORT(page_history_size) int PageHistorySize() { return static_cast<int>(kHistorySetBytes); }

// Traces of a slot: 0 sample volume, 1 sample flow (1500 values each),
// 2 time axis, 3 volume trace (1000 values each).
namespace {

const float* TraceOf(const RunHistory& history, int slot, int which) {
    if (slot < 0 || slot >= kHistorySlots) return nullptr;
    const ResultRecord& r = history.Slots[slot];
    switch (which) {
    case 0: return r.SampleVolume;
    case 1: return r.SampleSignal;
    case 2: return r.TimeAxis;
    case 3: return r.VolumeTrace;
    default: return nullptr;
    }
}

} // namespace

PAGE_EXPORT(page_trace) const float* PageTrace(int slot, int which) {
    return TraceOf(Page().Core().Runs(), slot, which);
}
// The same of the patient run aside (after page_exercise).
PAGE_EXPORT(page_aside_trace) const float* PageAsideTrace(int slot, int which) {
    return Page().HasAside() ? TraceOf(Page().Aside(), slot, which) : nullptr;
}

// Block n of the description file's text (the explanation of slider n, or of
// a run's outcome) as {"PartOne":...,"PartTwo":...} in page_text; a block the
// text lacks gives two empty parts, a malformed text {"Error":...}.
PAGE_EXPORT(page_description) void PageDescription(const char* text, int size, int n) {
    const DescriptionResult result =
        ParseDescription(std::string(text, static_cast<std::size_t>(size)), n);
    std::string& out = LastText();
    out = result.Ok() ? "{\"PartOne\":" : "{\"Error\":";
    if (result.Ok()) {
        AppendString(out, result.Text.PartOne);
        out += ",\"PartTwo\":";
        AppendString(out, result.Text.PartTwo);
    } else {
        AppendString(out, result.Error);
    }
    out += '}';
}

// The description block of a run's outcome (run status 1, 0 or -1).
PAGE_EXPORT(page_status_description) int PageStatusDescription(double runStatus) {
    return StatusDescription(static_cast<float>(runStatus)).value_or(0);
}

// The airway schematic in a width x height picture: slot 0 the model as it
// runs, slots 1..4 a listed run at a sample (0..1500) of its lobe traces.
// The list is in page_text.
PAGE_EXPORT(page_schematic) void PageSchematic(int slot, int sample, int width, int height) {
    const SchematicInputs inputs =
        SchematicInputsForSlot(slot, Page().Core().Model(), Page().Core().History(), sample);
    LastText() = SchematicJson(ComputeAirwaySchematic(width, height, kSchematicPenWidth, inputs));
}

// The shown run (the selected one, else the reference) as the CSV files
// breathlab-cli run --csv writes: which 0 the volume-time table, 1 the
// flow-volume one, in page_text.
PAGE_EXPORT(page_run_csv) void PageRunCsv(int which) {
    const RunHistory& history = Page().Core().Runs();
    const ResultRecord& shown = history.Slots[SettingsShownSlot(history)];
    LastText() = which == 0 ? VolumeTimeCsv(shown) : FlowVolumeCsv(shown);
}

// The all-regions settings view of the shown run as JSON rows, the regions
// in the order both lungs, left, right lung, then the lobes; eight cells each.
PAGE_EXPORT(page_settings_cells) void PageSettingsCells() {
    const SettingsCells cells = SettingsCellTexts(Page().Core().Runs(), StiffnessColumn::Shown);
    std::string& out = LastText();
    out.clear();
    AppendArray(out, kSettingsRegionCount, [&](int row) {
        AppendArray(out, kSettingsParameterCount, [&](int k) { AppendString(out, cells[row][k]); });
    });
}

// page_state fills the text that page_text then points at (UTF-8, no NUL
// needed: page_text_size gives its length).
PAGE_EXPORT(page_state) void PageState() { LastText() = Page().StateJson(); }
PAGE_EXPORT(page_text) const char* PageText() { return LastText().data(); }
PAGE_EXPORT(page_text_size) int PageTextSize() { return static_cast<int>(LastText().size()); }
