// A grid of text cells for the main window's tables. It owns the texts, the
// column widths, one common row height and the current cell; how a cell looks
// is decided by whoever listens to DrawCell.
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QPainter>
#include <QString>
#include <QVector>

class StringGrid : public QAbstractScrollArea {
    Q_OBJECT

  public:
    StringGrid(int colCount, int rowCount, QWidget* parent = nullptr);

    int ColCount() const { return colWidths_.size(); }
    int RowCount() const { return cells_.size(); }
    // Growing keeps the texts; shrinking drops the texts outside.
    void SetColCount(int count);
    void SetRowCount(int count);

    // Empty outside the grid; writing outside the grid is ignored.
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    int RowHeight() const { return rowHeight_; }
    void SetRowHeight(int height); // every row
    int GridLineWidth() const { return 1; }

    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int rows);
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    QColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(const QColor& color);

    // When on, the grid fills each cell and writes its text before DrawCell;
    // an owner that paints cells completely switches it off.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool on);

    int Col() const { return col_; }
    int Row() const { return row_; }
    // Makes (col, row) current. A change of cell is first offered to
    // SelectCell, whose listener may refuse it; the same cell again is not.
    void SetCurrentCell(int col, int row);
    // A user's choice of a cell: offered to SelectCell even when it is the
    // current cell already, so that choosing it again takes effect again.
    void ChooseCell(int col, int row);

    // The cell's rectangle on the grid's surface; empty while the row is
    // scrolled out of view.
    QRect CellRect(int col, int row) const;
    // The cell under a point of the grid's surface.
    bool CellAt(const QPoint& pos, int* col, int* row) const;

  signals:
    void DrawCell(QPainter* painter, int col, int row, const QRect& rect);
    void SelectCell(int col, int row, bool* canSelect);
    // Every mouse button; a left press has already made its cell current.
    void MouseDown(Qt::MouseButton button, const QPoint& pos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool IsSelectable(int col, int row) const;
    int TopRow() const; // first scrolling row in view
    int ColLeft(int col) const;
    int VisibleScrollingRows() const;
    void UpdateScrollRange();
    void PaintDefaultCell(QPainter& painter, int col, int row, const QRect& rect);

    QVector<int> colWidths_;
    QVector<QVector<QString>> cells_; // [row][col]
    int rowHeight_ = 24;
    int fixedRows_ = 0;
    QColor color_{Qt::white};
    QColor fixedColor_{Qt::lightGray};
    bool defaultDrawing_ = true;
    int col_ = 0;
    int row_ = 0;
};
