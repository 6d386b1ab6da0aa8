#include "index_texts.h"

#include "fixed_point_text.h"
#include "run_status.h"

namespace breathlab {

const std::array<IndexRowLayout, 11> kIndexRows = {{
    {1, "FEV1", "l", &ResultRecord::FEV1},
    {2, "FVCEX", "l", &ResultRecord::FVCEX},
    {3, "FEV1%FVC", "%", &ResultRecord::FEV1PercentFVC},
    {4, "PEF", "l/s", &ResultRecord::PEF},
    {5, "MEF75", "l/s", &ResultRecord::MEF75},
    {6, "MEF50", "l/s", &ResultRecord::MEF50},
    {7, "MEF25", "l/s", &ResultRecord::MEF25},
    {8, "ERV", "l", &ResultRecord::ERV},
    {11, "FET", "s", &ResultRecord::FET},
    {12, "FRC", "l", &ResultRecord::FRC},
    {13, "TLC", "l", &ResultRecord::TLC},
}};

namespace {

bool IsValidSlot(int slot) {
    return slot >= 0 && slot < kHistorySlots;
}

// FEV1, FVCEX, FEV1%FVC and ERV are volumes, which stay comparable whatever
// signal the run recorded; the flow indices only mean something against the
// reference while the run recorded a flow (signals below 4).
bool IsVolumeIndexRow(int row) {
    return row == 1 || row == 2 || row == 3 || row == 8;
}

std::string PercentText(const RunHistory& history, int slot, int row, std::string_view name,
                        float reference, float observed, float status) {
    const float signal = history.Slots[slot].SignalSelection;
    const bool comparable = signal < 4.0f || IsVolumeIndexRow(row);
    if (reference > 0.0f && RunCompleted(status) && name != kFetName && comparable)
        return PercentOfReferenceText(double(observed) / double(reference) * 100.0);
    return " ";
}

std::string ObservedText(float observed, float status) {
    const std::optional<int> code = RunStatusCode(status);
    if (code == kRunCompleted) return IndexValueText(observed);
    if (code == kRunDead) return "dead";
    return "error";
}

} // namespace

std::optional<int> StatusDescription(float runStatus) {
    switch (RunStatusCode(runStatus).value_or(2)) {
    case kRunError:
        return 10;
    case kRunDead:
        return 9;
    case kRunCompleted:
        return 11;
    default:
        return std::nullopt;
    }
}

float ShownStatus(const RunHistory& history) {
    const int slot =
        history.SelectedRun > 0 && IsValidSlot(history.SelectedRun) ? history.SelectedRun : 0;
    return history.Slots[slot].RunStatus;
}

IndexRowTexts IndexRowCells(const RunHistory& history, int slot, bool withObserved, int row,
                            std::string_view name, float reference, float observed) {
    IndexRowTexts texts;
    if (!IsValidSlot(slot)) return texts;
    // Neither the expiration time nor the signal number has a reference
    // value worth comparing.
    if (name != kFetName && name != kVariableName) texts.Reference = IndexValueText(reference);

    const float status = ShownStatus(history);
    if (!withObserved) {
        texts.Observed = "";
        texts.Percent = "";
    } else if (name == kVariableName) {
        texts.Observed = SignalSelectionText(observed);
    } else {
        texts.Observed = ObservedText(observed, status);
        texts.Percent = PercentText(history, slot, row, name, reference, observed, status);
    }
    return texts;
}

IndexTableCells IndexTableTexts(const RunHistory& history, int slot, bool withObserved) {
    IndexTableCells cells;
    if (!IsValidSlot(slot)) return cells;
    cells[0] = {"", "Unit", "Ref.", "Obs.", "%"};
    auto fill = [&](int row, std::string_view name, std::string_view unit, float reference,
                    float observed) {
        auto& line = cells[row];
        line[kIndexNameColumn] = name;
        line[kIndexUnitColumn] = unit;
        const IndexRowTexts texts =
            IndexRowCells(history, slot, withObserved, row, name, reference, observed);
        if (texts.Reference) line[kReferenceColumn] = *texts.Reference;
        if (texts.Observed) line[kObservedColumn] = *texts.Observed;
        if (texts.Percent) line[kPercentColumn] = *texts.Percent;
    };
    const ResultRecord& reference = history.Slots[0];
    const ResultRecord& shown = history.Slots[slot];
    for (const IndexRowLayout& layout : kIndexRows)
        fill(layout.Row, layout.Name, layout.Unit, reference.*layout.Field, shown.*layout.Field);
    fill(kVariableRow, kVariableName, " ", 0.0f, shown.SignalSelection);
    return cells;
}

} // namespace breathlab
