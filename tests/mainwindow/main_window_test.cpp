// The main window built off screen: every control the handlers refer to is
// there under its name with its text, the menus are complete, and the grid
// widget behind the tables keeps its cells and its current cell straight.
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStyleOptionSlider>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "main_window.h"

#include "airway_panel.h"
#include "description_view.h"
#include "picture_area.h"
#include "plot_canvas.h"
#include "presentation_mode.h"
#include "sliders_area.h"
#include "string_grid.h"
#include "window_actions.h"
#include "window_test_main.h"

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
    void BottomAnchorFollowsTheBottomAndNothingElseMoves();
    void QuitClosesTheWindow();
    void TablesStayReadableWhileTheWindowIsDisabled();
    void AnIdleWindowStopsPainting();
    void IndicesBandsFillWholeCells();
    void DescriptionShowsItsTopAndItsRuleFitsOneLine();
    void BeforeAnyRunTheDescriptionSaysWhatToDoFirst_data();
    void BeforeAnyRunTheDescriptionSaysWhatToDoFirst();
    void LeftClickOnAScaleLabelSelectsItsGroup();
    void EveryTextFitsAndNothingOverlapsOnEveryScreen_data();
    void EveryTextFitsAndNothingOverlapsOnEveryScreen();
    void PresentationModeIsKeptInTheSettings();
    void PresentationModeReachesTheAboutBoxAndTheSettingsView();
    void ScaleLabelsStandLevelWithTheThumb();
    void PicturesAreDrawnAtTheDeviceResolution();

    void GridKeepsTextsWhenItGrows();
    void GridCellsFollowWidthsAndGridLines();
    void GridAsksBeforeChangingTheCurrentCell();
    void GridLeftClickSelectsThenReportsTheButton();
};

// The sliders by number 1..9, as MainWindow::Slider counts them.
const char* const kSliderNames[9] = {"mainResistanceSlider",
                                     "deadSpaceSlider",
                                     "middleResistanceSlider",
                                     "middleStiffnessSlider",
                                     "peripheralResistanceSlider",
                                     "closingCapacitySlider",
                                     "lungSizeSlider",
                                     "lungComplianceSlider",
                                     "expirationDepthSlider"};

void MainWindowTest::EveryNamedControlExists() {
    MainWindow form;
    const char* widgets[] = {
        "airwayPicture",    "flowVolumePlot",        "volumeTimePlot",       "indicesTable",
        "resultsTable",     "expirationDepthColumn", "hotSpotGrid",          "mainGroupPanel",
        "middleGroupPanel", "peripheralGroupPanel",  "lungsGroupPanel",      "airwayGroupsFrame",
        "lowerPanel",       "lungGroupFrame",        "hiddenGroupPanel",     "dataSourceLine",
        "bottomAnchor",     "lungSelectorLabel",     "regionLabel",          "resetButton",
        "startButton",      "deleteRowButton",       "useAsReferenceButton", "animationButton",
        "pauseButton",      "animationSpeedButton",  "resetAllButton",       "settingsButton",
        "selectedRowBox",   "descriptionBox",        "lungSelector",         "hotSpotTableBox",
        "resultsRowMenu",
    };
    for (const char* name : widgets)
        QVERIFY2(form.findChild<QWidget*>(name), name);
    for (const char* name : kSliderNames)
        QVERIFY2(form.findChild<QSlider*>(name), name);
    for (const char* name : {"openAction", "saveAction", "saveAsAction", "defaultReferenceAction",
                             "helpAction", "aboutAction", "quitAction", "deleteRowAction",
                             "useAsReferenceAction", "rowSettingsAction", "rowHelpAction"})
        QVERIFY2(form.findChild<QAction*>(name), name);
    QVERIFY(form.findChild<QTimer*>("regionLabelTimer"));
    QCOMPARE(form.windowTitle(), QString("Varo e-breathlab "));
}

void MainWindowTest::ButtonsAndLabelsCarryTheirTexts() {
    MainWindow form;
    const std::pair<const char*, const char*> buttons[] = {
        {"startButton", "START"},
        {"resetButton", "reset"},
        {"pauseButton", "pause"},
        {"animationSpeedButton", "3"},
        {"animationButton", "animation"},
        {"deleteRowButton", "Delete row"},
        {"useAsReferenceButton", "Use as ref."},
        {"resetAllButton", "reset all"},
        {"settingsButton", "Settings"},
    };
    for (const auto& [name, text] : buttons)
        QCOMPARE(form.findChild<QPushButton*>(name)->text(), QString(text));
    QCOMPARE(Named<QGroupBox>(form, "selectedRowBox")->title(), QString("Selected row"));
    QCOMPARE(Named<QLabel>(form, "dataSourceLine")->text(), QString("Data from file:  Standard"));
    QCOMPARE(Named<QLabel>(form, "bottomAnchor")->text(), QString());
    QCOMPARE(Named<QLabel>(form, "lungSelectorLabel")->text(), QString("Both lungs"));
    QCOMPARE(Named<QCheckBox>(form, "hotSpotTableBox")->text(), QString("tab"));
    QCOMPARE(Named<QLabel>(form, "MainCaption")->text(), QString("MAIN"));
    QCOMPARE(Named<QLabel>(form, "MiddleCaption")->text(), QString("MIDDLE"));
    QCOMPARE(Named<QLabel>(form, "PeripheralCaption")->text(), QString("PERIPHERAL"));
    QCOMPARE(Named<QLabel>(form, "LungsCaption")->text(), QString("LUNGS"));
    QVERIFY(Named<QLabel>(form, "MainCaption")->font().bold());

    using namespace breathlab;
    const SlidersArea& sliders = *Named<SlidersArea>(form, "slidersArea");
    QCOMPARE(Named<QLabel>(form, "MiddleTitle")->text(), QString(" R(1/lumen)"));
    QCOMPARE(Named<QLabel>(form, "PeripheralTitle")->text(), QString(" R(1/lumen)"));
    QCOMPARE(Named<QLabel>(form, "CCCTitle")->text(), QString("CCC"));
    QCOMPARE(Named<QLabel>(form, "StiffTitle")->text(), QString("Stiff"));
    QCOMPARE(sliders.ScaleLabel(kScaleMiddleR, 4)->text(), QString("1600 (v. heavy)"));
    QCOMPARE(sliders.ScaleLabel(kScaleMainR, 4)->text(), QString("800%"));
    QCOMPARE(sliders.ScaleLabel(kScaleCCC, 2)->text(), QString("150%"));
    QCOMPARE(sliders.ScaleLabel(kScaleLungs, 1)->text(), QString("75%"));
    QCOMPARE(Named<QLabel>(form, "LabelExpirationDepth")->text(), QString("expiration deepness"));
    QCOMPARE(Named<QLabel>(form, "LabelDepthMax")->text(), QString("400 %"));
    QCOMPARE(Named<QComboBox>(form, "lungSelector")->count(), 3);
    QCOMPARE(Named<QComboBox>(form, "lungSelector")->itemText(2), QString("Right lung"));
    // Each scale label lives in the panel of its slider, so it moves with it.
    QCOMPARE(sliders.ScaleLabel(kScalePeripheralR, 0)->parentWidget(),
             Named(form, "peripheralGroupPanel"));
    QCOMPARE(sliders.ScaleLabel(kScaleLungs, 0)->parentWidget(), Named(form, "lungsGroupPanel"));
    QCOMPARE(Named<QLabel>(form, "dataSourceLine")->parentWidget(), Named(form, "lowerPanel"));
}

void MainWindowTest::MenusHoldTheirItems() {
    MainWindow form;
    QStringList top;
    for (QAction* action : form.menuBar()->actions())
        top << action->text();
    // The teaching menus come after the classic ones, which keep their places.
    QCOMPARE(top,
             QStringList({"File", "ref.Default", "Help", "About", "Quit", "Cases", "Exercise", "View"}));
    const auto* fileMenu = Named<QMenu>(form, "fileMenu");
    QStringList file;
    for (QAction* action : fileMenu->actions())
        file << action->text();
    QCOMPARE(file, QStringList({"Open", "Save", "Save as", "Export..."}));
    QStringList popup;
    for (QAction* action : Named<QMenu>(form, "resultsRowMenu")->actions())
        popup << action->text();
    QCOMPARE(popup, QStringList({"Delete selected row", "Use as reference", "Settins", "Pomoc"}));
    const QList<QAction*> mainItems = Named<WindowActions>(form, "windowActions")->MainMenuItems();
    QCOMPARE(mainItems.size(), 7);
    QCOMPARE(mainItems.first(), fileMenu->menuAction());
}

void MainWindowTest::SlidersHaveTheirRangesAndStartPositions() {
    MainWindow form;
    const int expected[9][3] = {{100, 500, 200}, {100, 500, 200}, {100, 600, 200},
                                {100, 500, 200}, {100, 500, 200}, {100, 500, 200},
                                {100, 500, 300}, {100, 500, 300}, {0, 400, 200}};
    for (int k = 1; k <= 9; ++k) {
        QSlider* slider = form.Slider(k);
        QCOMPARE(slider->objectName(), QString(kSliderNames[k - 1]));
        QCOMPARE(slider->minimum(), expected[k - 1][0]);
        QCOMPARE(slider->maximum(), expected[k - 1][1]);
        QCOMPARE(slider->value(), expected[k - 1][2]);
        QCOMPARE(slider->tickInterval(), 100);
        QCOMPARE(slider->orientation(), k == 9 ? Qt::Horizontal : Qt::Vertical);
        if (k != 9) QVERIFY(slider->invertedAppearance()); // minimum at the top
    }
}

void MainWindowTest::HolderControlsStayHidden() {
    MainWindow form;
    form.show();
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             Named(form, "hotSpotGrid"), Named(form, "lungSelector"), Named(form, "expirationDepthSlider"),
             Named<StringGrid>(form, "expirationDepthColumn"), Named(form, "middleStiffnessSlider"),
             Named(form, "hiddenGroupPanel"), Named(form, "resetAllButton"),
             Named(form, "settingsButton"), Named(form, "lungSelectorLabel"), Named(form, "regionLabel"),
             Named(form, "hotSpotTableBox"), Named(form, "StiffTitle")})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    for (QWidget* shown : std::initializer_list<QWidget*>{
             Named(form, "airwayPicture"), Named<StringGrid>(form, "indicesTable"), Named<StringGrid>(form, "resultsTable"),
             Named(form, "lowerPanel"), Named(form, "mainGroupPanel"), Named(form, "mainResistanceSlider"),
             Named(form, "startButton"), Named(form, "selectedRowBox"), Named(form, "descriptionBox"),
             Named<QLabel>(form, "dataSourceLine")})
        QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
}

void MainWindowTest::TablesAndTimerAreSetUp() {
    MainWindow form;
    QCOMPARE(Named<StringGrid>(form, "indicesTable")->ColCount(), 5);
    QCOMPARE(Named<StringGrid>(form, "indicesTable")->RowCount(), 16);
    QCOMPARE(Named<StringGrid>(form, "indicesTable")->FixedRows(), 1);
    QCOMPARE(Named<StringGrid>(form, "indicesTable")->FixedColor(), QColor(0, 255, 255));
    QCOMPARE(Named<StringGrid>(form, "indicesTable")->Color(), QColor(192, 192, 192));
    QCOMPARE(Named<StringGrid>(form, "resultsTable")->ColCount(), 11);
    QCOMPARE(Named<StringGrid>(form, "resultsTable")->RowCount(), 5);
    QCOMPARE(Named<StringGrid>(form, "resultsTable")->FixedRows(), 0);
    QCOMPARE(Named<StringGrid>(form, "resultsTable")->Col(), 0);
    QCOMPARE(Named<StringGrid>(form, "resultsTable")->Row(), 1); // start-up selects the first run row
    QCOMPARE(Named<StringGrid>(form, "expirationDepthColumn")->ColCount(), 1);
    QCOMPARE(Named<StringGrid>(form, "hotSpotGrid")->ColCount(), 5);
    // grows to the shipped hot-spot table
    QVERIFY(Named<StringGrid>(form, "hotSpotGrid")->RowCount() >= 40);
    QCOMPARE(Named<QTimer>(form, "regionLabelTimer")->interval(), 2000);
    QVERIFY(Named<DescriptionView>(form, "descriptionBox")->isReadOnly());
    QCOMPARE(Named(form, "airwayPicture")->cursor().shape(), Qt::PointingHandCursor);
}

void MainWindowTest::LayoutIsAppliedToTheControls() {
    MainWindow form;
    const breathlab::StartupLayout& L = form.Layout();
    QCOMPARE(Named(form, "airwayPicture")->geometry(),
             QRect(L.airwayPicture.Left, L.airwayPicture.Top, L.airwayPicture.Width,
                   L.airwayPicture.Height));
    QCOMPARE(
        Named(form, "startButton")->geometry(),
        QRect(L.startButton.Left, L.startButton.Top, L.startButton.Width, L.startButton.Height));
    QCOMPARE(Named(form, "middleResistanceSlider")->geometry().left(), L.TrackBars[2].Left);
    QCOMPARE(Named<StringGrid>(form, "resultsTable")->ColWidth(2), 15);
    QCOMPARE(Named<StringGrid>(form, "resultsTable")->RowHeight(), L.ResultsTableGrid.RowHeight);
    QCOMPARE(Named<StringGrid>(form, "indicesTable")->ColWidth(0), L.IndicesTableGrid.ColWidths[0]);
    // lowerPanel's rounded corners leave its corner pixels outside its shape.
    const QWidget* lowerPanel = Named(form, "lowerPanel");
    QVERIFY(!lowerPanel->mask().isEmpty());
    QVERIFY(!lowerPanel->mask().contains(QPoint(0, 0)));
    QVERIFY(lowerPanel->mask().contains(QPoint(lowerPanel->width() / 2, 0)));
}

void MainWindowTest::BottomAnchorFollowsTheBottomAndNothingElseMoves() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const int labelTop = Named<QLabel>(form, "bottomAnchor")->y();
    const QRect start = Named(form, "startButton")->geometry();
    const int clientHeight = form.centralWidget()->height();
    form.resize(form.width(), form.height() + 40);
    QTRY_COMPARE(form.centralWidget()->height(), clientHeight + 40);
    QCOMPARE(Named<QLabel>(form, "bottomAnchor")->y(), labelTop + 40);
    QCOMPARE(Named(form, "startButton")->geometry(), start);
}

void MainWindowTest::QuitClosesTheWindow() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Named<QAction>(form, "quitAction")->trigger();
    QVERIFY(!form.isVisible());
}

namespace {

// Pixels of a cell of a grid as the screen shows it.
QImage CellPixels(StringGrid* grid, int col, int row) {
    return grid->viewport()->grab(grid->CellRect(col, row)).toImage();
}

int DarkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 96) ++dark;
    return dark;
}

} // namespace

// A run disables the whole window; the indices table is what the user reads
// meanwhile, so its names stay dark on silver.
void MainWindowTest::TablesStayReadableWhileTheWindowIsDisabled() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const int nameDark =
        DarkPixels(CellPixels(Named<StringGrid>(form, "indicesTable"), 0, 1)); // "FEV1"
    const int headerDark =
        DarkPixels(CellPixels(Named<StringGrid>(form, "indicesTable"), 2, 0)); // "Ref."
    QVERIFY(nameDark > 0);
    QVERIFY(headerDark > 0);
    form.setEnabled(false);
    QCOMPARE(DarkPixels(CellPixels(Named<StringGrid>(form, "indicesTable"), 0, 1)), nameDark);
    QCOMPARE(DarkPixels(CellPixels(Named<StringGrid>(form, "indicesTable"), 2, 0)), headerDark);
}

// A window that nobody touches paints a few times and then rests: a repaint
// that schedules another one would keep a classroom laptop's processor busy
// for as long as the program is open.
void MainWindowTest::AnIdleWindowStopsPainting() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(300);
    PaintCounter counter;
    Named(form, "airwayPicture")->installEventFilter(&counter);
    QTest::qWait(1000);
    QVERIFY2(counter.Paints < 5, qPrintable(QString::number(counter.Paints) + " paints in 1 s"));
}

void MainWindowTest::IndicesBandsFillWholeCells() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    StringGrid* grid = Named<StringGrid>(form, "indicesTable");
    // The bottom-right corner of each cell lies beside its text, not behind it.
    const auto corner = [&](int col, int row) {
        const QImage cell = CellPixels(grid, col, row);
        return QColor(cell.pixel(cell.width() - 2, cell.height() - 2));
    };
    QCOMPARE(corner(0, 0), QColor(0, 255, 255)); // the empty header cell
    QCOMPARE(corner(3, 0), QColor(0, 255, 255));
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    QCOMPARE(corner(0, 14), QColor(176, 176, 176)); // the empty row
    QCOMPARE(corner(1, 15), QColor(176, 176, 176));
    QCOMPARE(corner(1, 13), QColor(192, 192, 192));
}

void MainWindowTest::DescriptionShowsItsTopAndItsRuleFitsOneLine() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    DescriptionView* description = Named<DescriptionView>(form, "descriptionBox");
    QTest::mouseClick(Named(form, "middleGroupPanel"), Qt::LeftButton, {}, QPoint(2, 2));
    // The middle resistance's description.
    Named<QSlider>(form, "middleResistanceSlider")->setValue(300);
    QTextDocument* text = description->document();
    text->setTextWidth(description->viewport()->width());
    QApplication::processEvents();
    QVERIFY(text->toPlainText().size() > 20);
    QCOMPARE(description->verticalScrollBar()->value(), 0);
    QCOMPARE(description->textCursor().position(), 0);
    int rules = 0;
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next()) {
        if (!block.text().startsWith("---")) continue;
        ++rules;
        text->documentLayout()->blockBoundingRect(block); // lays the block out
        QCOMPARE(block.layout()->lineCount(), 1);
    }
    QCOMPARE(rules, 1);
}

void MainWindowTest::BeforeAnyRunTheDescriptionSaysWhatToDoFirst_data() {
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
}

// A new user reads what to do first, not how a run went; on the smallest
// screen the text is either whole in the box or the box scrolls to its end.
void MainWindowTest::BeforeAnyRunTheDescriptionSaysWhatToDoFirst() {
    QFETCH(QSize, screen);
    MainWindow form;
    form.LayOutForScreen(screen, screen - QSize(0, 40));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.State().Session.Runs().RunCount, 0);
    DescriptionView* description = Named<DescriptionView>(form, "descriptionBox");
    const QString text = description->toPlainText();
    for (const char* step : {"Choose a group", "sliders", "START"})
        QVERIFY2(text.contains(step), qPrintable(text));
    QVERIFY(!text.contains("completed"));
    QTextDocument* document = description->document();
    document->setTextWidth(description->viewport()->width());
    QApplication::processEvents();
    const QScrollBar* scroll = description->verticalScrollBar();
    const bool whole = document->size().height() <= description->viewport()->height();
    const bool scrolls = description->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff &&
                         scroll->maximum() > 0;
    QVERIFY2(whole || scrolls, qPrintable(QString("%1 px of text in %2 px")
                                              .arg(document->size().height())
                                              .arg(description->viewport()->height())));
}

void MainWindowTest::LeftClickOnAScaleLabelSelectsItsGroup() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    using namespace breathlab;
    QLabel* label = Named<SlidersArea>(form, "slidersArea")->ScaleLabel(kScaleCCC, 2);
    QVERIFY(!label->isEnabled());
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(form.State().Session.Parameters().SliderGroup, 4);
    QVERIFY(Named(form, "closingCapacitySlider")->isEnabled());
    QTest::mouseClick(Named(form, "SizeTitle"), Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(form.State().Session.Parameters().SliderGroup, 5);
    QVERIFY(!Named(form, "closingCapacitySlider")->isEnabled());
}

namespace {

QString Name(const QWidget* w) {
    return w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
}

QString RectText(const QRect& r) {
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QRect InClient(const MainWindow& form, const QWidget* w) {
    return QRect(w->mapTo(form.centralWidget(), QPoint(0, 0)), w->size());
}

// A text must fit the area a widget shows it in, and the widget must lie
// inside its parent, which would cut it off otherwise.
void CheckTextFits(QStringList& problems, const QWidget* w, const QString& text,
                   const QRect& area) {
    const QFontMetrics metrics(w->font());
    if (metrics.horizontalAdvance(text) > area.width() || metrics.height() > area.height())
        problems << QString("%1: \"%2\" needs %3x%4 in %5x%6")
                        .arg(Name(w), text)
                        .arg(metrics.horizontalAdvance(text))
                        .arg(metrics.height())
                        .arg(area.width())
                        .arg(area.height());
    if (w->parentWidget() && !w->parentWidget()->rect().contains(w->geometry()))
        problems << QString("%1 %2,%3 %4x%5 reaches outside %6 %7x%8")
                        .arg(Name(w))
                        .arg(w->x())
                        .arg(w->y())
                        .arg(w->width())
                        .arg(w->height())
                        .arg(Name(w->parentWidget()))
                        .arg(w->parentWidget()->width())
                        .arg(w->parentWidget()->height());
}

void CheckTexts(QStringList& problems, const MainWindow& form) {
    for (const QLabel* label : form.centralWidget()->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) continue;
        CheckTextFits(problems, label, label->text(), label->contentsRect());
    }
    for (const QPushButton* button : form.centralWidget()->findChildren<QPushButton*>()) {
        if (!button->isVisible()) continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        CheckTextFits(
            problems, button, button->text(),
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button));
    }
    const auto* selectedRowBox = Named<QGroupBox>(form, "selectedRowBox");
    QStyleOptionGroupBox option;
    option.initFrom(selectedRowBox);
    option.text = selectedRowBox->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title = form.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                     QStyle::SC_GroupBoxLabel, selectedRowBox);
    if (!selectedRowBox->rect().contains(title)) problems << "selectedRowBox: its title is cut";
}

// Header and data texts of the tables in their cells.
void CheckGrid(QStringList& problems, StringGrid* grid,
               const std::function<QString(int, int)>& text) {
    const QFontMetrics metrics(grid->font());
    for (int row = 0; row < grid->RowCount(); ++row) {
        for (int col = 0; col < grid->ColCount(); ++col) {
            const QString t = text(col, row);
            if (metrics.horizontalAdvance(t) + 2 > grid->ColWidth(col) ||
                metrics.height() + 2 > grid->RowHeight())
                problems << QString("%1 (%2, %3): \"%4\" does not fit")
                                .arg(Name(grid))
                                .arg(col)
                                .arg(row)
                                .arg(t);
        }
    }
    if (QFontInfo(grid->font()).pixelSize() < 10) problems << Name(grid) + ": unreadably small";
}

// Controls that the window puts on top of each other on purpose: the grey
// background under the lower half, the frames under their slider panels.
bool MayOverlap(const MainWindow& form, const QWidget* a, const QWidget* b) {
    for (const QWidget* background :
         {Named(form, "lowerPanel"), Named(form, "airwayGroupsFrame"),
          Named(form, "lungGroupFrame")})
        if (a == background || b == background) return true;
    // The region-name label stands over the picture and may reach past it.
    const QWidget* regionLabel = Named(form, "regionLabel");
    if (a == regionLabel || b == regionLabel) return true;
    return a->isAncestorOf(b) || b->isAncestorOf(a);
}

void CheckOverlaps(QStringList& problems, const MainWindow& form) {
    QList<QWidget*> controls;
    for (QWidget* w : form.centralWidget()->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->width() == 0 || w->height() == 0) continue;
        // Parts of composite controls belong to their control.
        if (qobject_cast<QScrollBar*>(w) || w->objectName().startsWith("qt_")) continue;
        if (w->parentWidget() != form.centralWidget() && !qobject_cast<QFrame*>(w->parentWidget()) &&
            !qobject_cast<QGroupBox*>(w->parentWidget()))
            continue;
        controls << w;
    }
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j)
            if (!MayOverlap(form, controls[i], controls[j]) &&
                InClient(form, controls[i]).intersects(InClient(form, controls[j])))
                problems << QString("%1 %2 overlaps %3 %4")
                                .arg(Name(controls[i]), RectText(InClient(form, controls[i])),
                                     Name(controls[j]), RectText(InClient(form, controls[j])));
}

// The program's own family, and the sans faces that machines without it
// commonly offer instead; their letters are wider than Liberation's.
const char* const kLayoutFamilies[] = {breathlab::kProgramFontFamily, "DejaVu Sans", "Noto Sans"};

// Puts the program's own font set-up back whatever a test forced.
struct ForcedFontFamily {
    explicit ForcedFontFamily(const QString& family) {
        breathlab::UseFontFamilyEverywhere(qPrintable(family));
    }
    ~ForcedFontFamily() { breathlab::UseProgramFont(); }
};

} // namespace

// In presentation mode no text of the window, its menus, tables and plots
// is below the presentation size; outside it the plots write no smaller than
// the tables.
void CheckTextSizes(QStringList& problems, const MainWindow& form, int smallestPx) {
    const int tablePx = QFontInfo(Named<StringGrid>(form, "indicesTable")->font()).pixelSize();
    const int plotPx = QFontInfo(breathlab::PlotFont("Arial", 8)).pixelSize();
    if (plotPx < std::max(smallestPx, tablePx))
        problems << QString("plot labels of %1 px beside table text of %2 px").arg(plotPx).arg(tablePx);
    if (smallestPx == 0) return;
    QList<const QWidget*> texts{form.menuBar(), Named<QMenu>(form, "fileMenu")};
    const QWidget* description = Named(form, "descriptionBox");
    for (const QWidget* w : form.centralWidget()->findChildren<QWidget*>())
        if (w->isVisible() && (qobject_cast<const QLabel*>(w) || qobject_cast<const QPushButton*>(w) ||
                               qobject_cast<const StringGrid*>(w) || w == description))
            texts << w;
    for (const QWidget* w : texts)
        if (QFontInfo(w->font()).pixelSize() < smallestPx)
            problems << QString("%1: %2 px text").arg(Name(w)).arg(QFontInfo(w->font()).pixelSize());
    if (QFontInfo(QApplication::font()).pixelSize() < smallestPx)
        problems << "dialogs and menus: text below the presentation size";
}

void MainWindowTest::EveryTextFitsAndNothingOverlapsOnEveryScreen_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("presentation");
    for (const char* family : kLayoutFamilies)
        for (const QSize size : {QSize(1024, 768), QSize(1280, 1024), QSize(1366, 768),
                                 QSize(1920, 1080), QSize(2560, 1440)})
            QTest::newRow(
                qPrintable(QString("%1x%2 %3").arg(size.width()).arg(size.height()).arg(family)))
                << size << QString::fromLatin1(family) << false;
    // The projector screens of a classroom, in presentation mode.
    for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)})
        QTest::newRow(qPrintable(QString("%1x%2 presentation").arg(size.width()).arg(size.height())))
            << size << QString::fromLatin1(breathlab::kProgramFontFamily) << true;
}

// Every visible label, button, group title and table text fits its
// rectangle, and no two controls overlap unless the window stacks them, on
// the screens classrooms have (run once more at a device pixel ratio of 2),
// in the program's font and in the faces other machines draw it in.
void MainWindowTest::EveryTextFitsAndNothingOverlapsOnEveryScreen() {
    QFETCH(QSize, screen);
    QFETCH(QString, family);
    QFETCH(bool, presentation);
    const ForcedFontFamily forced(family);
    QCOMPARE(QFontInfo(QFont("MS Sans Serif")).family(), family);
    MainWindow form;
    // A desktop keeps a panel of about 40 pixels.
    form.LayOutForScreen(screen, screen - QSize(0, 40));
    form.SetPresentationMode(presentation);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // The region-name label " lungs " over the picture.
    QTest::mouseClick(Named(form, "lungsGroupPanel"), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(Named(form, "regionLabel")->isVisible());
    QApplication::processEvents();
    QStringList problems;
    CheckTexts(problems, form);
    CheckOverlaps(problems, form);
    breathlab::AppState& s = form.State();
    CheckGrid(problems, Named<StringGrid>(form, "indicesTable"),
              [&](int c, int r) { return s.Indices.Cells[r][c]; });
    CheckGrid(problems, Named<StringGrid>(form, "resultsTable"),
              [&](int c, int r) { return s.Results.Cells[r][c]; });
    CheckTextSizes(problems, form,
                   presentation ? breathlab::PresentationTextPx(screen.height()) : 0);
    form.SetPresentationMode(false);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    QVERIFY(form.centralWidget()->height() <= screen.height());
}

// The choice outlives the program run, and the menu item has its shortcut.
void MainWindowTest::PresentationModeIsKeptInTheSettings() {
    {
        MainWindow form;
        auto* presentation = Named<QAction>(form, "presentationAction");
        QVERIFY(!presentation->isChecked());
        QCOMPARE(presentation->shortcut(), QKeySequence("Ctrl+Shift+P"));
        QVERIFY(Named<QMenu>(form, "viewMenu")->actions().contains(presentation));
        presentation->trigger();
        QVERIFY(form.InPresentationMode());
    }
    QVERIFY(breathlab::KeptPresentationSetting());
    MainWindow again;
    QVERIFY(again.InPresentationMode());
    Named<QAction>(again, "presentationAction")->trigger();
    QVERIFY(!breathlab::KeptPresentationSetting());
}

// The modal windows that draw their own small design fonts (the about box,
// the settings view) are drawn at presentation size too, on the projector
// screen the window was laid out for; outside presentation mode they keep
// their design size (11 px), which is below 20 px, so the check can fail.
void MainWindowTest::PresentationModeReachesTheAboutBoxAndTheSettingsView() {
    const QSize screen(1920, 1080);
    const int smallest = breathlab::PresentationTextPx(screen.height());
    using Open = void (MainWindow::*)();
    for (const Open open : {Open(&MainWindow::OnAboutChosen), Open(&MainWindow::OnSettingsClicked)}) {
        for (const bool presentation : {true, false}) {
            MainWindow form;
            form.LayOutForScreen(screen, screen - QSize(0, 40));
            form.SetPresentationMode(presentation);
            QStringList small;
            bool seen = false;
            QTimer::singleShot(0, &form, [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                if (!dialog) return;
                seen = true;
                for (QWidget* w : dialog->findChildren<QWidget*>())
                    if (w->isVisible() && QFontInfo(w->font()).pixelSize() < smallest)
                        small << QString("%1 %2 px").arg(w->metaObject()->className())
                                     .arg(QFontInfo(w->font()).pixelSize());
                dialog->close();
            });
            (form.*open)();
            form.SetPresentationMode(false);
            QVERIFY(seen);
            if (presentation)
                QVERIFY2(small.isEmpty(), qPrintable(small.join("\n")));
            else
                QVERIFY2(!small.isEmpty(), "the design fonts are below presentation size");
        }
    }
}

// A thumb level with a scale label stands at the value the label names.
void MainWindowTest::ScaleLabelsStandLevelWithTheThumb() {
    MainWindow form;
    form.LayOutForScreen(QSize(1280, 1024), QSize(1280, 984));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    using namespace breathlab;
    for (int c = 0; c < kScaleColumnCount; ++c) {
        QSlider* slider = form.Slider(SliderOfScaleColumn(c));
        for (int i = 0; i < kScaleLabelsPerColumn; ++i) {
            slider->setSliderPosition(ScaleLabelValue(c, i));
            QStyleOptionSlider option;
            option.initFrom(slider);
            option.orientation = Qt::Vertical;
            option.minimum = slider->minimum();
            option.maximum = slider->maximum();
            option.sliderPosition = slider->sliderPosition();
            option.tickPosition = slider->tickPosition();
            option.upsideDown = false;
            const QRect handle = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                                 QStyle::SC_SliderHandle, slider);
            QLabel* label = Named<SlidersArea>(form, "slidersArea")->ScaleLabel(c, i);
            const int thumb = slider->y() + handle.center().y();
            const int labelCentre = label->y() + label->height() / 2;
            QVERIFY2(std::abs(thumb - labelCentre) <= 1,
                     qPrintable(QString("%1: thumb at %2, label at %3")
                                    .arg(label->text())
                                    .arg(thumb)
                                    .arg(labelCentre)));
            // A gap separates the label from the tick marks at the slider's right.
            if (label->x() > slider->x()) QVERIFY(label->x() >= slider->geometry().right() + 3);
        }
    }
}

// On a HiDPI screen (the test runs again with QT_SCALE_FACTOR=2) the plots
// and the airway picture have two pixels per logical pixel: no picture is
// scaled up from the logical size.
void MainWindowTest::PicturesAreDrawnAtTheDeviceResolution() {
    MainWindow form;
    const qreal ratio = form.devicePixelRatioF();
    if (ratio == 1.0) QSKIP("needs a device pixel ratio above 1 (QT_SCALE_FACTOR=2)");
    // Before the window is first painted the airway picture shows the
    // schematic's image, still blank.
    for (const char* name : {"flowVolumePlot", "volumeTimePlot", "airwayPicture"}) {
        const auto* area = Named<PictureArea>(form, name);
        QCOMPARE(area->Picture().devicePixelRatio(), ratio);
        QCOMPARE(area->Picture().size(), area->size() * ratio);
    }
    QCOMPARE(Named<AirwayPanel>(form, "airwayPanel")->Background().size(),
             Named(form, "airwayPicture")->size() * ratio);
    // The plot keeps its logical layout: its axes span the same share of it.
    const QImage& plot = Named<PictureArea>(form, "flowVolumePlot")->Picture();
    QCOMPARE(plot.pixelColor(plot.width() / 2, qRound(plot.height() * 0.72)), QColor(Qt::black));
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

BREATHLAB_WINDOW_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
