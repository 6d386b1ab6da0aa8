// The right-click help alone: the page follows the control's object name,
// only the right button asks for it, and the press still reaches the control.
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include "context_help.h"
#include "help_pages.h"
#include "picture_area.h"
#include "window_test_main.h"

using namespace breathlab;

class ContextHelpTest : public QObject {
    Q_OBJECT

  private slots:
    void RightPressAsksForThePageOfTheControlsName_data();
    void RightPressAsksForThePageOfTheControlsName();
    void OtherButtonsAskForNothing();
    void ThePressStillReachesTheControl();
};

void ContextHelpTest::RightPressAsksForThePageOfTheControlsName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("page");
    // Each group's panel, a title and a scale label share the group's page;
    // START and a name the table does not know fall back to the general page.
    QTest::newRow("main group") << "mainGroupPanel" << ContextHelpPage("mainGroupPanel");
    QTest::newRow("CCC title") << "CCCTitle" << ContextHelpPage("PeripheralScale50");
    QTest::newRow("lung scale") << "LungScale125" << ContextHelpPage("lungsGroupPanel");
    QTest::newRow("indices") << "indicesTable" << ContextHelpPage("indicesTable");
    QTest::newRow("START") << "startButton" << QString(kGeneralHelpPage);
    QTest::newRow("unknown") << "noSuchControl" << QString(kGeneralHelpPage);
}

void ContextHelpTest::RightPressAsksForThePageOfTheControlsName() {
    QFETCH(QString, name);
    QFETCH(QString, page);
    ContextHelp help;
    QLabel control("text");
    control.setObjectName(name);
    help.Watch(&control);
    QSignalSpy asked(&help, &ContextHelp::pageRequested);
    QTest::mousePress(&control, Qt::RightButton);
    QCOMPARE(asked.count(), 1);
    QCOMPARE(asked.at(0).at(0).toString(), page);
}

void ContextHelpTest::OtherButtonsAskForNothing() {
    ContextHelp help;
    QLabel control("text");
    control.setObjectName("mainGroupPanel");
    help.Watch(&control);
    QSignalSpy asked(&help, &ContextHelp::pageRequested);
    QTest::mousePress(&control, Qt::LeftButton);
    QTest::mousePress(&control, Qt::MiddleButton);
    help.OnPress(&control, Qt::LeftButton);
    QCOMPARE(asked.count(), 0);
    help.OnPress(&control, Qt::RightButton);
    QCOMPARE(asked.count(), 1);
}

void ContextHelpTest::ThePressStillReachesTheControl() {
    ContextHelp help;
    PictureArea plot;
    plot.setObjectName("flowVolumePlot");
    plot.resize(100, 100);
    help.Watch(&plot);
    QSignalSpy asked(&help, &ContextHelp::pageRequested);
    QSignalSpy pressed(&plot, &PictureArea::MouseDown);
    QTest::mousePress(&plot, Qt::RightButton, {}, QPoint(10, 20));
    QCOMPARE(asked.count(), 1);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(1).toInt(), 10);
}

BREATHLAB_WINDOW_TEST_MAIN(ContextHelpTest)
#include "context_help_test.moc"
