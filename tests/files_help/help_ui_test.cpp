#include "about_box.h"
#include "help_pages.h"
#include "help_window.h"
#include "rtf_reader.h"
#include "settings_dialog.h"
#include "window_test_main.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <map>
#include <set>

using namespace breathlab;

namespace {

QString PlainText(const QByteArray& rtf) {
    QTextDocument document;
    ReadRtf(rtf, document);
    return document.toPlainText();
}

// The text of every fragment written in the wanted weight, joined.
QString TextWithWeight(const QTextDocument& document, bool bold) {
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if ((it.fragment().charFormat().fontWeight() >= QFont::Bold) == bold)
                text += it.fragment().text();
    return text;
}

QTextCharFormat FormatOf(const QTextDocument& document, const QString& word) {
    QTextCursor found = document.find(word);
    return found.charFormat();
}

} // namespace

class HelpUiTest : public QObject {
    Q_OBJECT

  private slots:
    void readerKeepsTextAndCharacterFormats() {
        const QByteArray rtf =
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}"
            "{\\colortbl;\\red200\\green0\\blue0;}"
            "{\\*\\generator hidden;}{\\info{\\title hidden}}"
            "Plain \\b bold\\b0  \\i slanted\\i0  \\ul marked\\ulnone  {\\fs40 big} small\\par"
            "\\cf1 red\\cf0  caf\\'e9 \\u8364?uro \\uc0\\u945 a\\par "
            "brace \\{ \\} back\\\\slash}";
        QTextDocument document;
        ReadRtf(rtf, document);
        QCOMPARE(document.toPlainText(),
                 QString::fromUtf8("Plain bold slanted marked big small\n"
                                   "red caf\u00e9 \u20acuro \u03b1a\nbrace { } back\\slash"));
        QCOMPARE(TextWithWeight(document, true), QString("bold"));
        QVERIFY(FormatOf(document, "slanted").fontItalic());
        QVERIFY(FormatOf(document, "marked").fontUnderline());
        QCOMPARE(FormatOf(document, "big").fontPointSize(), 20.0);
        QVERIFY(FormatOf(document, "small").fontPointSize() != 20.0);
        QCOMPARE(FormatOf(document, "red").foreground().color(), QColor(200, 0, 0));
        QVERIFY(FormatOf(document, "caf").foreground().style() == Qt::NoBrush);
    }

    void readerSurvivesMalformedInput() {
        QByteArray noise(300000, '\0');
        QRandomGenerator random(42);
        const char alphabet[] = "{}\\'abu-0123456789 ;*\\fs";
        for (char& c : noise)
            c = alphabet[random.bounded(int(sizeof(alphabet) - 1))];
        const QList<QByteArray> inputs = {
            QByteArray(200000, '{') + "deep" + QByteArray(10, '}'),
            QByteArray(50000, '}') + "after",
            "{\\rtf1 text\\'",
            "{\\rtf1 text\\'4",
            "{\\rtf1 \\'zzend}",
            "{\\rtf1 \\fs99999999999999999999999 \\u-99999999999999 \\uc999999999 x\\",
            "{\\rtf1 \\cf99999 {\\colortbl;\\red999\\green-5;;} \\cf2 x \\cf1 y}",
            "\\" + QByteArray(100000, 'a') + "7",
            noise,
        };
        QElapsedTimer timer;
        timer.start();
        for (const QByteArray& input : inputs) {
            QTextDocument document;
            ReadRtf(input, document);
        }
        QVERIFY2(timer.elapsed() < 10000, "malformed input must not take long");
        QVERIFY(PlainText(QByteArray(200000, '{') + "deep").isEmpty()); // too deep to be text
        QCOMPARE(PlainText(QByteArray(50000, '}') + "after"), QString("after"));
        QCOMPARE(PlainText("{\\rtf1 \\'zzend}"), QString("'zzend"));
    }

    void shippedPagesHaveTextAndBoldHeadings() {
        for (int page = 0; page <= 6; ++page) {
            const QString path =
                QString(SHIPPED_HELP_FOLDER "/H%1.rtf").arg(page, 4, 10, QChar('0'));
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            QTextDocument document;
            ReadRtf(file.readAll(), document);
            QVERIFY2(document.toPlainText().size() > 500, qPrintable(path));
            QVERIFY2(!TextWithWeight(document, true).trimmed().isEmpty(), qPrintable(path));
            QVERIFY2(!document.toPlainText().contains('\\'), qPrintable(path));
            QVERIFY2(!document.toPlainText().contains('{'), qPrintable(path));
        }
    }

    void contextHelpChoosesThePageOfTheControl() {
        QCOMPARE(ContextHelpPage("mainGroupPanel"), QString("H0001.rtf"));
        QCOMPARE(ContextHelpPage("VDcScale250"), QString("H0001.rtf"));
        QCOMPARE(ContextHelpPage("MiddleScale800"), QString("H0002.rtf"));
        QCOMPARE(ContextHelpPage("MiddleScale1600"), QString("H0000.rtf"));
        QCOMPARE(ContextHelpPage("PeripheralScale100"), QString("H0003.rtf"));
        QCOMPARE(ContextHelpPage("CCCTitle"), QString("H0003.rtf"));
        QCOMPARE(ContextHelpPage("CCCScale100"), QString("H0000.rtf"));
        QCOMPARE(ContextHelpPage("LungScale75"), QString("H0004.rtf"));
        QCOMPARE(ContextHelpPage("indicesTable"), QString("H0006.rtf"));
        QCOMPARE(ContextHelpPage("startButton"), QString("H0000.rtf"));
        QCOMPARE(ContextHelpPage("NotAControl"), QString("H0000.rtf"));

        std::set<QString> names;
        std::map<QString, int> perPage;
        for (const ContextHelpControl& control : ContextHelpControls()) {
            names.insert(control.ControlName);
            ++perPage[*control.Page];
        }
        QCOMPARE(int(names.size()), 50);
        const std::map<QString, int> expected = {{"H0000.rtf", 9}, {"H0001.rtf", 15},
                                                 {"H0002.rtf", 8}, {"H0003.rtf", 9},
                                                 {"H0004.rtf", 8}, {"H0006.rtf", 1}};
        QVERIFY(perPage == expected);
        QCOMPARE(HelpPagePath("/opt/b/", kResultsTableHelpPage),
                 QString("/opt/b/helpfiles/H0005.rtf"));
        // The help folder is found whatever its letter case, as every data folder.
        QTemporaryDir program;
        QDir(program.path()).mkpath("HelpFiles");
        QFile page(program.path() + "/HelpFiles/H0005.rtf");
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        QCOMPARE(HelpPagePath(program.path() + "/", kResultsTableHelpPage),
                 program.path() + "/HelpFiles/H0005.rtf");
    }

    void pictureHelpFollowsTheRegionCode() {
        QCOMPARE(PictureHelpPage(std::nullopt).Page, QString("H0000.rtf"));
        QCOMPARE(PictureHelpPage(QString("1")).Page, QString("H0001.rtf"));
        QCOMPARE(PictureHelpPage(QString("2")).Page, QString("H0001.rtf"));
        QCOMPARE(PictureHelpPage(QString("3")).Page, QString("H0002.rtf"));
        QCOMPARE(PictureHelpPage(QString("4")).Page, QString("H0003.rtf"));
        QCOMPARE(PictureHelpPage(QString("5")).Page, QString("H0004.rtf"));
        const PictureHelp outside = PictureHelpPage(QString("6"));
        QVERIFY(outside.Ok && outside.Page.isEmpty());
        const PictureHelp broken = PictureHelpPage(QString("x3"));
        QVERIFY(!broken.Ok);
        QCOMPARE(broken.Error, QString("'x3' is not a valid integer value"));
    }

    void helpWindowClearsBeforeLoadingAndNamesAMissingPage() {
        HelpWindow help;
        QCOMPARE(help.windowTitle(), QString("Spirometry help"));
        const QTextEdit* pageText = Named<QTextEdit>(help, "pageText");
        QVERIFY(pageText->isReadOnly());
        QString error;
        QVERIFY(help.LoadHelpPage(SHIPPED_HELP_FOLDER "/H0005.rtf", error));
        QVERIFY(!pageText->toPlainText().isEmpty());
        const QString missing = SHIPPED_HELP_FOLDER "/H0099.rtf";
        QVERIFY(!help.LoadHelpPage(missing, error));
        QCOMPARE(error, "Cannot open file " + missing);
        QVERIFY(pageText->toPlainText().isEmpty());
    }

    void aboutBoxScalesWithTheScreenAndHidesItsCredit() {
        AboutBox normal(1024);
        QWidget* creditsPanel = Named(normal, "creditsPanel");
        QWidget* creditTextBox = Named(normal, "creditTextBox");
        const QLabel* licence = Named<QLabel>(normal, "licence");
        QCOMPARE(normal.size(), QSize(460, 335));
        QCOMPARE(creditsPanel->geometry(), QRect(9, 5, 440, 284));
        QCOMPARE(normal.windowTitle(), QString("Autorzy"));
        QCOMPARE(Named<QLabel>(normal, "productName")->text(), QString(" Varo.e-breathlab"));
        QCOMPARE(Named<QLabel>(normal, "version")->text(), QString("Version: " EXPECTED_VERSION));
        QVERIFY(licence->text().contains("MIT licence"));
        QVERIFY(licence->geometry().bottom() < Named(normal, "authorsLine")->geometry().top());

        // The program's icon, drawn from its SVG, not an empty picture.
        const QImage icon = Named<QLabel>(normal, "programIcon")->pixmap().toImage();
        QVERIFY(!icon.isNull());
        QVERIFY(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)) > 0);

        AboutBox wide(2048);
        QCOMPARE(wide.size(), QSize(920, 670));
        QCOMPARE(Named(wide, "creditsPanel")->geometry(), QRect(18, 10, 880, 568));

        normal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&normal));
        const QPoint inside(100, 200);
        QTest::mouseClick(creditsPanel, Qt::RightButton, Qt::NoModifier, inside);
        QTest::mouseClick(creditsPanel, Qt::LeftButton, Qt::ShiftModifier, inside);
        QVERIFY(creditsPanel->isVisible());
        QVERIFY(creditTextBox->isHidden());
        QTest::mouseClick(creditsPanel, Qt::RightButton,
                          Qt::ShiftModifier | Qt::ControlModifier, inside);
        QVERIFY(creditsPanel->isHidden());
        QVERIFY(creditTextBox->isVisible());
        QCOMPARE(creditTextBox->geometry(), creditsPanel->geometry());
        normal.hide();
        QVERIFY(!creditsPanel->isHidden());
        QVERIFY(creditTextBox->isHidden());
    }

    void settingsDialogShowsTheTableTexts() {
        auto history = std::make_unique<RunHistory>();
        for (auto& record : history->Slots)
            for (auto& row : record.ParameterBlock)
                for (float& value : row)
                    value = 100.0f;
        SettingsDialog dialog(SettingsTableCells(*history));
        const QTableWidget* grid = Named<QTableWidget>(dialog, "SettingsGrid");
        // Columns are 64 pixels wide and more where a text needs it; every
        // text fits its cell, headers such as "Middle Right L." included.
        int width = 0;
        const QFontMetrics metrics(grid->font());
        for (int column = 0; column < 9; ++column) {
            const int columnWidth = grid->columnWidth(column);
            QVERIFY(columnWidth >= 65);
            width += columnWidth;
            for (int row = 0; row < 9; ++row)
                QVERIFY2(metrics.horizontalAdvance(grid->item(row, column)->text()) + 4 <= columnWidth,
                         qPrintable(grid->item(row, column)->text()));
            QVERIFY(grid->rowHeight(column) >= 25);
        }
        QCOMPARE(dialog.size(), QSize(width, 9 * grid->rowHeight(0)));
        QCOMPARE(grid->item(0, 3)->text(), QString("R(1/swiat)"));
        QCOMPARE(grid->item(7, 0)->text(), QString("Middle Right L."));
        QCOMPARE(grid->item(4, 6)->text(), QString("100 (100)"));
        QVERIFY(grid->item(4, 4)->text().isEmpty());
        QVERIFY(!(grid->item(4, 6)->flags() & Qt::ItemIsEditable));
    }
};

QTEST_MAIN(HelpUiTest)
#include "help_ui_test.moc"
