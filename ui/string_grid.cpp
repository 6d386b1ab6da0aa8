#include "string_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

const QColor kGridLineColour(128, 128, 128);

} // namespace

StringGrid::StringGrid(int colCount, int rowCount, QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    SetColCount(colCount);
    SetRowCount(rowCount);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(),
            qOverload<>(&QWidget::update));
}

void StringGrid::SetColCount(int count) {
    count = std::max(count, 1);
    colWidths_.resize(count, 64);
    for (QVector<QString>& row : cells_)
        row.resize(count);
    col_ = std::min(col_, count - 1);
    UpdateScrollRange();
    viewport()->update();
}

void StringGrid::SetRowCount(int count) {
    count = std::max(count, 1);
    cells_.resize(count, QVector<QString>(ColCount()));
    row_ = std::min(row_, count - 1);
    UpdateScrollRange();
    viewport()->update();
}

QString StringGrid::Cell(int col, int row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return {};
    return cells_[row][col];
}

void StringGrid::SetCell(int col, int row, const QString& text) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return;
    cells_[row][col] = text;
    viewport()->update(CellRect(col, row));
}

int StringGrid::ColWidth(int col) const {
    return col >= 0 && col < ColCount() ? colWidths_[col] : 0;
}

void StringGrid::SetColWidth(int col, int width) {
    if (col < 0 || col >= ColCount()) return;
    colWidths_[col] = std::max(width, 0);
    viewport()->update();
}

void StringGrid::SetRowHeight(int height) {
    rowHeight_ = std::max(height, 1);
    UpdateScrollRange();
    viewport()->update();
}

void StringGrid::SetFixedRows(int rows) {
    fixedRows_ = std::clamp(rows, 0, RowCount() - 1);
    row_ = std::max(row_, fixedRows_);
    UpdateScrollRange();
    viewport()->update();
}

void StringGrid::SetColor(const QColor& color) {
    color_ = color;
    viewport()->update();
}

void StringGrid::SetFixedColor(const QColor& color) {
    fixedColor_ = color;
    viewport()->update();
}

void StringGrid::SetDefaultDrawing(bool on) {
    defaultDrawing_ = on;
    viewport()->update();
}

bool StringGrid::IsSelectable(int col, int row) const {
    return col >= 0 && col < ColCount() && row >= fixedRows_ && row < RowCount();
}

void StringGrid::SetCurrentCell(int col, int row) {
    if (!IsSelectable(col, row) || (col == col_ && row == row_)) return;
    ChooseCell(col, row);
}

void StringGrid::ChooseCell(int col, int row) {
    if (!IsSelectable(col, row)) return;
    bool canSelect = true;
    emit SelectCell(col, row, &canSelect);
    if (!canSelect) return;
    col_ = col;
    row_ = row;
    // Keep the current row in view.
    QScrollBar* bar = verticalScrollBar();
    if (row_ >= fixedRows_ && row_ < TopRow()) bar->setValue(row_ - fixedRows_);
    if (row_ >= TopRow() + VisibleScrollingRows())
        bar->setValue(row_ - fixedRows_ - VisibleScrollingRows() + 1);
    viewport()->update();
}

int StringGrid::TopRow() const {
    return fixedRows_ + verticalScrollBar()->value();
}

int StringGrid::ColLeft(int col) const {
    int left = 0;
    for (int c = 0; c < col; ++c)
        left += colWidths_[c] + GridLineWidth();
    return left;
}

int StringGrid::VisibleScrollingRows() const {
    const int pitch = rowHeight_ + GridLineWidth();
    return std::max(1, (viewport()->height() - fixedRows_ * pitch) / pitch);
}

void StringGrid::UpdateScrollRange() {
    const int scrolling = RowCount() - fixedRows_;
    verticalScrollBar()->setRange(0, std::max(0, scrolling - VisibleScrollingRows()));
    verticalScrollBar()->setPageStep(VisibleScrollingRows());
}

QRect StringGrid::CellRect(int col, int row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return {};
    const int pitch = rowHeight_ + GridLineWidth();
    int top = row * pitch;
    if (row >= fixedRows_) {
        if (row < TopRow()) return {};
        top = (fixedRows_ + row - TopRow()) * pitch;
    }
    return QRect(ColLeft(col), top, colWidths_[col], rowHeight_);
}

bool StringGrid::CellAt(const QPoint& pos, int* col, int* row) const {
    for (int r = 0; r < RowCount(); ++r) {
        for (int c = 0; c < ColCount(); ++c) {
            if (CellRect(c, r).contains(pos)) {
                *col = c;
                *row = r;
                return true;
            }
        }
    }
    return false;
}

void StringGrid::PaintDefaultCell(QPainter& painter, int col, int row, const QRect& rect) {
    painter.fillRect(rect, row < fixedRows_ ? fixedColor_ : color_);
    // Readable also while a running command holds the window disabled.
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    painter.drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, cells_[row][col]);
}

void StringGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), color_);
    painter.setFont(font());
    for (int row = 0; row < RowCount(); ++row) {
        for (int col = 0; col < ColCount(); ++col) {
            const QRect rect = CellRect(col, row);
            if (rect.isEmpty() || rect.top() > viewport()->height()) continue;
            // The line right of and below each cell.
            painter.fillRect(QRect(rect.topLeft(), rect.size() + QSize(1, 1)), kGridLineColour);
            painter.save();
            painter.setClipRect(rect);
            if (defaultDrawing_) PaintDefaultCell(painter, col, row, rect);
            emit DrawCell(&painter, col, row, rect);
            painter.restore();
        }
    }
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    int col = 0;
    int row = 0;
    if (event->button() == Qt::LeftButton && CellAt(pos, &col, &row)) ChooseCell(col, row);
    emit MouseDown(event->button(), pos);
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        SetCurrentCell(col_, row_ - 1);
        break;
    case Qt::Key_Down:
        SetCurrentCell(col_, row_ + 1);
        break;
    case Qt::Key_Left:
        SetCurrentCell(col_ - 1, row_);
        break;
    case Qt::Key_Right:
        SetCurrentCell(col_ + 1, row_);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void StringGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}
