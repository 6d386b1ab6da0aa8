#include "indices_table.h"

#include "number_format.h"
#include "slot_colours.h"

namespace breathlab {

namespace {

bool IsValidSlot(int slot) {
    return slot >= 0 && slot < kHistorySlots;
}

} // namespace

std::optional<int> ShowIndexRow(IndicesTable& table, const IndexRowContext& context, int row,
                                const QString& name, const QString& unit, float reference,
                                float observed) {
    if (row < 0 || row >= kIndicesRows || !IsValidSlot(context.Slot)) return std::nullopt;
    auto& cells = table.Cells[row];
    cells[kIndexNameColumn] = name;
    cells[kIndexUnitColumn] = unit;
    const IndexRowTexts texts = IndexRowCells(context.History, context.Slot, context.WithObserved,
                                              row, name.toStdString(), reference, observed);
    if (texts.Reference) cells[kReferenceColumn] = Localized(*texts.Reference, context.Locale);
    if (texts.Observed) cells[kObservedColumn] = Localized(*texts.Observed, context.Locale);
    if (texts.Percent) cells[kPercentColumn] = Localized(*texts.Percent, context.Locale);
    return StatusDescription(ShownStatus(context.History));
}

std::optional<int> ShowIndices(IndicesTable& table, const RunHistory& history, int slot,
                               bool withObserved, const QLocale& locale) {
    if (!IsValidSlot(slot)) return std::nullopt;
    auto& header = table.Cells[0];
    header[kIndexUnitColumn] = QStringLiteral("Unit");
    header[kReferenceColumn] = QStringLiteral("Ref.");
    header[kObservedColumn] = QStringLiteral("Obs.");
    header[kPercentColumn] = QStringLiteral("%");

    const IndexRowContext context{history, slot, withObserved, locale};
    const ResultRecord& reference = history.Slots[0];
    const ResultRecord& shown = history.Slots[slot];
    for (const IndexRowLayout& layout : kIndexRows)
        ShowIndexRow(table, context, layout.Row, QString::fromLatin1(layout.Name),
                     QString::fromLatin1(layout.Unit), reference.*layout.Field,
                     shown.*layout.Field);
    return ShowIndexRow(table, context, kVariableRow, QString::fromLatin1(kVariableName.data()),
                        QStringLiteral(" "), 0.0f, shown.SignalSelection);
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
