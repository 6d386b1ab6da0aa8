// The results table alone: a right click on a row makes it current and opens
// the row menu, whose items each say what was asked through their own signal;
// without a run a right click asks for the table's help; a left click reports
// every row, reference and empty ones too, since which rows hold a run is the
// history's business; the selected run's row is painted as selected.
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include "runs_table_view.h"
#include "signal_spies.h"
#include "string_grid.h"
#include "window_test_main.h"

using namespace breathlab;

class RunsTableViewTest : public QObject {
    Q_OBJECT

  private slots:
    void RightClickOpensTheMenuAndEachItemEmitsItsOwnSignal();
    void RightClickWithoutARunAsksForHelpOnly();
    void LeftClickReportsEveryRow();
    void ReplayAndCommandsLockTheTableOnly();
    void LayoutPlacesBothGridsWithTheirMetrics();
    void TheHistorysSelectedRunIsPaintedAsItIsNow();
};

namespace {

struct MenuSignal {
    const char* Action;
    void (RunsTableView::*Signal)();
};

const MenuSignal kMenuSignals[] = {
    {"deleteRowAction", &RunsTableView::deleteRequested},
    {"useAsReferenceAction", &RunsTableView::useAsReferenceRequested},
    {"rowSettingsAction", &RunsTableView::settingsRequested},
    {"rowHelpAction", &RunsTableView::helpRequested},
};

StartupLayout TableLayout() {
    StartupLayout layout;
    layout.resultsTable = {20, 10, 11 * 31, kResultsTableRows * 21};
    layout.ResultsTableGrid.ColCount = 11;
    layout.ResultsTableGrid.ColWidths.fill(30);
    layout.ResultsTableGrid.RowHeight = 20;
    layout.expirationDepthColumn = {400, 10, 31, kResultsTableRows * 21};
    layout.ExpirationDepthColumnGrid.ColCount = 1;
    layout.ExpirationDepthColumnGrid.ColWidths[0] = 30;
    layout.ExpirationDepthColumnGrid.RowHeight = 20;
    return layout;
}

// A client with the table laid out on it and shown.
struct ShownTable {
    ResultsTable results;
    RunHistory runs;
    QWidget client;
    RunsTableView view{results, runs, &client};
    StringGrid* grid = Named<StringGrid>(client, "resultsTable");
    QMenu* menu = Named<QMenu>(client, "resultsRowMenu");

    explicit ShownTable(int runCount) {
        runs.RunCount = runCount;
        client.resize(500, 200);
        view.Place(TableLayout());
        view.ApplyGrids(TableLayout());
        client.show();
    }
    void Click(Qt::MouseButton button, int row) {
        QTest::mouseClick(grid->viewport(), button, {}, grid->CellRect(3, row).center());
    }
};

} // namespace

void RunsTableViewTest::RightClickOpensTheMenuAndEachItemEmitsItsOwnSignal() {
    ShownTable table(2);
    QVERIFY(QTest::qWaitForWindowExposed(&table.client));
    QSignalSpy selected(&table.view, &RunsTableView::rowSelected);
    SignalSpies spies;
    for (const MenuSignal& entry : kMenuSignals)
        spies.Add(&table.view, entry.Signal);
    for (std::size_t chosen = 0; chosen < std::size(kMenuSignals); ++chosen) {
        // The row under the pointer becomes current first, so that the
        // command acts on the row the user pointed at.
        const int row = 1 + static_cast<int>(chosen) % 2;
        table.Click(Qt::RightButton, row);
        QTRY_VERIFY(table.menu->isVisible());
        QCOMPARE(table.grid->Row(), row);
        QCOMPARE(selected.count(), static_cast<int>(chosen) + 1);
        QCOMPARE(selected.last().at(0).toInt(), row);
        auto* item = Named<QAction>(*table.menu, kMenuSignals[chosen].Action);
        QTest::mouseClick(table.menu, Qt::LeftButton, {},
                          table.menu->actionGeometry(item).center());
        QTRY_VERIFY(!table.menu->isVisible());
        QVERIFY2(spies.FirstEmittedOnce(chosen + 1), kMenuSignals[chosen].Action);
    }
}

void RunsTableViewTest::RightClickWithoutARunAsksForHelpOnly() {
    ShownTable table(0);
    QVERIFY(QTest::qWaitForWindowExposed(&table.client));
    QSignalSpy help(&table.view, &RunsTableView::helpRequested);
    QSignalSpy selected(&table.view, &RunsTableView::rowSelected);
    table.Click(Qt::RightButton, 1);
    QCOMPARE(help.count(), 1);
    QCOMPARE(selected.count(), 0);
    QCOMPARE(table.grid->Row(), 0);
    QVERIFY(!table.menu->isVisible());
}

void RunsTableViewTest::LeftClickReportsEveryRow() {
    ShownTable table(1);
    QVERIFY(QTest::qWaitForWindowExposed(&table.client));
    QSignalSpy selected(&table.view, &RunsTableView::rowSelected);
    // The reference row, an empty run row, the settings row and the run.
    const int rows[] = {kReferenceRow, 3, kSettingsRow, 1, 1};
    for (int row : rows) {
        table.Click(Qt::LeftButton, row);
        QCOMPARE(selected.last().at(0).toInt(), row);
        QCOMPARE(table.grid->Row(), row);
    }
    // Choosing the current row again is reported again.
    QCOMPARE(selected.count(), static_cast<int>(std::size(rows)));
    QVERIFY(!table.menu->isVisible());
}

void RunsTableViewTest::ReplayAndCommandsLockTheTableOnly() {
    ShownTable table(1);
    QVERIFY(table.view.SetControlEnabled(AnimationControl::ResultsTable, false));
    QVERIFY(!table.grid->isEnabled());
    table.view.SetCommandsEnabled(true);
    QVERIFY(table.grid->isEnabled());
    for (AnimationControl other : {AnimationControl::MainMenu, AnimationControl::StartButton,
                                   AnimationControl::LungsGroupPanel}) {
        QVERIFY(!table.view.SetControlEnabled(other, false));
        QVERIFY(table.grid->isEnabled());
    }
    table.view.SetCommandsEnabled(false);
    QVERIFY(!table.grid->isEnabled());
}

void RunsTableViewTest::LayoutPlacesBothGridsWithTheirMetrics() {
    ShownTable table(0);
    const StartupLayout layout = TableLayout();
    const ControlRect& place = layout.resultsTable;
    QCOMPARE(table.grid->geometry(), QRect(place.Left, place.Top, place.Width, place.Height));
    QCOMPARE(table.grid->ColWidth(10), layout.ResultsTableGrid.ColWidths[10]);
    QCOMPARE(table.grid->RowHeight(), layout.ResultsTableGrid.RowHeight);
    auto* depth = Named<StringGrid>(table.client, "expirationDepthColumn");
    QCOMPARE(depth->geometry().left(), layout.expirationDepthColumn.Left);
    QCOMPARE(depth->RowCount(), kResultsTableRows);
    QVERIFY(!depth->isVisible()); // a holder of the depth's texts only
    QCOMPARE(table.grid->ColCount(), kResultsColumns);
}

// The colour of a cell's inside as the screen shows it.
QColor CellColour(StringGrid* grid, int row) {
    const QRect cell = grid->CellRect(3, row);
    return grid->viewport()->grab().toImage().pixelColor(cell.right() - 1, cell.bottom() - 1);
}

void RunsTableViewTest::TheHistorysSelectedRunIsPaintedAsItIsNow() {
    ShownTable table(2);
    QVERIFY(QTest::qWaitForWindowExposed(&table.client));
    table.runs.SelectedRun = 2;
    table.view.Repaint();
    const QColor selected = ResultsCellBackground(2, 2, table.grid->Color());
    QVERIFY(selected != table.grid->Color());
    QCOMPARE(CellColour(table.grid, 2), selected);
    QCOMPARE(CellColour(table.grid, 1), table.grid->Color());
    table.runs.SelectedRun = 1;
    table.view.Repaint();
    QCOMPARE(CellColour(table.grid, 1), selected);
    QCOMPARE(CellColour(table.grid, 2), table.grid->Color());
}

BREATHLAB_WINDOW_TEST_MAIN(RunsTableViewTest)
#include "runs_table_view_test.moc"
