// The slider groups alone, without the window: every slider starts at the
// position of 100 % within its range and reports a move under the number the
// slider bank knows it by; a click on a panel, a title or a scale label
// chooses its group, a caption's does not; the bank's positions and the
// selected group come back without echoing a move; the layout lands on the
// group's own controls.
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include "slider_group_panel.h"
#include "sliders_area.h"
#include "window_test_main.h"

using namespace breathlab;

class SliderGroupPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void EverySliderHasItsRangeAndStartPosition();
    void AMoveIsReportedUnderTheSlidersNumber();
    void TheBanksPositionIsShownWithoutAMove();
    void ClicksChooseTheGroupExceptOnTheCaption_data();
    void ClicksChooseTheGroupExceptOnTheCaption();
    void APressOnALabelStaysWithTheLabel();
    void EachGroupOwnsItsPanelCaptionAndTitles();
    void TheSelectedGroupEnablesItsOwnControlsOnly();
    void AReplayLocksTheNamedPanelOnly();
    void LayoutPlacesTheGroupsControls();
    void TheLungSelectorAlwaysShowsBothLungs();
};

namespace {

struct SliderRow {
    int Slider; // as the slider bank counts them
    const char* Name;
    int Minimum, Maximum, Start; // the start position stands for 100 %
};

const SliderRow kSliderRows[] = {
    {1, "mainResistanceSlider", 100, 500, 200},
    {2, "deadSpaceSlider", 100, 500, 200},
    {3, "middleResistanceSlider", 100, 600, 200},
    {4, "middleStiffnessSlider", 100, 500, 200},
    {5, "peripheralResistanceSlider", 100, 500, 200},
    {6, "closingCapacitySlider", 100, 500, 200},
    {7, "lungSizeSlider", 100, 500, 300},
    {8, "lungComplianceSlider", 100, 500, 300},
    {9, "expirationDepthSlider", 0, 400, 200},
};

// Counts the presses that reach a widget itself.
class PressCounter : public QObject {
  public:
    int Presses = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) ++Presses;
        return false;
    }
};

} // namespace

void SliderGroupPanelTest::EverySliderHasItsRangeAndStartPosition() {
    QWidget client;
    SlidersArea area(&client);
    for (const SliderRow& row : kSliderRows) {
        QSlider* slider = area.Slider(row.Slider);
        QCOMPARE(slider, Named<QSlider>(client, row.Name));
        QCOMPARE(slider->minimum(), row.Minimum);
        QCOMPARE(slider->maximum(), row.Maximum);
        QCOMPARE(slider->value(), row.Start);
        QCOMPARE(slider->tickInterval(), 100);
        const bool depth = row.Slider == 9;
        QCOMPARE(slider->orientation(), depth ? Qt::Horizontal : Qt::Vertical);
        // The smallest value stands at the top, and the keys move the thumb that way too.
        QCOMPARE(slider->invertedAppearance(), !depth);
        QCOMPARE(slider->invertedControls(), !depth);
    }
}

void SliderGroupPanelTest::AMoveIsReportedUnderTheSlidersNumber() {
    QWidget client;
    SlidersArea area(&client);
    QSignalSpy moves(&area, &SlidersArea::sliderMoved);
    for (const SliderRow& row : kSliderRows) {
        Named<QSlider>(client, row.Name)->setValue(row.Minimum + 50);
        QCOMPARE(moves.size(), 1);
        QCOMPARE(moves.at(0).at(0).toInt(), row.Slider);
        QCOMPARE(moves.at(0).at(1).toInt(), row.Minimum + 50);
        moves.clear();
    }
}

void SliderGroupPanelTest::TheBanksPositionIsShownWithoutAMove() {
    QWidget client;
    SlidersArea area(&client);
    QSignalSpy moves(&area, &SlidersArea::sliderMoved);
    for (const SliderRow& row : kSliderRows) {
        area.ShowPosition(row.Slider, row.Maximum);
        QCOMPARE(Named<QSlider>(client, row.Name)->value(), row.Maximum);
    }
    QCOMPARE(moves.size(), 0);
}

void SliderGroupPanelTest::ClicksChooseTheGroupExceptOnTheCaption_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("group"); // -1: no group chosen
    QTest::newRow("MAIN panel") << "mainGroupPanel" << int(Qt::LeftButton) << kMainGroup;
    QTest::newRow("MIDDLE title") << "VDcTitle" << int(Qt::LeftButton) << kMiddleGroup;
    QTest::newRow("greyed PERIPHERAL scale label")
        << "CCCScale150" << int(Qt::LeftButton) << kPeripheralGroup;
    QTest::newRow("LUNGS scale label") << "LungScale125" << int(Qt::LeftButton) << kLungsGroup;
    QTest::newRow("hidden half of MAIN")
        << "hiddenGroupPanel" << int(Qt::LeftButton) << kHiddenGroup;
    QTest::newRow("caption") << "LungsCaption" << int(Qt::LeftButton) << -1;
    QTest::newRow("right button, for help") << "middleGroupPanel" << int(Qt::RightButton) << -1;
}

void SliderGroupPanelTest::ClicksChooseTheGroupExceptOnTheCaption() {
    QFETCH(QString, control);
    QFETCH(int, button);
    QFETCH(int, group);
    QWidget client;
    SlidersArea area(&client);
    QSignalSpy chosen(&area, &SlidersArea::groupActivated);
    QTest::mouseClick(Named(client, qPrintable(control)), Qt::MouseButton(button), {},
                      QPoint(1, 1));
    if (group < 0) {
        QCOMPARE(chosen.size(), 0);
    } else {
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.at(0).at(0).toInt(), group);
    }
}

// The panel under a title does not see the title's press as a press of its own.
void SliderGroupPanelTest::APressOnALabelStaysWithTheLabel() {
    QWidget client;
    QWidget frame(&client);
    SliderGroupPanel group(SliderGroupPanel::Group::Peripheral, &client, &frame);
    QSignalSpy chosen(&group, &SliderGroupPanel::groupActivated);
    PressCounter panelPresses;
    Named(client, "peripheralGroupPanel")->installEventFilter(&panelPresses);
    QTest::mouseClick(Named(client, "PeripheralTitle"), Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseClick(group.ScaleLabel(kScaleCCC, 4), Qt::RightButton, {}, QPoint(1, 1));
    QCOMPARE(panelPresses.Presses, 0);
    QCOMPARE(chosen.size(), 1);
}

void SliderGroupPanelTest::EachGroupOwnsItsPanelCaptionAndTitles() {
    using Group = SliderGroupPanel::Group;
    struct Row {
        Group Which;
        int Number;
        const char* Panel;
        const char* Caption;
        const char* CaptionText;
        std::vector<std::pair<const char*, const char*>> Titles; // name, text
        int FirstSlider, LastSlider;
    };
    const Row rows[] = {
        {Group::Main,
         kMainGroup,
         "mainGroupPanel",
         "MainCaption",
         "MAIN",
         {{"MainTitle", "R"}},
         1,
         1},
        {Group::Middle,
         kMiddleGroup,
         "middleGroupPanel",
         "MiddleCaption",
         "MIDDLE",
         {{"VDcTitle", "VDc"}, {"MiddleTitle", " R(1/lumen)"}, {"StiffTitle", "Stiff"}},
         2,
         4},
        {Group::Peripheral,
         kPeripheralGroup,
         "peripheralGroupPanel",
         "PeripheralCaption",
         "PERIPHERAL",
         {{"PeripheralTitle", " R(1/lumen)"}, {"CCCTitle", "CCC"}},
         5,
         6},
        {Group::Lungs,
         kLungsGroup,
         "lungsGroupPanel",
         "LungsCaption",
         "LUNGS",
         {{"SizeTitle", "Size"}, {"CmTitle", "Cm"}},
         7,
         8},
    };
    for (const Row& row : rows) {
        QWidget client;
        QWidget frame(&client);
        SliderGroupPanel group(row.Which, &client, &frame);
        QCOMPARE(group.GroupNumber(), row.Number);
        QWidget* panel = Named(client, row.Panel);
        QCOMPARE(Named<QLabel>(frame, row.Caption)->text(), QString(row.CaptionText));
        for (const auto& [name, text] : row.Titles) {
            QCOMPARE(Named<QLabel>(client, name)->text(), QString(text));
            QCOMPARE(Named(client, name)->parentWidget(), panel);
        }
        for (int k = 1; k <= 9; ++k) {
            const bool own = k >= row.FirstSlider && k <= row.LastSlider;
            QCOMPARE(group.HasSlider(k), own);
            QCOMPARE(group.Slider(k) != nullptr, own);
            if (own) QCOMPARE(group.Slider(k)->parentWidget(), panel);
        }
    }
}

// MIDDLE makes its dead space and resistance usable, not the stiffness, and
// greys every other group's sliders and scale labels.
void SliderGroupPanelTest::TheSelectedGroupEnablesItsOwnControlsOnly() {
    QWidget client;
    SlidersArea area(&client);
    area.ShowGroupControls(EnabledControls(kMiddleGroup));
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(area.Slider(k)->isEnabled(), k == 2 || k == 3);
    for (int c = 0; c < kScaleColumnCount; ++c)
        for (int i = 0; i < kScaleLabelsPerColumn; ++i)
            QCOMPARE(area.ScaleLabel(c, i)->isEnabled(), c == kScaleVDc || c == kScaleMiddleR);
    area.ShowGroupControls(EnabledControls(kNoSliderGroup));
    for (int k = 1; k <= 8; ++k)
        QVERIFY(!area.Slider(k)->isEnabled());
}

void SliderGroupPanelTest::AReplayLocksTheNamedPanelOnly() {
    const std::pair<AnimationControl, const char*> locks[] = {
        {AnimationControl::MainGroupPanel, "mainGroupPanel"},
        {AnimationControl::MiddleGroupPanel, "middleGroupPanel"},
        {AnimationControl::PeripheralGroupPanel, "peripheralGroupPanel"},
        {AnimationControl::LungsGroupPanel, "lungsGroupPanel"},
    };
    for (const auto& [control, name] : locks) {
        QWidget client;
        SlidersArea area(&client);
        QVERIFY(area.SetControlEnabled(control, false));
        for (const auto& [other, otherName] : locks)
            QCOMPARE(Named(client, otherName)->isEnabled(), other != control);
    }
    QWidget client;
    SlidersArea area(&client);
    QVERIFY(!area.SetControlEnabled(AnimationControl::ResultsTable, false));
    area.SetPanelsEnabled(false);
    for (const auto& [control, name] : locks)
        QVERIFY(!Named(client, name)->isEnabled());
}

void SliderGroupPanelTest::LayoutPlacesTheGroupsControls() {
    QWidget client;
    SlidersArea area(&client);
    StartupLayout layout;
    layout.airwayGroupsFrame = {5, 500, 600, 260};
    layout.lungGroupFrame = {610, 500, 120, 260};
    layout.middleGroupPanel = {120, 525, 230, 230};
    layout.CaptionMiddle = {80, 3, 60, 14};
    layout.TrackBars[2] = {70, 20, 30, 190}; // middleResistanceSlider
    layout.ScaleLabels[kScaleMiddleR][3] = {105, 150, 100, 14};
    layout.ScaleLabelShown[kScaleMiddleR][4] = false;
    area.Place(layout);
    QCOMPARE(Named(client, "middleGroupPanel")->geometry(), QRect(120, 525, 230, 230));
    QWidget* caption = Named(client, "MiddleCaption");
    QCOMPARE(caption->mapTo(&client, QPoint(0, 0)), QPoint(5 + 80, 500 + 3));
    QCOMPARE(area.Slider(3)->mapTo(&client, QPoint(0, 0)), QPoint(120 + 70, 525 + 20));
    QCOMPARE(area.ScaleLabel(kScaleMiddleR, 3)->pos(), QPoint(105, 150));
    QVERIFY(area.ScaleLabel(kScaleMiddleR, 4)->isHidden());
    QVERIFY(!area.ScaleLabel(kScaleMiddleR, 3)->isHidden());
    // The thumb stands at the top for the smallest value.
    QVERIFY(area.ThumbCentre(3, 100, 190) < area.ThumbCentre(3, 600, 190));
}

void SliderGroupPanelTest::TheLungSelectorAlwaysShowsBothLungs() {
    QWidget client;
    SlidersArea area(&client);
    auto* selector = Named<QComboBox>(client, "lungSelector");
    selector->setCurrentIndex(2);
    QCOMPARE(selector->currentIndex(), 0);
    QCOMPARE(selector->currentText(), QString("Both lungs"));
}

BREATHLAB_WINDOW_TEST_MAIN(SliderGroupPanelTest)
#include "slider_group_panel_test.moc"
