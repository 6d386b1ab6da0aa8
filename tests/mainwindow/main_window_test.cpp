// The main window built off screen: every control the handlers refer to is
// there under its name with its text, the menus are complete, and the grid
// widget behind the tables keeps its cells and its current cell straight.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "main_window.h"
#include "picture_area.h"
#include "string_grid.h"

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void EveryNamedControlExists();
    void ButtonsAndLabelsCarryTheirTexts();
    void MenusHoldTheirItems();
    void SlidersHaveTheirRangesAndStartPositions();
    void HolderControlsStayHidden();
    void TablesAndTimerAreSetUp();
    void LayoutIsAppliedToTheControls();
    void Label50FollowsTheBottomAndNothingElseMoves();
    void QuitClosesTheWindow();

    void GridKeepsTextsWhenItGrows();
    void GridCellsFollowWidthsAndGridLines();
    void GridAsksBeforeChangingTheCurrentCell();
    void GridLeftClickSelectsThenReportsTheButton();
};

void MainWindowTest::EveryNamedControlExists() {
    TForm1 form;
    const char* widgets[] = {
        "Image1",    "Image2",    "Image3",    "StringGrid1", "StringGrid2", "StringGrid3",
        "tparm",     "Panel1",    "Panel2",    "Panel3",      "Panel4",      "Panel5",
        "Panel6",    "Panel7",    "Panel8",    "Label26",     "Label50",     "Label56",
        "Memo1",     "TrackBar1", "TrackBar2", "TrackBar3",   "TrackBar4",   "TrackBar5",
        "TrackBar6", "TrackBar7", "TrackBar8", "TrackBar9",   "Button1",     "Button2",
        "Button3",   "Button6",   "Button8",   "Button9",     "Button10",    "Button11",
        "Button12",  "GroupBox1", "RichEdit1", "ComboBox1",   "CheckBox1",   "PopupMenu1",
    };
    for (const char* name : widgets)
        QVERIFY2(form.findChild<QWidget*>(name), name);
    for (const char* name : {"Open1", "Save1", "Saveas1", "refDefault1", "Help1", "About1", "Quit1",
                             "DE1", "Useasref1", "Settins1", "Pomoc1"})
        QVERIFY2(form.findChild<QAction*>(name), name);
    QVERIFY(form.findChild<QTimer*>("Timer1"));
    QCOMPARE(form.windowTitle(), QString("Varo e-breathlab "));
}

void MainWindowTest::ButtonsAndLabelsCarryTheirTexts() {
    TForm1 form;
    const std::pair<const char*, const char*> buttons[] = {
        {"Button2", "START"},       {"Button1", "reset"},      {"Button9", "pause"},
        {"Button10", "3"},          {"Button8", "animation"},  {"Button3", "Delete row"},
        {"Button6", "Use as ref."}, {"Button11", "reset all"}, {"Button12", "Settings"},
    };
    for (const auto& [name, text] : buttons)
        QCOMPARE(form.findChild<QPushButton*>(name)->text(), QString(text));
    QCOMPARE(form.GroupBox1->title(), QString("Selected row"));
    QCOMPARE(form.Label26->text(), QString("Data from file:  Standard"));
    QCOMPARE(form.Label50->text(), QString());
    QCOMPARE(form.Label56->text(), QString("Both lungs"));
    QCOMPARE(form.CheckBox1->text(), QString("tab"));
    QCOMPARE(form.CaptionMain->text(), QString("MAIN"));
    QCOMPARE(form.CaptionMiddle->text(), QString("MIDDLE"));
    QCOMPARE(form.CaptionPeripheral->text(), QString("PERIPHERAL"));
    QCOMPARE(form.CaptionLungs->text(), QString("LUNGS"));
    QVERIFY(form.CaptionMain->font().bold());

    using namespace breathlab;
    QCOMPARE(form.Titles[kTitleMiddleR]->text(), QString(" R(1/lumen)"));
    QCOMPARE(form.Titles[kTitlePeripheralR]->text(), QString(" R(1/lumen)"));
    QCOMPARE(form.Titles[kTitleCCC]->text(), QString("CCC"));
    QCOMPARE(form.Titles[kTitleStiff]->text(), QString("Stiff"));
    QCOMPARE(form.ScaleLabels[kScaleMiddleR][4]->text(), QString("1600 (v. heavy)"));
    QCOMPARE(form.ScaleLabels[kScaleMainR][4]->text(), QString("800%"));
    QCOMPARE(form.ScaleLabels[kScaleCCC][2]->text(), QString("150%"));
    QCOMPARE(form.ScaleLabels[kScaleLungs][1]->text(), QString("75%"));
    QCOMPARE(form.LabelExpirationDepth->text(), QString("expiration deepness"));
    QCOMPARE(form.LabelDepthMax->text(), QString("400 %"));
    QCOMPARE(form.ComboBox1->count(), 3);
    QCOMPARE(form.ComboBox1->itemText(2), QString("Right lung"));
    // Each scale label lives in the panel of its slider, so it moves with it.
    QCOMPARE(form.ScaleLabels[kScalePeripheralR][0]->parentWidget(), form.Panel3);
    QCOMPARE(form.ScaleLabels[kScaleLungs][0]->parentWidget(), form.Panel4);
    QCOMPARE(form.Label26->parentWidget(), form.Panel6);
}

void MainWindowTest::MenusHoldTheirItems() {
    TForm1 form;
    QStringList top;
    for (QAction* action : form.menuBar()->actions())
        top << action->text();
    // The teaching menus come after the classic ones, which keep their places.
    QCOMPARE(top, QStringList({"File", "ref.Default", "Help", "About", "Quit", "Cases", "Exercise"}));
    QStringList file;
    for (QAction* action : form.File1->actions())
        file << action->text();
    QCOMPARE(file, QStringList({"Open", "Save", "Save as", "Export..."}));
    QStringList popup;
    for (QAction* action : form.PopupMenu1->actions())
        popup << action->text();
    QCOMPARE(popup, QStringList({"Delete selected row", "Use as reference", "Settins", "Pomoc"}));
    QCOMPARE(form.MainMenuItems().size(), 7);
    QCOMPARE(form.MainMenuItems().first(), form.File1->menuAction());
}

void MainWindowTest::SlidersHaveTheirRangesAndStartPositions() {
    TForm1 form;
    const int expected[9][3] = {{100, 500, 200}, {100, 500, 200}, {100, 600, 200},
                                {100, 500, 200}, {100, 500, 200}, {100, 500, 200},
                                {100, 500, 300}, {100, 500, 300}, {0, 400, 200}};
    for (int k = 1; k <= 9; ++k) {
        QSlider* slider = form.TrackBar(k);
        QCOMPARE(slider->objectName(), QString("TrackBar%1").arg(k));
        QCOMPARE(slider->minimum(), expected[k - 1][0]);
        QCOMPARE(slider->maximum(), expected[k - 1][1]);
        QCOMPARE(slider->value(), expected[k - 1][2]);
        QCOMPARE(slider->tickInterval(), 100);
        QCOMPARE(slider->orientation(), k == 9 ? Qt::Horizontal : Qt::Vertical);
        if (k != 9) QVERIFY(slider->invertedAppearance()); // minimum at the top
    }
}

void MainWindowTest::HolderControlsStayHidden() {
    TForm1 form;
    form.show();
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             form.tparm, form.ComboBox1, form.TrackBar9, form.StringGrid3, form.TrackBar4,
             form.Panel8, form.Button11, form.Button12, form.Label56, form.Memo1, form.CheckBox1,
             form.Titles[breathlab::kTitleStiff]})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    for (QWidget* shown : std::initializer_list<QWidget*>{
             form.Image1, form.StringGrid1, form.StringGrid2, form.Panel6, form.Panel1,
             form.TrackBar1, form.Button2, form.GroupBox1, form.RichEdit1, form.Label26})
        QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
}

void MainWindowTest::TablesAndTimerAreSetUp() {
    TForm1 form;
    QCOMPARE(form.StringGrid1->ColCount(), 5);
    QCOMPARE(form.StringGrid1->RowCount(), 16);
    QCOMPARE(form.StringGrid1->FixedRows(), 1);
    QCOMPARE(form.StringGrid1->FixedColor(), QColor(0, 255, 255));
    QCOMPARE(form.StringGrid1->Color(), QColor(192, 192, 192));
    QCOMPARE(form.StringGrid2->ColCount(), 11);
    QCOMPARE(form.StringGrid2->RowCount(), 5);
    QCOMPARE(form.StringGrid2->FixedRows(), 0);
    QCOMPARE(form.StringGrid2->Col(), 0);
    QCOMPARE(form.StringGrid2->Row(), 1); // start-up selects the first run row
    QCOMPARE(form.StringGrid3->ColCount(), 1);
    QCOMPARE(form.tparm->ColCount(), 5);
    QVERIFY(form.tparm->RowCount() >= 40); // grows to the shipped hot-spot table
    QCOMPARE(form.Timer1->interval(), 2000);
    QVERIFY(form.RichEdit1->isReadOnly());
    QCOMPARE(form.Image1->cursor().shape(), Qt::PointingHandCursor);
}

void MainWindowTest::LayoutIsAppliedToTheControls() {
    TForm1 form;
    const breathlab::StartupLayout& L = form.Layout();
    QCOMPARE(form.Image1->geometry(),
             QRect(L.Image1.Left, L.Image1.Top, L.Image1.Width, L.Image1.Height));
    QCOMPARE(form.Button2->geometry(), QRect(L.Button2.Left, L.Button2.Top, 90, 40));
    QCOMPARE(form.TrackBar3->geometry().left(), L.TrackBars[2].Left);
    QCOMPARE(form.StringGrid2->ColWidth(2), 15);
    QCOMPARE(form.StringGrid2->RowHeight(), L.StringGrid2Grid.RowHeight);
    QCOMPARE(form.StringGrid1->ColWidth(0), L.StringGrid1Grid.ColWidths[0]);
    // Panel6's rounded corners leave its corner pixels outside its shape.
    QVERIFY(!form.Panel6->mask().isEmpty());
    QVERIFY(!form.Panel6->mask().contains(QPoint(0, 0)));
    QVERIFY(form.Panel6->mask().contains(QPoint(form.Panel6->width() / 2, 0)));
}

void MainWindowTest::Label50FollowsTheBottomAndNothingElseMoves() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const int labelTop = form.Label50->y();
    const QRect start = form.Button2->geometry();
    const int clientHeight = form.Client->height();
    form.resize(form.width(), form.height() + 40);
    QTRY_COMPARE(form.Client->height(), clientHeight + 40);
    QCOMPARE(form.Label50->y(), labelTop + 40);
    QCOMPARE(form.Button2->geometry(), start);
}

void MainWindowTest::QuitClosesTheWindow() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.Quit1->trigger();
    QVERIFY(!form.isVisible());
}

void MainWindowTest::GridKeepsTextsWhenItGrows() {
    StringGrid grid(2, 2);
    grid.SetCell(1, 1, "x");
    grid.SetCell(5, 5, "outside");
    QCOMPARE(grid.Cell(5, 5), QString());
    grid.SetRowCount(4);
    grid.SetColCount(3);
    QCOMPARE(grid.Cell(1, 1), QString("x"));
    grid.SetCell(2, 3, "corner");
    QCOMPARE(grid.Cell(2, 3), QString("corner"));
    grid.SetRowCount(1);
    QCOMPARE(grid.Cell(1, 1), QString());
}

void MainWindowTest::GridCellsFollowWidthsAndGridLines() {
    StringGrid grid(3, 3);
    grid.resize(300, 300);
    grid.SetColWidth(0, 50);
    grid.SetColWidth(1, 15);
    grid.SetColWidth(2, 40);
    grid.SetRowHeight(20);
    // Each cell is followed by a one-pixel grid line.
    QCOMPARE(grid.CellRect(2, 1), QRect(50 + 1 + 15 + 1, 21, 40, 20));
    int col = -1;
    int row = -1;
    QVERIFY(grid.CellAt(QPoint(60, 45), &col, &row));
    QCOMPARE(col, 1);
    QCOMPARE(row, 2);
    QVERIFY(!grid.CellAt(QPoint(50, 5), &col, &row)); // on the grid line
}

void MainWindowTest::GridAsksBeforeChangingTheCurrentCell() {
    StringGrid grid(3, 4);
    grid.SetFixedRows(1);
    QCOMPARE(grid.Row(), 1); // a fixed row cannot be current
    bool allow = false;
    QList<QPair<int, int>> offered;
    QObject::connect(&grid, &StringGrid::SelectCell, [&](int col, int row, bool* canSelect) {
        offered.append({col, row});
        *canSelect = allow;
    });
    grid.SetCurrentCell(2, 3);
    QCOMPARE(offered.size(), 1);
    QCOMPARE(grid.Row(), 1);
    allow = true;
    grid.SetCurrentCell(2, 3);
    QCOMPARE(grid.Col(), 2);
    QCOMPARE(grid.Row(), 3);
    grid.SetCurrentCell(2, 3); // the same cell is not offered again
    grid.SetCurrentCell(0, 0); // nor is a fixed row
    grid.SetCurrentCell(0, 9); // nor a row outside the grid
    QCOMPARE(offered.size(), 2);
}

void MainWindowTest::GridLeftClickSelectsThenReportsTheButton() {
    StringGrid grid(2, 3);
    grid.resize(200, 200);
    grid.SetColWidth(0, 50);
    grid.SetColWidth(1, 50);
    grid.SetRowHeight(20);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    int rowAtMouseDown = -1;
    QObject::connect(&grid, &StringGrid::MouseDown,
                     [&](Qt::MouseButton, const QPoint&) { rowAtMouseDown = grid.Row(); });
    QSignalSpy downs(&grid, &StringGrid::MouseDown);
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, QPoint(60, 45));
    QCOMPARE(grid.Row(), 0); // the right button does not select
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(60, 45));
    QCOMPARE(downs.size(), 2);
    QCOMPARE(downs.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(rowAtMouseDown, 2);
    QCOMPARE(grid.Col(), 1);
}

// Each test process keeps its single-instance lock in a folder of its own.
int main(int argc, char* argv[]) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "main_window_test.moc"
