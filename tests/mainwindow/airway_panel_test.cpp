// The airway picture alone, on the shipped hot-spot table and pictures: every
// hot spot picks the slider group of its region, the name label comes and goes,
// a selected group or a running command keeps the picture, and the live
// schematic waits for the window's next frame.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "airway_panel.h"
#include "jpeg_picture.h"
#include "picture_area.h"
#include "slot_colours.h"
#include "string_grid.h"
#include "window_test_main.h"

#include <optional>

using namespace breathlab;

class AirwayPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void LeftClickOnEachHotSpotPicksItsRegionsGroup();
    void RightClickAsksForTheHelpOfWhatIsUnderTheMouse();
    void HoverShowsTheRegionsNameUntilTheTimerHidesIt();
    void SelectedGroupKeepsItsPictureAndTheNextClickDeselects();
    void BusyPictureIgnoresTheMouseAndKeepsTheSchematic();
    void QueuedSchematicWaitsForTheFrame();
    void HotSpotTableIsWrittenBackOnlyWhileShown();
};

namespace {

const QString kDataFolder = BREATHLAB_SOURCE_DIR;
const QString kHotSpotFile = kDataFolder + "/datfiles1/F000.dat";
constexpr int kPictureWidth = 500;
constexpr int kPictureHeight = 400;

// A row of the shipped hot-spot table: its centre in percent and its region code.
struct HotSpot {
    int X;
    int Y;
    QString Region;
};

QList<HotSpot> ShippedHotSpots() {
    QFile file(kHotSpotFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) qFatal("no hot-spot table");
    QList<HotSpot> rows;
    file.readLine(); // the header
    while (!file.atEnd()) {
        const QStringList cells = QString::fromLatin1(file.readLine()).trimmed().split(';');
        if (cells.size() >= 4) rows.append({cells[1].toInt(), cells[2].toInt(), cells[3]});
    }
    return rows;
}

// The hot spot under (x, y) percent: of the spots within 5 percent on both
// axes the later row wins. An index into the rows, or -1.
int Winner(const QList<HotSpot>& rows, int x, int y) {
    int winner = -1;
    for (int i = 0; i < rows.size(); ++i)
        if (std::abs(rows[i].X - x) < 5 && std::abs(rows[i].Y - y) < 5) winner = i;
    return winner;
}

// Region code -> slider group: the plain picture none, then MAIN, MIDDLE,
// PERIPHERAL and LUNGS (group 2 has no region of its own).
int GroupOfRegion(const QString& region) {
    const int groups[] = {0, 0, 1, 3, 4, 5};
    return groups[region.toInt()];
}

// The pixel at the centre of a hot spot: the picture's size makes it exact.
QPoint Centre(const HotSpot& spot) {
    return {spot.X * kPictureWidth / 100, spot.Y * kPictureHeight / 100};
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

SchematicInputs Lobes(double volume, bool flowLimited) {
    SchematicInputs inputs;
    inputs.LobeVolume.fill(volume);
    inputs.PeripheralResistance.fill(1.0);
    inputs.SegmentResistance.fill(1.0);
    inputs.FlowLimited.fill(flowLimited);
    inputs.TrachealCoefficient = 1.0;
    inputs.LeftBronchusResistance = 1.0;
    inputs.RightBronchusResistance = 1.0;
    return inputs;
}

// A panel on a client area of its own, with the shipped data loaded and
// what it asks of its window under the test's control.
struct Panel {
    QWidget client;
    bool busy = false;
    int sliderGroup = 0;
    AirwayPanel panel{&client, {[this] { return busy; }, [this] { return sliderGroup; }}};
    QList<int> groups, hovered;
    QList<std::optional<QString>> helpCodes;

    Panel() {
        client.resize(800, 600);
        StartupLayout layout;
        layout.airwayPicture = {10, 10, kPictureWidth, kPictureHeight};
        layout.regionLabel = {20, 20, 60, 20};
        panel.Place(layout);
        if (!panel.LoadHotSpotTable(kHotSpotFile).isEmpty()) qFatal("hot-spot table unread");
        if (!panel.LoadPictures(kDataFolder, 1.0).isEmpty()) qFatal("pictures unread");
        QObject::connect(&panel, &AirwayPanel::sliderGroupPicked, [this](int g) { groups << g; });
        QObject::connect(&panel, &AirwayPanel::regionHovered, [this](int r) { hovered << r; });
        QObject::connect(&panel, &AirwayPanel::helpRequested,
                         [this](const std::optional<QString>& code) { helpCodes << code; });
    }

    QWidget* Picture() { return Named(client, "airwayPicture"); }
    const QImage& Shown() { return Named<PictureArea>(client, "airwayPicture")->Picture(); }
    QLabel* Label() { return Named<QLabel>(client, "regionLabel"); }
    void Move(QPoint at) { SendMouse(Picture(), QEvent::MouseMove, at, Qt::NoButton); }
    void Click(QPoint at, Qt::MouseButton button) {
        Move(at);
        SendMouse(Picture(), QEvent::MouseButtonPress, at, button);
    }
};

QImage RegionPictureFile(int region) {
    return LoadRegionPicture(kDataFolder +
                             QString("/datfiles1/F%1.dat").arg(region, 3, 10, QChar('0')))
        .Image;
}

// A hot spot of each highlighted region that no later row covers.
QList<HotSpot> OneUncoveredSpotPerRegion(const QList<HotSpot>& rows) {
    QList<HotSpot> spots;
    for (const QString region : {"2", "3", "4", "5"})
        for (int i = 0; i < rows.size(); ++i)
            if (rows[i].Region == region && Winner(rows, rows[i].X, rows[i].Y) == i) {
                spots << rows[i];
                break;
            }
    return spots;
}

} // namespace

void AirwayPanelTest::LeftClickOnEachHotSpotPicksItsRegionsGroup() {
    Panel p;
    const QList<HotSpot> rows = ShippedHotSpots();
    QVERIFY(rows.size() >= 40);
    for (const HotSpot& spot : rows) {
        p.groups.clear();
        p.Click(Centre(spot), Qt::LeftButton);
        const HotSpot& winner = rows[Winner(rows, spot.X, spot.Y)];
        QCOMPARE(p.groups, QList<int>{GroupOfRegion(winner.Region)});
    }
    QVERIFY(p.helpCodes.isEmpty());
    // Off every hot spot a click leaves the groups.
    QCOMPARE(Winner(rows, 0, 0), -1);
    p.groups.clear();
    p.Click(QPoint(0, 0), Qt::LeftButton);
    QCOMPARE(p.groups, QList<int>{0});
}

void AirwayPanelTest::RightClickAsksForTheHelpOfWhatIsUnderTheMouse() {
    Panel p;
    const QList<HotSpot> rows = ShippedHotSpots();
    for (const HotSpot& spot : OneUncoveredSpotPerRegion(rows)) {
        p.helpCodes.clear();
        p.Click(Centre(spot), Qt::RightButton);
        QCOMPARE(p.helpCodes.size(), 1);
        QCOMPARE(p.helpCodes[0].value_or("none"), spot.Region);
    }
    QVERIFY(p.groups.isEmpty()); // a right click on a hot spot selects nothing
    p.helpCodes.clear();
    p.Click(QPoint(0, 0), Qt::RightButton);
    QCOMPARE(p.helpCodes.size(), 1);
    QVERIFY(!p.helpCodes[0]);
    QCOMPARE(p.groups, QList<int>{0});
}

void AirwayPanelTest::HoverShowsTheRegionsNameUntilTheTimerHidesIt() {
    Panel p;
    p.client.show();
    const QImage plain = RegionPictureFile(kRegionPlain);
    for (const HotSpot& spot : OneUncoveredSpotPerRegion(ShippedHotSpots())) {
        const int region = spot.Region.toInt();
        p.hovered.clear();
        p.Move(Centre(spot));
        QCOMPARE(p.hovered, QList<int>{region});
        QVERIFY(p.Label()->isVisible());
        QCOMPARE(p.Label()->text(), RegionName(region));
        QCOMPARE(p.Shown(), RegionPictureFile(region));
        // Within the same hot spot nothing moves or is shown again.
        const QRect label = p.Label()->geometry();
        p.Move(Centre(spot) + QPoint(1, 1));
        QCOMPARE(p.hovered.size(), 1);
        QCOMPARE(p.Label()->geometry(), label);
        // Off the hot spots the plain picture comes back without a name.
        p.Move(QPoint(0, 0));
        QCOMPARE(p.hovered, (QList<int>{region, kRegionPlain}));
        QVERIFY(!p.Label()->isVisible());
        QCOMPARE(p.Shown(), plain);
    }
    // The timer hides a name the mouse left standing and brings back the plain picture.
    const HotSpot lungs = OneUncoveredSpotPerRegion(ShippedHotSpots()).last();
    p.Move(Centre(lungs));
    QVERIFY(p.Label()->isVisible());
    auto* timer = Named<QTimer>(p.client, "regionLabelTimer");
    QCOMPARE(timer->interval(), kLabelTimerIntervalMs);
    timer->setInterval(0); // its tick without waiting for it
    QTRY_VERIFY(!p.Label()->isVisible());
    QCOMPARE(p.Shown(), plain);
}

void AirwayPanelTest::SelectedGroupKeepsItsPictureAndTheNextClickDeselects() {
    Panel p;
    p.client.show();
    // A slider panel's click: the middle airways, named near the bottom middle.
    // The panel's position is taken in the window, so the picture's corner
    // counts twice.
    p.sliderGroup = 3;
    const int labelHeight = p.Label()->height();
    p.panel.ShowPanelRegion(kRegionMiddle);
    QCOMPARE(p.Shown(), RegionPictureFile(kRegionMiddle));
    QVERIFY(p.Label()->isVisible());
    QCOMPARE(p.Label()->text(), RegionName(kRegionMiddle));
    QCOMPARE(p.Label()->x(), 10 + 10 + kPictureWidth / 2 + 5);
    QCOMPARE(p.Label()->y(), 10 + 10 + kPictureHeight - 60 - labelHeight - 5);

    const HotSpot lungs = OneUncoveredSpotPerRegion(ShippedHotSpots()).last();
    p.Move(Centre(lungs));
    QVERIFY(p.hovered.isEmpty());
    QCOMPARE(p.Shown(), RegionPictureFile(kRegionMiddle));
    auto* timer = Named<QTimer>(p.client, "regionLabelTimer");
    timer->setInterval(0);
    QTRY_VERIFY(!p.Label()->isVisible());
    QCOMPARE(p.Shown(), RegionPictureFile(kRegionMiddle)); // the group's region stays
    // The hover under a selected group found no hot spot, so a click deselects.
    p.Click(Centre(lungs), Qt::LeftButton);
    QCOMPARE(p.groups, QList<int>{0});
}

void AirwayPanelTest::BusyPictureIgnoresTheMouseAndKeepsTheSchematic() {
    Panel p;
    p.panel.ShowRegion(kForcePlainPicture, 0, 0);
    p.busy = true;
    p.panel.ShowSchematic(Lobes(1.0, false));
    const QImage schematic = p.Shown();
    QCOMPARE(schematic.size(), QSize(kPictureWidth, kPictureHeight));
    const HotSpot lungs = OneUncoveredSpotPerRegion(ShippedHotSpots()).last();
    p.Click(Centre(lungs), Qt::LeftButton);
    p.Click(Centre(lungs), Qt::RightButton);
    QVERIFY(p.groups.isEmpty() && p.hovered.isEmpty() && p.helpCodes.isEmpty());
    p.panel.RestoreAfterWindowPaint();
    QCOMPARE(p.Shown(), schematic);
    // Once the command is over, painting the window brings the picture back.
    p.busy = false;
    p.panel.RestoreAfterWindowPaint();
    QCOMPARE(p.Shown(), RegionPictureFile(kRegionPlain));
}

// The model reports states faster than a screen shows them: only the newest
// is composed, and only when the window's frame comes.
void AirwayPanelTest::QueuedSchematicWaitsForTheFrame() {
    Panel live;
    live.panel.ShowRegion(kForcePlainPicture, 0, 0);
    const qint64 before = live.Shown().cacheKey();
    live.panel.QueueSchematic(Lobes(0.4, false));
    live.panel.QueueSchematic(Lobes(1.2, true));
    QCOMPARE(live.Shown().cacheKey(), before);
    live.panel.ComposeQueuedSchematic();
    const QImage frame = live.Shown();
    QVERIFY(frame.cacheKey() != before);
    // Flow-limited lobar airways have red walls.
    QVERIFY(HasColour(frame, kRed));

    Panel reference;
    reference.panel.ShowSchematic(Lobes(1.2, true));
    QCOMPARE(frame, reference.Shown());
    reference.panel.ShowSchematic(Lobes(0.4, false));
    QVERIFY(frame != reference.Shown());
    QVERIFY(!HasColour(reference.Shown(), kRed));
    // Without a new state the next frame composes nothing.
    live.panel.ComposeQueuedSchematic();
    QCOMPARE(live.Shown().cacheKey(), frame.cacheKey());
}

void AirwayPanelTest::HotSpotTableIsWrittenBackOnlyWhileShown() {
    Panel p;
    p.client.show();
    QTemporaryDir folder;
    const QString path = folder.filePath("F000.dat");
    QVERIFY(!p.panel.SaveShownHotSpotTable(path));
    QVERIFY(!QFile::exists(path));
    Named<QCheckBox>(p.client, "hotSpotTableBox")->setChecked(true); // "tab"
    auto* grid = Named<StringGrid>(p.client, "hotSpotGrid");
    QVERIFY(grid->isVisible());
    grid->SetCell(1, 1, "52");
    QVERIFY(!p.panel.SaveShownHotSpotTable(path));
    Panel reread;
    QVERIFY(reread.panel.LoadHotSpotTable(path).isEmpty());
    QCOMPARE(Named<StringGrid>(reread.client, "hotSpotGrid")->Cell(1, 1), QString("52"));
    QCOMPARE(Named<StringGrid>(reread.client, "hotSpotGrid")->Cell(3, 1), grid->Cell(3, 1));
}

BREATHLAB_WINDOW_TEST_MAIN(AirwayPanelTest)
#include "airway_panel_test.moc"
