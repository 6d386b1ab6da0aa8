// The window as a user drives it: start-up from the shipped data, START on a
// patient, the indices and results tables, Use as reference and Delete.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTextEdit>
#include <QtTest>

#include "help_pages.h"
#include "main_window.h"

#include "airway_panel.h"
#include "description_view.h"
#include "picture_area.h"
#include "sliders_area.h"
#include "string_grid.h"
#include "window_test_main.h"

using namespace breathlab;

class WindowCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void StartUpShowsTheReferenceAlone();
    void StartRunsAndListsTheNewRun();
    void UseAsReferenceAndDeleteRewriteTheHistory();
    void FailedRunIsListedAsAnError();
    void ClickOnTheCurrentRunRowSelectsItAgain();
    void ClicksOnRowsWithoutARunSelectNothing();
    void ARunLocksTheMainMenuAndTheTableUntilItEnds();
    void EveryHelpControlIsAControlOfTheWindow();
};

namespace {

const QString& Cell(MainWindow& form, int row, int col) {
    return form.State().Indices.Cells[row][col];
}

} // namespace

void WindowCommandsTest::StartUpShowsTheReferenceAlone() {
    MainWindow form;
    QVERIFY(form.StartupSucceeded());
    AppState& s = form.State();
    QCOMPARE(s.Session.Runs().RunCount, 0);
    QCOMPARE(s.Session.Runs().SelectedRun, -1);
    QCOMPARE(Cell(form, 0, 2), QString("Ref."));
    QCOMPARE(Cell(form, 1, 0), QString("FEV1"));
    QVERIFY(!Cell(form, 1, 2).isEmpty());
    QVERIFY(Cell(form, 1, 3).isEmpty());
    QCOMPARE(s.Results.Cells[0][0], QString("   100"));
    QCOMPARE(s.Results.Cells[4][9], QString("   100"));
    QCOMPARE(Named<QLabel>(form, "dataSourceLine")->text(), QString("Data from file:  Standard"));
    const auto* picture = Named<PictureArea>(form, "airwayPicture");
    QVERIFY(!picture->Picture().isNull());
    // The plain region picture was read: forced onto the picture, it is shown.
    Named<AirwayPanel>(form, "airwayPanel")->ShowRegion(kForcePlainPicture, 0, 0);
    QVERIFY(!picture->Picture().isNull());
    for (int k = 1; k <= 8; ++k)
        QVERIFY(!form.Slider(k)->isEnabled()); // no group selected
    // The reference's curve is drawn in black on the flow-volume plot.
    QVERIFY(HasColour(Named<PictureArea>(form, "flowVolumePlot")->Picture(), Qt::black));
}

void WindowCommandsTest::StartRunsAndListsTheNewRun() {
    MainWindow form;
    AppState& s = form.State();
    const float referenceFev1 = s.Session.Runs().Slots[0].FEV1;
    form.OnStartClicked();
    QCOMPARE(s.Session.Runs().Slots[1].RunStatus, 1.0f);
    QCOMPARE(s.Session.Runs().RunCount, 1);
    QCOMPARE(s.Session.Runs().SelectedRun, 1);
    QVERIFY(!s.Session.Runs().RunInProgress);
    QVERIFY(form.isEnabled());
    QVERIFY(Named(form, "startButton")->isEnabled());
    // A default run after start-up reproduces the reference exactly.
    QCOMPARE(s.Session.Runs().Slots[1].FEV1, referenceFev1);
    QCOMPARE(Cell(form, 1, 3), Cell(form, 1, 2));
    QCOMPARE(Cell(form, 1, 4), QString("100"));
    QCOMPARE(Cell(form, 11, 2), QString()); // FET has no reference value
    QCOMPARE(s.Results.Cells[1][0], QString("   100"));
    // The live curve of the new run stays on the volume-time plot in its colour.
    QVERIFY(HasColour(Named<PictureArea>(form, "volumeTimePlot")->Picture(), QColor(255, 0, 0)));
    // The status text of the run.
    QVERIFY(Named<DescriptionView>(form, "descriptionBox")->toPlainText().size() > 10);
}

void WindowCommandsTest::UseAsReferenceAndDeleteRewriteTheHistory() {
    MainWindow form;
    AppState& s = form.State();
    QTest::mouseClick(Named(form, "mainGroupPanel"), Qt::LeftButton, {}, QPoint(2, 2));
    auto* mainResistance = Named<QSlider>(form, "mainResistanceSlider");
    QVERIFY(mainResistance->isEnabled());
    mainResistance->setValue(300); // 200 % main airway resistance
    QCOMPARE(s.Session.Parameters().At(kBothLungs, 1), 200.0);
    QCOMPARE(s.Results.Cells[0][0], QString("   200"));
    form.OnStartClicked();
    QCOMPARE(s.Results.Cells[1][0], QString("   200"));
    QVERIFY(s.Session.Runs().Slots[1].FEV1 < s.Session.Runs().Slots[0].FEV1); // obstruction
    QCOMPARE(Cell(form, 1, 4).toInt() < 100, true);

    form.OnUseAsReferenceChosen();
    QCOMPARE(s.Session.Runs().Slots[0].ParameterBlock[RegionRow(kBothLungs)][0], 200.0f);
    QCOMPARE(s.Results.Cells[4][0], QString("   200"));
    QCOMPARE(s.Results.Cells[1][0], QString("   100"));
    QCOMPARE(Cell(form, 1, 3), Cell(form, 1, 2));

    form.OnDeleteRowChosen();
    QCOMPARE(s.Session.Runs().RunCount, 0);
    QCOMPARE(s.Session.Runs().SelectedRun, -1);
    QVERIFY(Cell(form, 1, 3).isEmpty());
}

void WindowCommandsTest::FailedRunIsListedAsAnError() {
    MainWindow form;
    AppState& s = form.State();
    // Lungs ten times as stiff (no slider reaches this; a stored run can):
    // the model fails numerically.
    s.Session.Parameters().At(kBothLungs, 8) = 10;
    form.OnStartClicked();
    QCOMPARE(s.Session.Runs().Slots[1].RunStatus, -1.0f);
    QCOMPARE(s.Session.Runs().RunCount, 1);
    QCOMPARE(Cell(form, 1, 3), QString("error"));
    QCOMPARE(Cell(form, 1, 4), QString(" "));
    QVERIFY(!Cell(form, 1, 2).isEmpty()); // the reference is still shown
    QVERIFY(form.isEnabled());
    // The next run starts from the reset model and the user's settings.
    s.Session.Parameters().At(kBothLungs, 8) = 100;
    form.OnStartClicked();
    QCOMPARE(s.Session.Runs().Slots[1].RunStatus, 1.0f);
    QCOMPARE(s.Session.Runs().Slots[2].RunStatus, -1.0f);
}

// START selects row 1 but leaves the grid's current cell on the row clicked
// before; clicking that row again must select its run.
void WindowCommandsTest::ClickOnTheCurrentRunRowSelectsItAgain() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    AppState& s = form.State();
    form.OnStartClicked();
    form.OnStartClicked();
    const QPoint row2 = Named<StringGrid>(form, "resultsTable")->CellRect(0, 2).center();
    QTest::mouseClick(Named<StringGrid>(form, "resultsTable")->viewport(), Qt::LeftButton, {}, row2);
    QCOMPARE(s.Session.Runs().SelectedRun, 2);
    form.OnStartClicked();
    QCOMPARE(s.Session.Runs().SelectedRun, 1);
    QTest::mouseClick(Named<StringGrid>(form, "resultsTable")->viewport(), Qt::LeftButton, {}, row2);
    QCOMPARE(s.Session.Runs().SelectedRun, 2);
}

// Only a row that lists a run selects it: the reference row, an empty row and
// the settings row leave the selected run and its sliders as they were.
void WindowCommandsTest::ClicksOnRowsWithoutARunSelectNothing() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    AppState& s = form.State();
    QTest::mouseClick(Named(form, "mainGroupPanel"), Qt::LeftButton, {}, QPoint(2, 2));
    auto* mainResistance = Named<QSlider>(form, "mainResistanceSlider");
    mainResistance->setValue(300); // 200 %: the older run, row 2
    form.OnStartClicked();
    mainResistance->setValue(200); // 100 %, as the reference
    form.OnStartClicked();
    auto* results = Named<StringGrid>(form, "resultsTable");
    const auto click = [&](int row) {
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                          results->CellRect(0, row).center());
    };
    click(2);
    QCOMPARE(s.Session.Runs().SelectedRun, 2);
    QCOMPARE(mainResistance->value(), 300);
    for (const int row : {kReferenceRow, 3, kSettingsRow}) {
        click(row);
        QCOMPARE(results->Row(), row);
        QCOMPARE(s.Session.Runs().SelectedRun, 2);
        QCOMPARE(mainResistance->value(), 300);
    }
}

// While START runs, nothing may be chosen from the menu bar (the main items
// are locked by name, View with the window) and no row of the results table;
// afterwards everything is live again.
void WindowCommandsTest::ARunLocksTheMainMenuAndTheTableUntilItEnds() {
    MainWindow form;
    QStringList liveDuringTheRun;
    bool tableLive = true;
    QTimer::singleShot(0, &form, [&] {
        for (QAction* item : form.menuBar()->actions())
            if (item->isEnabled()) liveDuringTheRun << item->text();
        tableLive = Named(form, "resultsTable")->isEnabled();
    });
    form.OnStartClicked();
    QCOMPARE(liveDuringTheRun, QStringList());
    QVERIFY(!tableLive);
    for (QAction* item : form.menuBar()->actions())
        QVERIFY2(item->isEnabled(), qPrintable(item->text()));
    QVERIFY(Named(form, "resultsTable")->isEnabled());
}

void WindowCommandsTest::EveryHelpControlIsAControlOfTheWindow() {
    MainWindow form;
    QCOMPARE(ContextHelpControls().size(), size_t(50));
    for (const ContextHelpControl& control : ContextHelpControls())
        QVERIFY2(form.findChild<QWidget*>(control.ControlName), control.ControlName);
    // The middle resistance's last label and the CCC labels fall back to the general page.
    const SlidersArea& sliders = *Named<SlidersArea>(form, "slidersArea");
    QCOMPARE(ContextHelpPage(sliders.ScaleLabel(kScaleMiddleR, 4)->objectName()), kGeneralHelpPage);
    QCOMPARE(ContextHelpPage(sliders.ScaleLabel(kScaleMiddleR, 0)->objectName()),
             QString("H0002.rtf"));
    QCOMPARE(ContextHelpPage(Named(form, "peripheralGroupPanel")->objectName()),
             QString("H0003.rtf"));
}

BREATHLAB_WINDOW_TEST_MAIN(WindowCommandsTest)

#include "window_commands_test.moc"
