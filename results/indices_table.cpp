#include "indices_table.h"

#include "translated.h"

#include "number_format.h"
#include "run_status.h"
#include "slot_colours.h"

namespace breathlab {

namespace {

struct IndexRowLayout {
    int Row;
    const char* Name;
    const char* Unit;
    float ResultRecord::*Field;
};

// Rows 9, 10 and 14 stay empty: they space the flow indices from the
// volumes and the signal row.
constexpr std::array<IndexRowLayout, 11> kIndexRows = {{
    {1, QT_TRANSLATE_NOOP("IndicesTable", "FEV1"), QT_TRANSLATE_NOOP("IndicesTable", "l"),
     &ResultRecord::FEV1},
    {2, QT_TRANSLATE_NOOP("IndicesTable", "FVCEX"), QT_TRANSLATE_NOOP("IndicesTable", "l"),
     &ResultRecord::FVCEX},
    {3, QT_TRANSLATE_NOOP("IndicesTable", "FEV1%FVC"), QT_TRANSLATE_NOOP("IndicesTable", "%"),
     &ResultRecord::FEV1PercentFVC},
    {4, QT_TRANSLATE_NOOP("IndicesTable", "PEF"), QT_TRANSLATE_NOOP("IndicesTable", "l/s"),
     &ResultRecord::PEF},
    {5, QT_TRANSLATE_NOOP("IndicesTable", "MEF75"), QT_TRANSLATE_NOOP("IndicesTable", "l/s"),
     &ResultRecord::MEF75},
    {6, QT_TRANSLATE_NOOP("IndicesTable", "MEF50"), QT_TRANSLATE_NOOP("IndicesTable", "l/s"),
     &ResultRecord::MEF50},
    {7, QT_TRANSLATE_NOOP("IndicesTable", "MEF25"), QT_TRANSLATE_NOOP("IndicesTable", "l/s"),
     &ResultRecord::MEF25},
    {8, QT_TRANSLATE_NOOP("IndicesTable", "ERV"), QT_TRANSLATE_NOOP("IndicesTable", "l"),
     &ResultRecord::ERV},
    {11, QT_TRANSLATE_NOOP("IndicesTable", "FET"), QT_TRANSLATE_NOOP("IndicesTable", "s"),
     &ResultRecord::FET},
    {12, QT_TRANSLATE_NOOP("IndicesTable", "FRC"), QT_TRANSLATE_NOOP("IndicesTable", "l"),
     &ResultRecord::FRC},
    {13, QT_TRANSLATE_NOOP("IndicesTable", "TLC"), QT_TRANSLATE_NOOP("IndicesTable", "l"),
     &ResultRecord::TLC},
}};

const QString kFetName = QStringLiteral("FET");
const QString kVariableName = QStringLiteral(QT_TRANSLATE_NOOP("IndicesTable", "Variable"));

bool IsValidSlot(int slot) {
    return slot >= 0 && slot < kHistorySlots;
}

// The status that decides what the observed column shows is that of the
// selected run, or of the reference while no run is selected.
float ShownStatus(const RunHistory& history) {
    const int slot =
        history.SelectedRun > 0 && IsValidSlot(history.SelectedRun) ? history.SelectedRun : 0;
    return history.Slots[slot].RunStatus;
}

// FEV1, FVCEX, FEV1%FVC and ERV are volumes, which stay comparable whatever
// signal the run recorded; the flow indices only mean something against the
// reference while the run recorded a flow (signals below 4).
bool IsVolumeIndexRow(int row) {
    return row == 1 || row == 2 || row == 3 || row == 8;
}

QString PercentText(const IndexRowContext& context, int row, const QString& name, float reference,
                    float observed, float status) {
    const float signal = context.History.Slots[context.Slot].SignalSelection;
    const bool comparable = signal < 4.0f || IsVolumeIndexRow(row);
    if (reference > 0.0f && RunCompleted(status) && name != kFetName && comparable)
        return FormatPercentOfReference(double(observed) / double(reference) * 100.0,
                                        context.Locale);
    return QStringLiteral(" ");
}

QString ObservedText(float observed, float status, const QLocale& locale) {
    const std::optional<int> code = RunStatusCode(status);
    if (code == kRunCompleted) return FormatIndexValue(observed, locale);
    if (code == kRunDead) return Translated("IndicesTable", "dead");
    return Translated("IndicesTable", "error");
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

std::optional<int> ShowIndexRow(IndicesTable& table, const IndexRowContext& context, int row,
                                const QString& name, const QString& unit, float reference,
                                float observed) {
    if (row < 0 || row >= kIndicesRows || !IsValidSlot(context.Slot)) return std::nullopt;
    auto& cells = table.Cells[row];
    cells[kIndexNameColumn] = Translated("IndicesTable", name);
    cells[kIndexUnitColumn] = Translated("IndicesTable", unit);
    // Neither the expiration time nor the signal number has a reference
    // value worth comparing.
    if (name != kFetName && name != kVariableName)
        cells[kReferenceColumn] = FormatIndexValue(reference, context.Locale);

    const float status = ShownStatus(context.History);
    if (!context.WithObserved) {
        cells[kObservedColumn].clear();
        cells[kPercentColumn].clear();
    } else if (name == kVariableName) {
        cells[kObservedColumn] = FormatSignalSelection(observed, context.Locale);
    } else {
        cells[kObservedColumn] = ObservedText(observed, status, context.Locale);
        cells[kPercentColumn] = PercentText(context, row, name, reference, observed, status);
    }
    return StatusDescription(status);
}

std::optional<int> ShowIndices(IndicesTable& table, const RunHistory& history, int slot,
                               bool withObserved, const QLocale& locale) {
    if (!IsValidSlot(slot)) return std::nullopt;
    auto& header = table.Cells[0];
    header[kIndexUnitColumn] = Translated("IndicesTable", "Unit");
    header[kReferenceColumn] = Translated("IndicesTable", "Ref.");
    header[kObservedColumn] = Translated("IndicesTable", "Obs.");
    header[kPercentColumn] = Translated("IndicesTable", "%");

    const IndexRowContext context{history, slot, withObserved, locale};
    const ResultRecord& reference = history.Slots[0];
    const ResultRecord& shown = history.Slots[slot];
    for (const IndexRowLayout& layout : kIndexRows)
        ShowIndexRow(table, context, layout.Row, QString::fromLatin1(layout.Name),
                     QString::fromLatin1(layout.Unit), reference.*layout.Field,
                     shown.*layout.Field);
    return ShowIndexRow(table, context, kVariableRow, kVariableName, QStringLiteral(" "), 0.0f,
                        shown.SignalSelection);
}

QColor IndicesCellBackground(int row) {
    if (row == 0) return kAqua;
    if (row == 14 || row == 15) return kTableGrey;
    return kSilver;
}

QColor IndicesCellTextColour(int row, int column, int selectedRun, const QColor& fontColour) {
    const bool runColumn = column == kObservedColumn || column == kPercentColumn;
    if (runColumn && row >= 1 && row < kIndicesRows && selectedRun > 0)
        return SlotColour(selectedRun);
    return fontColour;
}

} // namespace breathlab
