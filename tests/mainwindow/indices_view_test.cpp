// The indices table alone: it paints the texts the results hold, as they are
// when it paints, and nothing where a cell is empty.
#include <QtTest>

#include "indices_view.h"
#include "window_test_main.h"

using namespace breathlab;

class IndicesViewTest : public QObject {
    Q_OBJECT

  private slots:
    void PaintsTheTextsItIsGivenAsTheyAreNow();
};

namespace {

// Pixels of one cell that are darker than the silver and aqua backgrounds.
int DarkPixels(IndicesView& view, int col, int row) {
    const QImage picture = view.viewport()->grab().toImage();
    const QRect cell(col * (view.ColWidth(0) + 1), row * (view.RowHeight() + 1), view.ColWidth(0),
                     view.RowHeight());
    int dark = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (qGray(picture.pixel(x, y)) < 100) ++dark;
    return dark;
}

} // namespace

void IndicesViewTest::PaintsTheTextsItIsGivenAsTheyAreNow() {
    IndicesTable indices;
    RunHistory runs;
    IndicesView view(indices, runs, nullptr);
    view.resize(400, 400);
    for (int c = 0; c < view.ColCount(); ++c)
        view.SetColWidth(c, 70);
    view.SetRowHeight(20);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QCOMPARE(DarkPixels(view, 0, 2), 0);
    indices.Cells[2][0] = "FEV1";
    view.viewport()->update();
    QTRY_VERIFY(DarkPixels(view, 0, 2) > 0);
    QCOMPARE(DarkPixels(view, 1, 2), 0); // the neighbour stays empty
    indices.Cells[2][0].clear();
    view.viewport()->update();
    QTRY_COMPARE(DarkPixels(view, 0, 2), 0);
}

BREATHLAB_WINDOW_TEST_MAIN(IndicesViewTest)
#include "indices_view_test.moc"
