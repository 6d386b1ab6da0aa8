// The lower panel alone: the data-source line has the room up to the grey
// background's right end, or its whole text where that is longer; the
// background's corners are rounded; the bottom anchor keeps its distance to
// the bottom; a new data source shows at once.
#include <QLabel>
#include <QtTest>

#include "lower_panel.h"
#include "window_test_main.h"

using namespace breathlab;

class LowerPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void DataSourceLineReachesTheBackgroundsRightEnd_data();
    void DataSourceLineReachesTheBackgroundsRightEnd();
    void BackgroundHasRoundedCorners();
    void BottomAnchorFollowsTheClientsGrowth();
};

namespace {

StartupLayout PanelLayout(int panelWidth, int lineLeft) {
    StartupLayout layout;
    layout.lowerPanel = {10, 400, panelWidth, 300};
    layout.dataSourceLine = {lineLeft, 5, 60, 16};
    layout.bottomAnchor = {20, layout.lowerPanel.Bottom(), 0, 14};
    return layout;
}

} // namespace

void LowerPanelTest::DataSourceLineReachesTheBackgroundsRightEnd_data() {
    QTest::addColumn<int>("panelWidth");
    QTest::addColumn<int>("lineLeft");
    QTest::addColumn<QString>("source");
    QTest::newRow("wide panel") << 1200 << 600 << QString();
    QTest::newRow("line near the left") << 800 << 20 << QString();
    QTest::newRow("a case's long name") << 800 << 20 << QString("Case: ").repeated(30);
    QTest::newRow("no room left") << 300 << 290 << QString();
}

// The line's right end is the background's right end less the line's margin
// of 15 pixels, unless its text needs more: then the text shows whole.
void LowerPanelTest::DataSourceLineReachesTheBackgroundsRightEnd() {
    QFETCH(int, panelWidth);
    QFETCH(int, lineLeft);
    QFETCH(QString, source);
    QWidget client;
    LowerPanel panel(&client);
    if (!source.isEmpty()) panel.SetDataSource(source);
    const StartupLayout layout = PanelLayout(panelWidth, lineLeft);
    panel.Place(layout);
    auto* line = Named<QLabel>(client, "dataSourceLine");
    QCOMPARE(line->parentWidget(), Named(client, "lowerPanel"));
    QCOMPARE(line->pos(), QPoint(lineLeft, layout.dataSourceLine.Top));
    const int toTheRightEnd = panelWidth - 15 - lineLeft;
    const int textWidth = std::max(line->sizeHint().width(), layout.dataSourceLine.Width);
    QCOMPARE(line->width(), std::max(toTheRightEnd, textWidth));
    QCOMPARE(panel.DataSource(), line->text());
}

void LowerPanelTest::BackgroundHasRoundedCorners() {
    QWidget client;
    LowerPanel panel(&client);
    StartupLayout layout = PanelLayout(800, 300);
    layout.LowerPanelCornerWidth = 40;
    layout.LowerPanelCornerHeight = 40;
    panel.Place(layout);
    const QWidget* background = Named(client, "lowerPanel");
    QCOMPARE(background->geometry(), QRect(10, 400, 800, 300));
    const QRegion shape = background->mask();
    // A corner of radius 20 leaves its corner pixel and the one a few pixels
    // inward on the diagonal (20 - 20/sqrt(2) is about 5.9) outside.
    for (const QPoint corner : {QPoint(0, 0), QPoint(799, 0), QPoint(0, 299), QPoint(799, 299),
                                QPoint(4, 4), QPoint(795, 295)})
        QVERIFY2(!shape.contains(corner),
                 qPrintable(QString("%1,%2").arg(corner.x()).arg(corner.y())));
    for (const QPoint inside : {QPoint(400, 0), QPoint(0, 150), QPoint(8, 8), QPoint(400, 299)})
        QVERIFY2(shape.contains(inside),
                 qPrintable(QString("%1,%2").arg(inside.x()).arg(inside.y())));
}

void LowerPanelTest::BottomAnchorFollowsTheClientsGrowth() {
    QWidget client;
    LowerPanel panel(&client);
    const StartupLayout layout = PanelLayout(800, 300);
    panel.Place(layout);
    auto* anchor = Named<QLabel>(client, "bottomAnchor");
    QCOMPARE(anchor->pos(), QPoint(layout.bottomAnchor.Left, layout.bottomAnchor.Top));
    QCOMPARE(anchor->text(), QString());
    for (const int growth : {40, -25, 0}) {
        panel.FollowClientHeight(growth);
        QCOMPARE(anchor->pos(), QPoint(layout.bottomAnchor.Left, layout.bottomAnchor.Top + growth));
    }
    QCOMPARE(Named(client, "lowerPanel")->geometry().top(), layout.lowerPanel.Top);
}

BREATHLAB_WINDOW_TEST_MAIN(LowerPanelTest)
#include "lower_panel_test.moc"
