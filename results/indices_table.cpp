#include "indices_table.h"

#include "translated.h"

#include "number_format.h"
#include "slot_colours.h"

namespace breathlab {

namespace {

// The core names the indices and their units; these marks let the translation
// tools collect the names, which ShowIndexRow shows in the user's language.
[[maybe_unused]] constexpr const char* kTranslatableIndexTexts[] = {
    QT_TRANSLATE_NOOP("IndicesTable", "FEV1"),     QT_TRANSLATE_NOOP("IndicesTable", "FVCEX"),
    QT_TRANSLATE_NOOP("IndicesTable", "FEV1%FVC"), QT_TRANSLATE_NOOP("IndicesTable", "PEF"),
    QT_TRANSLATE_NOOP("IndicesTable", "MEF75"),    QT_TRANSLATE_NOOP("IndicesTable", "MEF50"),
    QT_TRANSLATE_NOOP("IndicesTable", "MEF25"),    QT_TRANSLATE_NOOP("IndicesTable", "ERV"),
    QT_TRANSLATE_NOOP("IndicesTable", "FET"),      QT_TRANSLATE_NOOP("IndicesTable", "FRC"),
    QT_TRANSLATE_NOOP("IndicesTable", "TLC"),      QT_TRANSLATE_NOOP("IndicesTable", "Variable"),
    QT_TRANSLATE_NOOP("IndicesTable", "l"),        QT_TRANSLATE_NOOP("IndicesTable", "l/s"),
    QT_TRANSLATE_NOOP("IndicesTable", "s"),        QT_TRANSLATE_NOOP("IndicesTable", "%"),
    QT_TRANSLATE_NOOP("IndicesTable", "dead"),     QT_TRANSLATE_NOOP("IndicesTable", "error"),
};

bool IsValidSlot(int slot) {
    return slot >= 0 && slot < kHistorySlots;
}

} // namespace

std::optional<int> ShowIndexRow(IndicesTable& table, const IndexRowContext& context, int row,
                                const QString& name, const QString& unit, float reference,
                                float observed) {
    if (row < 0 || row >= kIndicesRows || !IsValidSlot(context.Slot)) return std::nullopt;
    auto& cells = table.Cells[row];
    cells[kIndexNameColumn] = Translated("IndicesTable", name);
    cells[kIndexUnitColumn] = Translated("IndicesTable", unit);
    const IndexRowTexts texts = IndexRowCells(context.History, context.Slot, context.WithObserved,
                                              row, name.toStdString(), reference, observed);
    if (texts.Reference) cells[kReferenceColumn] = Localized(*texts.Reference, context.Locale);
    // A run that did not complete is named by a word, shown in the user's
    // language; numbers have no translation and come back as they are.
    if (texts.Observed)
        cells[kObservedColumn] =
            Translated("IndicesTable", Localized(*texts.Observed, context.Locale));
    if (texts.Percent) cells[kPercentColumn] = Localized(*texts.Percent, context.Locale);
    return StatusDescription(ShownStatus(context.History));
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
