// The menu bar's actions alone: each says through its own signal that it was
// chosen, a run disables exactly the main menu items, and the presentation
// item can be ticked quietly.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

#include "signal_spies.h"
#include "window_actions.h"
#include "window_test_main.h"

class WindowActionsTest : public QObject {
    Q_OBJECT

  private slots:
    void EachActionEmitsItsOwnSignalOnly();
    void ARunDisablesExactlyTheMainMenuItems();
    void PresentationIsTickedQuietlyOrByTheUser();
};

namespace {

struct ActionSignal {
    const char* Action;
    void (WindowActions::*Signal)();
};

const ActionSignal kActionSignals[] = {
    {"openAction", &WindowActions::openChosen},
    {"saveAction", &WindowActions::saveChosen},
    {"saveAsAction", &WindowActions::saveAsChosen},
    {"exportAction", &WindowActions::exportChosen},
    {"defaultReferenceAction", &WindowActions::defaultReferenceChosen},
    {"helpAction", &WindowActions::helpChosen},
    {"aboutAction", &WindowActions::aboutChosen},
    {"quitAction", &WindowActions::quitChosen},
    {"casesAction", &WindowActions::casesChosen},
    {"exerciseAction", &WindowActions::exerciseChosen},
};

// The menu bar's own items that a run must leave alone.
bool StaysLive(const QAction* item) {
    return item->text() == "View";
}

} // namespace

void WindowActionsTest::EachActionEmitsItsOwnSignalOnly() {
    QMenuBar bar;
    WindowActions actions(&bar);
    SignalSpies spies;
    for (const ActionSignal& entry : kActionSignals)
        spies.Add(&actions, entry.Signal);
    QSignalSpy presentation(&actions, &WindowActions::presentationToggled);
    for (std::size_t chosen = 0; chosen < std::size(kActionSignals); ++chosen) {
        Named<QAction>(bar, kActionSignals[chosen].Action)->trigger();
        QVERIFY2(spies.FirstEmittedOnce(chosen + 1), kActionSignals[chosen].Action);
    }
    QCOMPARE(presentation.count(), 0);
}

// The File menu goes whole: its own items stay enabled inside it.
void WindowActionsTest::ARunDisablesExactlyTheMainMenuItems() {
    QMenuBar bar;
    WindowActions actions(&bar);
    const QList<QAction*> main = actions.MainMenuItems();
    QCOMPARE(main.first(), Named<QMenu>(bar, "fileMenu")->menuAction());
    actions.SetMainMenuEnabled(false);
    for (QAction* item : bar.actions()) {
        QVERIFY2(item->isEnabled() == StaysLive(item), qPrintable(item->text()));
        QVERIFY2(main.contains(item) != StaysLive(item), qPrintable(item->text()));
    }
    for (const char* inside : {"openAction", "saveAction", "presentationAction"})
        QVERIFY2(Named<QAction>(bar, inside)->isEnabled(), inside);
    actions.SetMainMenuEnabled(true);
    for (QAction* item : bar.actions())
        QVERIFY2(item->isEnabled(), qPrintable(item->text()));
}

void WindowActionsTest::PresentationIsTickedQuietlyOrByTheUser() {
    QMenuBar bar;
    WindowActions actions(&bar);
    QSignalSpy toggled(&actions, &WindowActions::presentationToggled);
    QVERIFY(!actions.PresentationChecked());
    actions.SetPresentationChecked(true);
    QVERIFY(actions.PresentationChecked());
    QCOMPARE(toggled.count(), 0);
    Named<QAction>(bar, "presentationAction")->trigger();
    QVERIFY(!actions.PresentationChecked());
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.first().at(0).toBool(), false);
}

BREATHLAB_WINDOW_TEST_MAIN(WindowActionsTest)
#include "window_actions_test.moc"
