#include "settings_dialog.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

using breathlab::kSettingsColumnWidth;
using breathlab::kSettingsRowHeight;
using breathlab::kSettingsTableColumns;
using breathlab::kSettingsTableRows;

constexpr int kGridLine = 1;
constexpr int kFontPixels = 11;

QTableWidgetItem* CellItem(const QString& text, bool isHeader, const QPalette& palette) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    if (isHeader) item->setBackground(palette.color(QPalette::Button));
    return item;
}

constexpr int kTextPadding = 4; // each side of a cell's text

void FixSections(QHeaderView* header) {
    header->setMinimumSectionSize(1);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->hide();
}

// Each column is as wide as the design's 64 pixels or as its widest text,
// whichever is more, so that no header is cut ("Middle Right L.").
std::array<int, kSettingsTableColumns> ColumnWidths(const breathlab::SettingsTableText& cells,
                                                   const QFontMetrics& metrics) {
    std::array<int, kSettingsTableColumns> widths{};
    widths.fill(kSettingsColumnWidth);
    for (const auto& row : cells)
        for (int column = 0; column < kSettingsTableColumns; ++column)
            widths[column] = std::max(widths[column], metrics.horizontalAdvance(row[column]) +
                                                          2 * kTextPadding);
    return widths;
}

} // namespace

SettingsDialog::SettingsDialog(const breathlab::SettingsTableText& cells, QWidget* parent,
                               int smallestTextPx)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      grid_(new QTableWidget(kSettingsTableRows, kSettingsTableColumns, this)) {
    setWindowTitle(QString());
    grid_->setObjectName(QStringLiteral("SettingsGrid"));
    grid_->setFrameShape(QFrame::NoFrame);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setWordWrap(false);
    grid_->setTextElideMode(Qt::ElideNone);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(std::max(kFontPixels, smallestTextPx));
    grid_->setFont(font);
    // A section includes its grid line on the right or bottom edge.
    FixSections(grid_->horizontalHeader());
    FixSections(grid_->verticalHeader());
    const QFontMetrics metrics(font);
    const auto widths = ColumnWidths(cells, metrics);
    const int rowHeight = std::max(kSettingsRowHeight, metrics.height() + 2 * kTextPadding);
    int width = 0;
    for (int column = 0; column < kSettingsTableColumns; ++column) {
        grid_->horizontalHeader()->resizeSection(column, widths[column] + kGridLine);
        width += widths[column] + kGridLine;
    }
    for (int row = 0; row < kSettingsTableRows; ++row)
        grid_->verticalHeader()->resizeSection(row, rowHeight + kGridLine);

    for (int row = 0; row < kSettingsTableRows; ++row)
        for (int column = 0; column < kSettingsTableColumns; ++column)
            grid_->setItem(row, column,
                          CellItem(cells[row][column], row == 0 || column == 0, palette()));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    setFixedSize(width, kSettingsTableRows * (rowHeight + kGridLine));
}

void ShowSettingsTable(QWidget* parent, const breathlab::RunHistory& history,
                       breathlab::LungModel& model, int smallestTextPx) {
    breathlab::SetChestWallResistanceForSettingsView(model);
    SettingsDialog dialog(breathlab::SettingsTableCells(history), parent, smallestTextPx);
    dialog.exec();
}
