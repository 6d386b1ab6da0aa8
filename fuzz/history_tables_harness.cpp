// A history set opened from a file, then everything that turns it into text
// or slider positions. A cut-off file must be refused and change nothing.
#include "fuzz_environment.h"
#include "fuzz_harnesses.h"
#include "history_input.h"

#include "history_commands.h"
#include "history_file.h"
#include "indices_table.h"
#include "results_table.h"
#include "settings_table.h"
#include "slider_bank.h"

#include <QLocale>

#include <cstring>

namespace breathlab {

namespace {

bool SameRunHistory(const RunHistory& a, const RunHistory& b) {
    return a.SelectedRun == b.SelectedRun && a.RunCount == b.RunCount &&
           std::memcmp(&a.Slots, &b.Slots, sizeof(ResultHistory)) == 0;
}

void CheckCutOffFileRefused(const ResultHistory& history, std::size_t length,
                            const Session& opened) {
    Session kept(opened);
    const QString path = WriteScratchFile("cut.spi", &history, length);
    FuzzCheck(!OpenHistoryFile(path, kept).Outcome.Ok, "a cut-off history file is refused");
    FuzzCheck(SameRunHistory(kept.Runs(), opened.Runs()), "a refused history file changes nothing");
}

void ShowTables(const RunHistory& history) {
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Polish)}) {
        IndicesTable indices;
        for (int slot = -1; slot <= kHistorySlots; ++slot) {
            const auto block = ShowIndices(indices, history, slot, slot != 0, locale);
            FuzzCheck(!block || *block == 9 || *block == 10 || *block == 11,
                      "a run status explains itself with one of its three texts");
        }
        ResultsTable results;
        for (int row = 0; row < kResultsRows; ++row)
            for (int region = -3; region <= 6; ++region)
                ShowRunRow(results, row, history.Slots[row], region, locale);
    }
}

void LoadSliders(const ResultHistory& history) {
    ParameterSet parameters;
    SliderBank bank(parameters);
    for (int slot = -2; slot <= kHistorySlots; ++slot) {
        bank.LoadSlidersFromSlot(history, slot);
        for (int k = 1; k <= kSliderCount; ++k)
            FuzzCheck(bank.Position(k) == Slider(k).Scale.Clamp(bank.Position(k)),
                      "a loaded slider stands within its range");
    }
}

void ShowSettings(RunHistory history) {
    for (int selected = -1; selected <= kHistorySlots; ++selected) {
        history.SelectedRun = selected;
        SettingsTableCells(history);
    }
}

} // namespace

void FuzzHistoryTables(const std::uint8_t* data, std::size_t size) {
    EnsureGuiApplication();
    FuzzBytes input(data, size);
    const FuzzHistory fuzzed = HistoryFromInput(input);
    const QString path = WriteScratchFile("opened.spi", fuzzed.Slots.get(), sizeof(ResultHistory));

    // Opening needs no settled model.
    auto session = std::make_unique<Session>(Session::Unstarted{});
    std::string why;
    const bool usable = CheckHistorySet(*fuzzed.Slots, why);
    const bool opened = OpenHistoryFile(path, *session).Outcome.Ok;
    FuzzCheck(opened == usable, "a whole history file opens exactly when its values are usable");
    auto history = std::make_unique<RunHistory>(session->Runs());
    if (!opened) {
        FuzzCheck(history->RunCount == 0 && history->SelectedRun == -1,
                  "a refused file leaves the history alone");
        // The views must still cope with such values in memory.
        history->Slots = *fuzzed.Slots;
        CountRunsAfterOpen(*history);
    }
    FuzzCheck(history->RunCount >= 0 && history->RunCount <= kMaxListedRuns,
              "the listed runs fit the results table");
    FuzzCheck(history->SelectedRun == -1 ||
                  (history->SelectedRun >= 1 && history->SelectedRun <= history->RunCount),
              "the selected run is a listed one");
    CheckCutOffFileRefused(*fuzzed.Slots, fuzzed.Choice * (sizeof(ResultHistory) / 256), *session);

    ShowTables(*history);
    LoadSliders(history->Slots);
    ShowSettings(*history);
    ReexpressRunsAgainstNormal(*history);
    ShowTables(*history);
    ShowSettings(*history);
}

} // namespace breathlab
