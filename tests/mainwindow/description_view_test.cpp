// The description box alone: a block of the description file under a rule
// that fits the box, and a file that cannot be read.
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

#include "description_view.h"
#include "window_test_main.h"

class DescriptionViewTest : public QObject {
    Q_OBJECT

  private slots:
    void BothPartsStandAroundARuleThatFitsTheBox();
    void UnreadableFileKeepsTheTextShown();
};

namespace {

QString WriteDescriptionFile(const QTemporaryDir& dir) {
    const QString path = dir.filePath("pdp.txt");
    std::ofstream(path.toStdString()) << "#3\nWhat it is. \n+++\nWhat changing it does. \n*\n";
    return path;
}

} // namespace

void DescriptionViewTest::BothPartsStandAroundARuleThatFitsTheBox() {
    QTemporaryDir dir;
    DescriptionView view;
    view.resize(300, 120);
    QString error;
    QVERIFY(view.ShowBlock(WriteDescriptionFile(dir), 3, error));
    const QStringList lines = view.toPlainText().split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0].trimmed(), QString("What it is."));
    QCOMPARE(lines[2].trimmed(), QString("What changing it does."));
    // The rule is the longest run of dashes narrower than a line of the box.
    const QFontMetrics metrics(view.font());
    const QString rule = lines[1];
    QVERIFY(!rule.isEmpty() && rule.count('-') == rule.size());
    QVERIFY(metrics.horizontalAdvance(rule) < view.LineWidth());
    QVERIFY(metrics.horizontalAdvance(rule + "-") >= view.LineWidth());
    QCOMPARE(view.textCursor().position(), 0);
}

void DescriptionViewTest::UnreadableFileKeepsTheTextShown() {
    QTemporaryDir dir;
    DescriptionView view;
    view.setPlainText("shown before");
    QString error;
    QVERIFY(!view.ShowBlock(dir.filePath("missing.txt"), 3, error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(view.toPlainText(), QString("shown before"));
}

BREATHLAB_WINDOW_TEST_MAIN(DescriptionViewTest)
#include "description_view_test.moc"
