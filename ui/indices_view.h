// The table of spirometric indices beside the plots: the reference, the
// selected run and its percentages of the reference. It paints its own cells
// from the texts the results keep and the run the history has selected.
#pragma once

#include "indices_table.h"
#include "run_history.h"
#include "string_grid.h"

class IndicesView : public StringGrid {
    Q_OBJECT

  public:
    // The texts and the history outlive the view; it only reads them.
    IndicesView(const breathlab::IndicesTable& indices, const breathlab::RunHistory& runs,
                QWidget* parent);

  private:
    void DrawIndicesCell(QPainter* painter, int col, int row, const QRect& rect);

    const breathlab::IndicesTable& indices_;
    const breathlab::RunHistory& runs_;
};
