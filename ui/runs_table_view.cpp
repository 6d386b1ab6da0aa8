#include "runs_table_view.h"

#include "control_placement.h"
#include "string_grid.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

using namespace breathlab;

namespace {

// The rows that hold no run take the colour of the menus.
const QColor kMenuColour(240, 240, 240);

StringGrid* NewGrid(const char* name, int cols, QWidget* client) {
    auto* grid = new StringGrid(cols, kResultsTableRows, client);
    grid->setObjectName(name);
    grid->SetColor(kMenuColour);
    return grid;
}

} // namespace

RunsTableView::RunsTableView(const ResultsTable& results, const RunHistory& runs, QWidget* client)
    : QObject(client), results_(results), runs_(runs) {
    setObjectName("runsTableView");
    resultsTable_ = NewGrid("resultsTable", kResultsColumns, client);
    expirationDepthColumn_ = NewGrid("expirationDepthColumn", 1, client);
    expirationDepthColumn_->hide();
    for (StringGrid* grid : {resultsTable_, expirationDepthColumn_}) {
        connect(grid, &StringGrid::DrawCell, this,
                [this, grid](QPainter* painter, int col, int row, const QRect& rect) {
                    DrawCell(grid, painter, col, row, rect);
                });
    }
    connect(resultsTable_, &StringGrid::SelectCell, this,
            [this](int, int row, bool*) { emit rowSelected(row); });
    connect(resultsTable_, &StringGrid::MouseDown, this, &RunsTableView::OnMouseDown);

    resultsRowMenu_ = new QMenu(client);
    resultsRowMenu_->setObjectName("resultsRowMenu");
    AddMenuItem("deleteRowAction", tr("Delete selected row"), &RunsTableView::deleteRequested);
    AddMenuItem("useAsReferenceAction", tr("Use as reference"),
                &RunsTableView::useAsReferenceRequested);
    AddMenuItem("rowSettingsAction", tr("Settins"), &RunsTableView::settingsRequested);
    AddMenuItem("rowHelpAction", tr("Pomoc"), &RunsTableView::helpRequested);
}

void RunsTableView::AddMenuItem(const char* name, const QString& text,
                                void (RunsTableView::*chosen)()) {
    QAction* item = resultsRowMenu_->addAction(text);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, chosen);
}

void RunsTableView::SetTableFont(const QFont& font) {
    for (StringGrid* grid : {resultsTable_, expirationDepthColumn_})
        grid->setFont(font);
}

void RunsTableView::Place(const StartupLayout& layout) {
    PlaceControl(resultsTable_, layout.resultsTable);
    PlaceControl(expirationDepthColumn_, layout.expirationDepthColumn);
}

void RunsTableView::ApplyGrids(const StartupLayout& layout) {
    ApplyGridMetrics(*resultsTable_, layout.ResultsTableGrid);
    ApplyGridMetrics(*expirationDepthColumn_, layout.ExpirationDepthColumnGrid);
    resultsTable_->SetCurrentCell(0, 0);
    expirationDepthColumn_->SetCurrentCell(0, 0);
}

void RunsTableView::SetCurrentRow(int row) {
    resultsTable_->SetCurrentCell(resultsTable_->Col(), row);
}

void RunsTableView::Repaint() {
    for (StringGrid* grid : {resultsTable_, expirationDepthColumn_})
        grid->viewport()->repaint();
}

void RunsTableView::SetCommandsEnabled(bool enabled) {
    resultsTable_->setEnabled(enabled);
}

bool RunsTableView::SetControlEnabled(AnimationControl control, bool enabled) {
    if (control != AnimationControl::ResultsTable) return false;
    resultsTable_->setEnabled(enabled);
    return true;
}

void RunsTableView::DrawCell(StringGrid* grid, QPainter* painter, int col, int row,
                             const QRect& rect) {
    painter->fillRect(rect, ResultsCellBackground(row, runs_.SelectedRun, grid->Color()));
    if (ResultsCellShowsText(row, runs_.RunCount)) {
        painter->setFont(grid->font());
        painter->setPen(ResultsCellTextColour(row));
        const QString& text = grid == expirationDepthColumn_ ? results_.ExpirationDepth[row]
                                                             : results_.Cells[row][col];
        painter->drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
    }
    if (row == kSettingsRow) {
        // A thick line separates the settings of the next run from the runs.
        painter->setClipping(false);
        painter->setPen(QPen(Qt::black, 3));
        const int y = grid->RowHeight() - 1;
        painter->drawLine(0, y, grid->viewport()->width(), y);
    }
}

// A right click makes its row current and offers the commands on it; with
// no run listed there is nothing to act on, so it opens the table's help.
void RunsTableView::OnMouseDown(Qt::MouseButton button, const QPoint& pos) {
    if (button != Qt::RightButton) return;
    if (runs_.RunCount < 1) {
        emit helpRequested();
        return;
    }
    int col = 0, row = 0;
    if (resultsTable_->CellAt(pos, &col, &row)) resultsTable_->SetCurrentCell(col, row);
    resultsRowMenu_->popup(resultsTable_->viewport()->mapToGlobal(pos));
}
