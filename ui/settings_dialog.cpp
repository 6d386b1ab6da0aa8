#include "settings_dialog.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

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

void SizeSections(QHeaderView* header, int count, int size) {
    header->setMinimumSectionSize(1);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultSectionSize(size);
    for (int i = 0; i < count; ++i)
        header->resizeSection(i, size);
    header->hide();
}

} // namespace

SettingsDialog::SettingsDialog(const breathlab::SettingsTableText& cells, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      Grid(new QTableWidget(kSettingsTableRows, kSettingsTableColumns, this)) {
    setWindowTitle(QString());
    Grid->setObjectName(QStringLiteral("SettingsGrid"));
    Grid->setFrameShape(QFrame::NoFrame);
    Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionMode(QAbstractItemView::NoSelection);
    Grid->setFocusPolicy(Qt::NoFocus);
    Grid->setWordWrap(false);
    Grid->setTextElideMode(Qt::ElideNone); // a long text is cut at the cell edge
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(kFontPixels);
    Grid->setFont(font);
    // A section includes its grid line on the right or bottom edge.
    SizeSections(Grid->horizontalHeader(), kSettingsTableColumns, kSettingsColumnWidth + kGridLine);
    SizeSections(Grid->verticalHeader(), kSettingsTableRows, kSettingsRowHeight + kGridLine);

    for (int row = 0; row < kSettingsTableRows; ++row)
        for (int column = 0; column < kSettingsTableColumns; ++column)
            Grid->setItem(row, column,
                          CellItem(cells[row][column], row == 0 || column == 0, palette()));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Grid);
    setFixedSize(kSettingsTableColumns * (kSettingsColumnWidth + kGridLine),
                 kSettingsTableRows * (kSettingsRowHeight + kGridLine));
}

void ShowSettingsTable(QWidget* parent, const breathlab::RunHistory& history,
                       breathlab::LungModel& model) {
    breathlab::SetChestWallResistanceForSettingsView(model);
    SettingsDialog dialog(breathlab::SettingsTableCells(history), parent);
    dialog.exec();
}
