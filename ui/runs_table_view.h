// The results table under the slider groups: the settings of the next run,
// the listed runs and the reference, with its hidden one-column companion for
// the expiration depth, and the menu a right click on a row opens. The grids
// stand on the window's client area, where the start-up layout puts them; the
// view paints their cells from the texts the results keep and the run the
// history has selected, and says through signals what the user asked.
#pragma once

#include "animation.h"
#include "results_table.h"
#include "run_history.h"
#include "startup_layout.h"

#include <QObject>

class QFont;
class QMenu;
class QPainter;
class QWidget;
class StringGrid;

class RunsTableView : public QObject {
    Q_OBJECT

  public:
    // The texts and the history outlive the view; it only reads them. The
    // grids become children of `client`.
    RunsTableView(const breathlab::ResultsTable& results, const breathlab::RunHistory& runs,
                  QWidget* client);

    // The tables write in the indices table's font.
    void SetTableFont(const QFont& font);
    void Place(const breathlab::StartupLayout& layout);
    // Column widths and row height; the first cell becomes current.
    void ApplyGrids(const breathlab::StartupLayout& layout);

    // Makes a row current, as a click on it does (rowSelected follows when
    // the row changes); the column stays.
    void SetCurrentRow(int row);
    void Repaint();

    // While a command runs the rows cannot be chosen.
    void SetCommandsEnabled(bool enabled);
    // A replay locks the table too; false for any control not the view's.
    bool SetControlEnabled(breathlab::AnimationControl control, bool enabled);

  signals:
    // A row was chosen (clicked, or made current); which rows hold a run is
    // the history's business.
    void rowSelected(int row);
    void deleteRequested();
    void useAsReferenceRequested();
    void settingsRequested();
    // "Pomoc", or a right click while no run is listed.
    void helpRequested();

  private:
    void AddMenuItem(const char* name, const QString& text, void (RunsTableView::*chosen)());
    void DrawCell(StringGrid* grid, QPainter* painter, int col, int row, const QRect& rect);
    void OnMouseDown(Qt::MouseButton button, const QPoint& pos);

    const breathlab::ResultsTable& results_;
    const breathlab::RunHistory& runs_;
    StringGrid* resultsTable_ = nullptr;
    StringGrid* expirationDepthColumn_ = nullptr; // hidden: expiration depth of each row
    QMenu* resultsRowMenu_ = nullptr;
};
