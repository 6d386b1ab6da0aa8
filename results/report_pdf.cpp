#include "report_pdf.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <numeric>

#include "indices_table.h"
#include "parameter_set.h"
#include "slot_colours.h"
#include "translated.h"

namespace breathlab {

namespace {

constexpr int kMargin = 48;
constexpr int kGap = 16;

constexpr std::array<const char*, kParameterCount> kParameterNames = {
    "RMain", "VDc", "RMiddle", "StiffMiddle", "RPeripheral", "CCC", "Size", "Cm"};
constexpr std::array<const char*, kRegionCount> kRegionNames = {
    "LeftLung",      "RightLung",      "BothLungs",       "UpperLeftLobe",
    "LowerLeftLobe", "UpperRightLobe", "MiddleRightLobe", "LowerRightLobe"};
// The parameters that have a slider, in the order of the sliders.
constexpr std::array<int, 7> kSliderParameters = {1, 2, 3, 5, 6, 7, 8};

QString Percent(float value) {
    return QLocale().toString(static_cast<double>(value), 'g', 5);
}

QString SettingsLine(const QString& label, const ResultRecord& record) {
    const auto& both = record.ParameterBlock[RegionRow(kBothLungs)];
    QStringList parts;
    for (int k : kSliderParameters)
        parts << QStringLiteral("%1 %2").arg(QLatin1String(kParameterNames[k - 1]),
                                             Percent(both[k - 1]));
    parts << QCoreApplication::translate("ReportPdf", "expiration depth %1")
                 .arg(Percent(record.GlobalParamBlock[0]));
    // Settings that no slider shows: the middle-airway stiffness and the rows
    // of single lungs and lobes.
    QStringList further;
    for (int row = 0; row < kRegionCount; ++row)
        for (int k = 1; k <= kParameterCount; ++k) {
            const float value = record.ParameterBlock[row][k - 1];
            const bool sliderCell = row == RegionRow(kBothLungs) && k != 4;
            if (!sliderCell && value != 100.0f)
                further << QStringLiteral("%1.%2 %3")
                               .arg(QLatin1String(kRegionNames[row]),
                                    QLatin1String(kParameterNames[k - 1]), Percent(value));
        }
    QString line = label + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
    if (!further.isEmpty()) line += QStringLiteral("; ") + further.join(QStringLiteral(", "));
    return line;
}

// Draws text lines from the top, wrapped to the width; returns the next top.
int DrawLines(QPainter& painter, int left, int top, int width, const QStringList& lines) {
    for (const QString& line : lines) {
        const QRect bounds =
            painter.boundingRect(QRect(left, top, width, 10000), Qt::TextWordWrap, line);
        painter.drawText(bounds, Qt::TextWordWrap, line);
        top = bounds.bottom() + 2;
    }
    return top;
}

// The height DrawLines would take.
int LinesHeight(QPainter& painter, int width, const QStringList& lines) {
    int height = 0;
    for (const QString& line : lines)
        height += painter.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, line).height() + 2;
    return height;
}

QFont ReportFont(int pointSize, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

// The indices of the selected run (the reference alone when none is selected).
IndicesTable ReportIndices(const RunHistory& history) {
    IndicesTable table;
    const bool runSelected = history.SelectedRun > 0 && history.SelectedRun < kHistorySlots;
    ShowIndices(table, history, runSelected ? history.SelectedRun : 0, runSelected);
    table.Cells[0][kIndexNameColumn] = Translated("ReportPdf", "Index");
    return table;
}

// Each column as wide as its widest cell and a gap.
std::array<int, kIndicesColumns> ColumnWidths(const QPainter& painter, const IndicesTable& table) {
    std::array<int, kIndicesColumns> widths{};
    for (int row = 0; row < kVariableRow; ++row)
        for (int col = 0; col < kIndicesColumns; ++col)
            widths[col] = std::max(widths[col], painter.fontMetrics().horizontalAdvance(
                                                    table.Cells[row][col].trimmed()) + 14);
    return widths;
}

int TableWidth(const QPainter& painter, const IndicesTable& table) {
    const auto widths = ColumnWidths(painter, table);
    return std::accumulate(widths.begin(), widths.end(), 0);
}

int DrawIndicesTable(QPainter& painter, int left, int top, const IndicesTable& table) {
    const auto widths = ColumnWidths(painter, table);
    const int rowHeight = painter.fontMetrics().height() + 4;
    for (int row = 0; row < kVariableRow; ++row) {
        if (table.Cells[row][kIndexNameColumn].isEmpty()) continue;
        int x = left;
        for (int col = 0; col < kIndicesColumns; ++col) {
            const Qt::Alignment align = col >= kReferenceColumn ? Qt::AlignRight : Qt::AlignLeft;
            painter.drawText(QRect(x, top, widths[col] - 8, rowHeight), align | Qt::AlignVCenter,
                             table.Cells[row][col].trimmed());
            x += widths[col];
        }
        if (row == 0) painter.drawLine(left, top + rowHeight, x, top + rowHeight);
        top += rowHeight;
    }
    return top;
}

// A short thick line in each run's colour, as its curve is drawn, and its name.
int DrawLegend(QPainter& painter, int left, int top, const QList<LegendEntry>& entries) {
    const QFontMetrics metrics = painter.fontMetrics();
    const int middle = top + metrics.height() / 2;
    int x = left;
    for (const LegendEntry& entry : entries) {
        painter.save();
        painter.setPen(QPen(entry.Colour, 3));
        painter.drawLine(x, middle, x + 24, middle);
        painter.restore();
        x += 30;
        painter.drawText(QPoint(x, top + metrics.ascent()), entry.Label);
        x += metrics.horizontalAdvance(entry.Label) + 18;
    }
    return top + metrics.height() + 2;
}

int DrawHeader(QPainter& painter, const QRect& page, const ReportInfo& info) {
    painter.setFont(ReportFont(16, true));
    int top = DrawLines(painter, page.left(), page.top(), page.width(),
                        {Translated("ReportPdf", "breathlab: forced expiration report")});
    if (!info.CaseTitle.isEmpty()) {
        painter.setFont(ReportFont(12, true));
        top = DrawLines(painter, page.left(), top + 4, page.width(),
                        {Translated("ReportPdf", "Case: %1").arg(info.CaseTitle)});
    }
    painter.setFont(ReportFont(9));
    return DrawLines(painter, page.left(), top + 4, page.width(),
                     {Translated("ReportPdf", "Runs from: %1").arg(info.Source),
                      Translated("ReportPdf", "Date: %1").arg(QLocale().toString(info.Date, QLocale::LongFormat))});
}

// The plots one above the other in the left column, as large as the column
// and the height left to them allow; the legend under them. Returns the
// bottom.
int DrawPlots(QPainter& painter, const QRect& column, const RunHistory& history,
              const FigureSizes& sizes) {
    const int legendHeight = painter.fontMetrics().height() + kGap;
    const int plotsHeight = sizes.FlowVolume.height() + sizes.VolumeTime.height();
    const int widest = std::max(sizes.FlowVolume.width(), sizes.VolumeTime.width());
    const double scale = std::min(double(column.width()) / widest,
                                  double(column.height() - legendHeight - kGap) / plotsHeight);
    painter.save();
    painter.translate(column.left(), column.top());
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, RecordFlowVolumePlot(history, sizes.FlowVolume));
    painter.drawPicture(QPointF(0, sizes.FlowVolume.height() + kGap / scale),
                        RecordVolumeTimePlot(history, sizes.VolumeTime));
    painter.restore();
    const int top = column.top() + static_cast<int>(scale * plotsHeight) + kGap + kGap / 2;
    return DrawLegend(painter, column.left(), top, RunLegend(history));
}

void PaintReport(QPainter& painter, const RunHistory& history, const FigureSizes& sizes,
                 const ReportInfo& info) {
    const QRect page(kMargin, kMargin, painter.device()->width() - 2 * kMargin,
                     painter.device()->height() - 2 * kMargin);
    const int top = DrawHeader(painter, page, info) + kGap;

    // The settings close the page; what is left above them goes to the plots
    // (left) and the indices and the case's note (right).
    const QString settingsHeading =
        Translated("ReportPdf", "Settings (reference in % of normal, runs in % of the reference)");
    const QStringList settings = SettingsLines(history);
    painter.setFont(ReportFont(9, true));
    int settingsTop = page.bottom() - LinesHeight(painter, page.width(), {settingsHeading}) - 4;
    painter.setFont(ReportFont(9));
    settingsTop -= LinesHeight(painter, page.width(), settings);

    const IndicesTable table = ReportIndices(history);
    const int tableWidth = TableWidth(painter, table);
    const QRect plots(page.left(), top, page.width() - tableWidth - kGap, settingsTop - kGap - top);
    DrawPlots(painter, plots, history, sizes);

    const int right = plots.right() + kGap;
    painter.setFont(ReportFont(9, true));
    int rightTop = DrawLines(painter, right, top, tableWidth,
                             {Translated("ReportPdf", "Indices (Ref.: reference, Obs.: selected run)")});
    painter.setFont(ReportFont(9));
    rightTop = DrawIndicesTable(painter, right, rightTop + 4, table) + kGap;
    if (!info.CaseNote.isEmpty()) {
        painter.setFont(ReportFont(9, true));
        rightTop = DrawLines(painter, right, rightTop, tableWidth, {Translated("ReportPdf", "Teaching note")});
        painter.setFont(ReportFont(9));
        DrawLines(painter, right, rightTop + 4, tableWidth, {info.CaseNote});
    }

    painter.setFont(ReportFont(9, true));
    const int linesTop = DrawLines(painter, page.left(), settingsTop, page.width(), {settingsHeading});
    painter.setFont(ReportFont(9));
    DrawLines(painter, page.left(), linesTop + 4, page.width(), settings);
}

} // namespace

QString ParameterKeyName(int parameter) {
    return QLatin1String(kParameterNames[parameter - 1]);
}

QString RegionKeyName(int region) {
    return QLatin1String(kRegionNames[RegionRow(region)]);
}

QList<LegendEntry> RunLegend(const RunHistory& history) {
    QList<LegendEntry> entries{{Translated("ReportPdf", "Reference"), SlotColour(0)}};
    for (int run = 1; run <= std::min(history.RunCount, kMaxListedRuns); ++run)
        entries.append({Translated("ReportPdf", "Run %1").arg(run), SlotColour(run)});
    return entries;
}

QStringList SettingsLines(const RunHistory& history) {
    QStringList lines{
        SettingsLine(QCoreApplication::translate("ReportPdf", "Reference"), history.Slots[0])};
    for (int run = 1; run <= std::min(history.RunCount, kMaxListedRuns); ++run)
        lines << SettingsLine(QCoreApplication::translate("ReportPdf", "Run %1").arg(run),
                              history.Slots[run]);
    return lines;
}

bool WriteReportPdf(QIODevice& device, const RunHistory& history, const FigureSizes& sizes,
                    const ReportInfo& info) {
    QPdfWriter pdf(&device);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(PictureDpi());
    pdf.setTitle(QCoreApplication::translate("ReportPdf", "breathlab report"));
    pdf.setCreator(QStringLiteral("breathlab"));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    PaintReport(painter, history, sizes, info);
    return painter.end();
}

} // namespace breathlab
