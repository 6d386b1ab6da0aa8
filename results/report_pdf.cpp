#include "report_pdf.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>

#include "indices_table.h"
#include "parameter_set.h"

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

// The indices of the selected run (the reference alone when none is selected).
int DrawIndicesTable(QPainter& painter, int left, int top, const RunHistory& history) {
    IndicesTable table;
    const bool runSelected = history.SelectedRun > 0 && history.SelectedRun < kHistorySlots;
    ShowIndices(table, history, runSelected ? history.SelectedRun : 0, runSelected);
    table.Cells[0][kIndexNameColumn] = QCoreApplication::translate("ReportPdf", "Index");
    const QFontMetrics metrics = painter.fontMetrics();
    const std::array<int, kIndicesColumns> widths = {110, 50, 80, 80, 60};
    const int rowHeight = metrics.height() + 4;
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

void PaintReport(QPainter& painter, const RunHistory& history, const FigureSizes& sizes,
                 const ReportInfo& info) {
    const int pageWidth = painter.device()->width();
    const int width = pageWidth - 2 * kMargin;
    int top = kMargin;

    QFont title(QStringLiteral("Arial"));
    title.setPointSize(16);
    title.setBold(true);
    painter.setFont(title);
    top = DrawLines(
        painter, kMargin, top, width,
        {QCoreApplication::translate("ReportPdf", "breathlab: forced expiration report")});
    QFont body(QStringLiteral("Arial"));
    body.setPointSize(9);
    painter.setFont(body);
    top = DrawLines(painter, kMargin, top + 4, width,
                    {QCoreApplication::translate("ReportPdf", "Runs from: %1").arg(info.Source),
                     QCoreApplication::translate("ReportPdf", "Date: %1")
                         .arg(QLocale().toString(info.Date, QLocale::LongFormat))});

    // The two plots side by side, scaled to share the page's width.
    const int plotsWidth = sizes.FlowVolume.width() + sizes.VolumeTime.width();
    const double scale = static_cast<double>(width - kGap) / plotsWidth;
    painter.save();
    painter.translate(kMargin, top + kGap);
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, RecordFlowVolumePlot(history, sizes.FlowVolume));
    painter.drawPicture(QPointF(sizes.FlowVolume.width() + kGap / scale, 0),
                        RecordVolumeTimePlot(history, sizes.VolumeTime));
    painter.restore();
    top +=
        kGap +
        static_cast<int>(scale * std::max(sizes.FlowVolume.height(), sizes.VolumeTime.height())) +
        kGap;

    QFont heading = body;
    heading.setBold(true);
    painter.setFont(heading);
    top = DrawLines(painter, kMargin, top, width,
                    {QCoreApplication::translate("ReportPdf",
                                                 "Indices (Ref.: reference, Obs.: selected run)")});
    painter.setFont(body);
    top = DrawIndicesTable(painter, kMargin, top + 4, history) + kGap;

    painter.setFont(heading);
    top = DrawLines(
        painter, kMargin, top, width,
        {QCoreApplication::translate(
            "ReportPdf", "Settings (reference in % of normal, runs in % of the reference)")});
    painter.setFont(body);
    DrawLines(painter, kMargin, top + 4, width, SettingsLines(history));
}

} // namespace

QString ParameterKeyName(int parameter) {
    return QLatin1String(kParameterNames[parameter - 1]);
}

QString RegionKeyName(int region) {
    return QLatin1String(kRegionNames[RegionRow(region)]);
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
