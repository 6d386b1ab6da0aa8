// Every export is read back: the PNG's size and curve colours, the SVG's
// curve paths, the PDF report's text.
#include "figure_export.h"
#include "flow_volume_plot.h"
#include "history_file.h"
#include "report_pdf.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace breathlab {
namespace {

// A stored case with its run listed and selected, as the window shows it
// after opening the file.
std::unique_ptr<RunHistory> StoredCase(const char* name) {
    auto history = std::make_unique<RunHistory>();
    const QString path = QStringLiteral(BREATHLAB_SOURCE_DIR "/cases/library/%1.spi").arg(name);
    EXPECT_TRUE(ReadHistorySet(path, history->Slots).Ok) << path.toStdString();
    history->RunCount = 1;
    history->SelectedRun = 1;
    return history;
}

class FigureFiles : public ::testing::Test {
  protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
    FigureSizes sizes;
    ReportInfo info{QStringLiteral("mixed.spi")};
};

int CountPixels(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

TEST_F(FigureFiles, PngHasTwiceTheScreenSizeAndTheCurvesOfBothRuns) {
    const auto history = StoredCase("mixed");
    QString error;
    ASSERT_TRUE(WriteFigureFile(Path("f.PNG"), *history, sizes, info, error))
        << error.toStdString();
    QImage image(Path("f.PNG"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(2 * (480 + 560), 2 * 400));
    // The reference's curve and axes in black, the selected run's in red; the
    // flow-volume plot lies left of the volume-time plot.
    const QImage flowVolume = image.copy(0, 0, 960, 800);
    const QImage volumeTime = image.copy(960, 0, 1120, 800);
    EXPECT_GT(CountPixels(flowVolume, QColor(255, 0, 0)), 1000);
    EXPECT_GT(CountPixels(volumeTime, QColor(255, 0, 0)), 200);
    EXPECT_GT(CountPixels(flowVolume, QColor(0, 0, 0)), 1000);
}

// Stroke colour of every curve element of the SVG (paths and polylines).
QMap<QString, int> CurveElementsByStroke(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QMap<QString, int> counts;
    QStringList strokes{QStringLiteral("none")};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto stroke = xml.attributes().value(QStringLiteral("stroke"));
            strokes.push_back(stroke.isEmpty() ? strokes.back() : stroke.toString());
            if (xml.name() == QStringLiteral("path") || xml.name() == QStringLiteral("polyline"))
                ++counts[strokes.back()];
        } else if (xml.isEndElement()) {
            strokes.pop_back();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return counts;
}

TEST_F(FigureFiles, SvgIsWellFormedWithTheCurvesAsPaths) {
    const auto history = StoredCase("mixed");
    QString error;
    ASSERT_TRUE(WriteFigureFile(Path("f.svg"), *history, sizes, info, error))
        << error.toStdString();
    const auto counts = CurveElementsByStroke(Path("f.svg"));
    // Hundreds of segments each: the reference (black), the run (red) and the
    // FRC line of the volume-time plot (silver).
    EXPECT_GT(counts.value(QStringLiteral("#ff0000")), 100);
    EXPECT_GT(counts.value(QStringLiteral("#000000")), 100);
    EXPECT_GE(counts.value(QStringLiteral("#c0c0c0")), 1);
    QFile file(Path("f.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("viewBox=\"0 0 1040 400\"")) << text.left(600).toStdString();
    EXPECT_TRUE(text.contains("Flow exp. (l/s)"));
    EXPECT_TRUE(text.contains("FRC(ref)"));
}

QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed (scripts/packages/figures.txt installs it): "
                      << pdftotext.errorString().toStdString();
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST_F(FigureFiles, PdfReportIsOnePageWithIndicesSettingsSourceAndDate) {
    const auto history = StoredCase("mixed");
    info.Date = QDateTime(QDate(2026, 3, 14), QTime(9, 26));
    QString error;
    ASSERT_TRUE(WriteFigureFile(Path("r.pdf"), *history, sizes, info, error))
        << error.toStdString();
    const QString text = PdfText(Path("r.pdf"));
    EXPECT_EQ(text.count(QChar('\f')), 1) << "one page";
    EXPECT_TRUE(text.contains(QStringLiteral("mixed.spi")));
    EXPECT_TRUE(text.contains(QStringLiteral("2026"))) << text.toStdString();
    // The FEV1 row with the reference, the run and the run in percent, as the
    // indices table writes them.
    const ResultRecord& ref = history->Slots[0];
    const ResultRecord& run = history->Slots[1];
    const QString fev1Row =
        QStringLiteral("FEV1\\s+l\\s+%1\\s+%2\\s+%3")
            .arg(QString::number(ref.FEV1, 'f', 2), QString::number(run.FEV1, 'f', 2),
                 QString::number(std::lround(100 * run.FEV1 / ref.FEV1)));
    EXPECT_TRUE(text.contains(QRegularExpression(fev1Row))) << fev1Row.toStdString() << "\n"
                                                            << text.toStdString();
    for (const char* index : {"FVCEX", "FEV1%FVC", "PEF", "MEF50", "TLC"})
        EXPECT_TRUE(text.contains(QLatin1String(index))) << index;
    EXPECT_TRUE(
        text.contains(QStringLiteral("Run 1: RMain 100, VDc 100, RMiddle 100, RPeripheral 600")));
    EXPECT_TRUE(text.contains(QStringLiteral("Size 70")));
    EXPECT_TRUE(text.contains(QStringLiteral("Flow exp. (l/s)"))) << "the plots keep their text";
}

// Where pdftotext puts each word on the page, and the page's height.
struct PlacedWord {
    QString Text;
    double Top;
};
struct PlacedText {
    double PageHeight = 0;
    QList<PlacedWord> Words;
    double TopOf(const QString& word) const {
        for (const PlacedWord& w : Words)
            if (w.Text == word) return w.Top;
        return -1;
    }
};

PlacedText PdfWordPlaces(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    PlacedText placed;
    if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext -bbox failed";
        return placed;
    }
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const QRegularExpression page(QStringLiteral(R"re(<page width="[\d.]+" height="([\d.]+)")re"));
    placed.PageHeight = page.match(html).captured(1).toDouble();
    const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        placed.Words.append({match.captured(2), match.captured(1).toDouble()});
    }
    return placed;
}

// A report of a case names it, shows its note and tells the runs' colours;
// the plots take the page's height, the settings close the page.
TEST_F(FigureFiles, PdfReportNamesTheCaseShowsItsNoteAndUsesThePage) {
    const auto history = StoredCase("mixed");
    info.CaseTitle = QStringLiteral("Mixed obstructive-restrictive pattern");
    info.CaseNote = QStringLiteral("Small stiff lungs with narrowed small airways: look at the "
                                   "scooped curve that ends early.");
    QString error;
    ASSERT_TRUE(WriteFigureFile(Path("case.pdf"), *history, sizes, info, error))
        << error.toStdString();
    const QString text = PdfText(Path("case.pdf"));
    EXPECT_EQ(text.count(QChar('\f')), 1) << "one page";
    const QString flat = text.simplified();
    EXPECT_TRUE(flat.contains("Case: Mixed obstructive-restrictive pattern")) << text.toStdString();
    EXPECT_TRUE(flat.contains("Teaching note"));
    // The note is wrapped in its column, beside the plots' own text.
    for (const char* words : {"Small stiff lungs", "scooped", "ends early."})
        EXPECT_TRUE(flat.contains(words)) << words << "\n" << text.toStdString();
    // The legend: the reference and the one listed run, beside the settings'
    // own lines of them.
    EXPECT_GE(flat.count("Reference"), 2) << text.toStdString();
    EXPECT_GE(flat.count("Run 1"), 2) << text.toStdString();

    const PlacedText placed = PdfWordPlaces(Path("case.pdf"));
    ASSERT_GT(placed.PageHeight, 0);
    // "t (s)" captions the volume-time plot's time axis, its lowest text; side
    // by side with the flow-volume plot it ended a third down the page.
    EXPECT_GT(placed.TopOf("t"), 0.55 * placed.PageHeight);
    EXPECT_GT(placed.TopOf("Settings"), 0.8 * placed.PageHeight);
}

// No curve runs through a flow caption: inside each caption's box there is
// only the caption's black on white. The captions are what the plot of an
// airway-flow signal (1) adds to that of a signal without captions (0).
TEST_F(FigureFiles, NoCurveCrossesAFlowCaption) {
    for (const char* name : {"normal", "mixed", "restrictive", "emphysema"}) {
        const auto history = StoredCase(name);
        QImage withCaptions(sizes.FlowVolume, QImage::Format_RGB32);
        QImage without(sizes.FlowVolume, QImage::Format_RGB32);
        {
            QPainter painter(&withCaptions);
            PaintFlowVolumePlot(painter, *history, 1);
        }
        {
            QPainter painter(&without);
            PaintFlowVolumePlot(painter, *history, 0);
        }
        for (const QRect half : {QRect(0, 0, 480, 200), QRect(0, 200, 480, 200)}) {
            QRect caption;
            for (int y = half.top(); y <= half.bottom(); ++y)
                for (int x = half.left(); x <= half.right(); ++x)
                    if (withCaptions.pixel(x, y) != without.pixel(x, y)) caption |= QRect(x, y, 1, 1);
            ASSERT_FALSE(caption.isEmpty()) << name;
            for (int y = caption.top(); y <= caption.bottom(); ++y)
                for (int x = caption.left(); x <= caption.right(); ++x) {
                    const QColor c = withCaptions.pixelColor(x, y);
                    EXPECT_TRUE(c.red() == c.green() && c.green() == c.blue())
                        << name << ": a curve's colour at " << x << "," << y << " in the caption "
                        << caption.x() << "," << caption.y() << " " << caption.width() << "x"
                        << caption.height();
                    if (!(c.red() == c.green() && c.green() == c.blue())) return;
                }
        }
    }
}

TEST_F(FigureFiles, SettingsLinesNameTheRegionsNoSliderShows) {
    const auto history = StoredCase("left-bronchus");
    const QStringList lines = SettingsLines(*history);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Reference: RMain 100,")));
    EXPECT_FALSE(lines[0].contains(QLatin1Char(';')));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("; LeftLung.RMain 800, LeftLung.RMiddle 1600")))
        << lines[1].toStdString();
    history->RunCount = 0;
    EXPECT_EQ(SettingsLines(*history).size(), 1);
}

TEST_F(FigureFiles, WithoutASelectedRunTheFiguresShowTheReferenceAndEmptyAxes) {
    const auto history = StoredCase("mixed");
    history->SelectedRun = -1;
    history->RunCount = 0;
    // As after deleting the last run: no slot but the reference keeps samples.
    for (int slot = 1; slot < kHistorySlots; ++slot)
        std::fill(std::begin(history->Slots[slot].SampleVolume),
                  std::end(history->Slots[slot].SampleVolume), 0.0f);
    const QImage image = RenderFigures(*history, sizes, 1);
    EXPECT_EQ(image.size(), QSize(1040, 400));
    EXPECT_EQ(CountPixels(image, QColor(255, 0, 0)), 0);
    EXPECT_GT(CountPixels(image.copy(480, 0, 560, 400), QColor(192, 192, 192)), 300) << "FRC line";
}

TEST_F(FigureFiles, RefusesOtherSuffixesAndUnwritableFoldersLeavingNoFile) {
    const auto history = StoredCase("mixed");
    QString error;
    EXPECT_FALSE(WriteFigureFile(Path("f.jpg"), *history, sizes, info, error));
    EXPECT_TRUE(error.contains(QStringLiteral(".png")));
    EXPECT_FALSE(QFile::exists(Path("f.jpg")));
    for (const char* name : {"missing/f.png", "missing/f.svg", "missing/f.pdf"}) {
        error.clear();
        EXPECT_FALSE(WriteFigureFile(Path(name), *history, sizes, info, error)) << name;
        EXPECT_TRUE(error.contains(QStringLiteral("cannot write"))) << error.toStdString();
    }
    EXPECT_EQ(FigureFormatForPath(QStringLiteral("a.Svg")), FigureFormat::Svg);
    EXPECT_EQ(FigureFormatForPath(QStringLiteral("png")), std::nullopt);
}

} // namespace
} // namespace breathlab
