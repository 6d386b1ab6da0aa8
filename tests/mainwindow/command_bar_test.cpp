// The run controls alone: each button says what it is through its own signal,
// the replay's lock reaches exactly the button it names, and the layout's
// rectangles land on the buttons.
#include <QGroupBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "command_bar.h"
#include "signal_spies.h"
#include "window_test_main.h"

using breathlab::AnimationControl;

class CommandBarTest : public QObject {
    Q_OBJECT

  private slots:
    void EachButtonEmitsItsOwnSignalOnly();
    void ReplayLockReachesTheNamedButtonOnly();
    void CommandsLockEveryButton();
    void LayoutPlacesTheButtonsAndTheRowBox();
};

namespace {

struct ButtonSignal {
    const char* Button;
    void (CommandBar::*Signal)();
};

const ButtonSignal kButtonSignals[] = {
    {"startButton", &CommandBar::startClicked},
    {"resetButton", &CommandBar::resetClicked},
    {"resetAllButton", &CommandBar::resetAllClicked},
    {"pauseButton", &CommandBar::pauseClicked},
    {"animationSpeedButton", &CommandBar::speedClicked},
    {"animationButton", &CommandBar::animationClicked},
    {"deleteRowButton", &CommandBar::deleteRowClicked},
    {"useAsReferenceButton", &CommandBar::useAsReferenceClicked},
    {"settingsButton", &CommandBar::settingsClicked},
};

} // namespace

void CommandBarTest::EachButtonEmitsItsOwnSignalOnly() {
    QWidget client;
    CommandBar bar(&client);
    SignalSpies spies;
    for (const ButtonSignal& entry : kButtonSignals)
        spies.Add(&bar, entry.Signal);
    for (std::size_t pressed = 0; pressed < std::size(kButtonSignals); ++pressed) {
        Named<QPushButton>(client, kButtonSignals[pressed].Button)->click();
        QVERIFY2(spies.FirstEmittedOnce(pressed + 1), kButtonSignals[pressed].Button);
    }
}

void CommandBarTest::ReplayLockReachesTheNamedButtonOnly() {
    const std::pair<AnimationControl, const char*> ofTheBar[] = {
        {AnimationControl::ResetButton, "resetButton"},
        {AnimationControl::StartButton, "startButton"},
        {AnimationControl::DeleteRowButton, "deleteRowButton"},
        {AnimationControl::UseAsReferenceButton, "useAsReferenceButton"},
        {AnimationControl::AnimationButton, "animationButton"},
        {AnimationControl::ResetAllButton, "resetAllButton"},
        {AnimationControl::SettingsButton, "settingsButton"},
    };
    for (const auto& [control, name] : ofTheBar) {
        QWidget client;
        CommandBar bar(&client);
        QVERIFY(bar.SetControlEnabled(control, false));
        for (const ButtonSignal& entry : kButtonSignals) {
            const bool locked = QByteArray(entry.Button) == name;
            QVERIFY2(Named(client, entry.Button)->isEnabled() != locked, entry.Button);
        }
    }
    // The replay keeps pause and speed live, and the rest are not the bar's.
    QWidget client;
    CommandBar bar(&client);
    for (AnimationControl other :
         {AnimationControl::MainMenu, AnimationControl::ResultsTable,
          AnimationControl::LungsGroupPanel, AnimationControl::RegionLabelTimer}) {
        QVERIFY(!bar.SetControlEnabled(other, false));
        for (const ButtonSignal& entry : kButtonSignals)
            QVERIFY2(Named(client, entry.Button)->isEnabled(), entry.Button);
    }
}

void CommandBarTest::CommandsLockEveryButton() {
    QWidget client;
    CommandBar bar(&client);
    bar.SetCommandsEnabled(false);
    for (const ButtonSignal& entry : kButtonSignals)
        QVERIFY2(!Named(client, entry.Button)->isEnabled(), entry.Button);
    bar.SetCommandsEnabled(true);
    for (const ButtonSignal& entry : kButtonSignals)
        QVERIFY2(Named(client, entry.Button)->isEnabled(), entry.Button);
}

void CommandBarTest::LayoutPlacesTheButtonsAndTheRowBox() {
    QWidget client;
    CommandBar bar(&client);
    breathlab::StartupLayout layout;
    layout.startButton = {675, 578, 90, 40};
    layout.pauseButton = {675, 657, 43, 25};
    layout.selectedRowBox = {675, 783, 90, 169};
    layout.deleteRowButton = {9, 34, 72, 20}; // inside the box
    bar.Place(layout);
    QCOMPARE(Named(client, "startButton")->geometry(), QRect(675, 578, 90, 40));
    QCOMPARE(Named(client, "pauseButton")->geometry(), QRect(675, 657, 43, 25));
    QCOMPARE(Named(client, "selectedRowBox")->geometry(), QRect(675, 783, 90, 169));
    auto* deleteRow = Named(client, "deleteRowButton");
    QCOMPARE(deleteRow->parentWidget(), Named(client, "selectedRowBox"));
    QCOMPARE(deleteRow->mapTo(&client, QPoint(0, 0)), QPoint(675 + 9, 783 + 34));
}

BREATHLAB_WINDOW_TEST_MAIN(CommandBarTest)
#include "command_bar_test.moc"
