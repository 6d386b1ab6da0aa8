#include "indices_view.h"

#include "slot_colours.h"
#include "startup_layout.h"

#include <QPainter>

using namespace breathlab;

IndicesView::IndicesView(const IndicesTable& indices, const RunHistory& runs, QWidget* parent)
    : StringGrid(5, kIndicesTableRows, parent), indices_(indices), runs_(runs) {
    setObjectName("indicesTable");
    SetFixedRows(1);
    SetColor(kSilver);
    SetFixedColor(kAqua);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &StringGrid::DrawCell, this, &IndicesView::DrawIndicesCell);
}

void IndicesView::DrawIndicesCell(QPainter* painter, int col, int row, const QRect& rect) {
    // The header row and the last two rows are coloured as whole cells, the
    // empty ones included, so that they read as bands across the table.
    painter->fillRect(rect, IndicesCellBackground(row));
    // The active colours also while a run holds the window disabled: the
    // table is what the user watches then.
    painter->setPen(IndicesCellTextColour(row, col, runs_.SelectedRun,
                                          palette().color(QPalette::Active, QPalette::Text)));
    painter->setFont(font());
    painter->drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                      indices_.Cells[row][col]);
}
