#include "volume_time_plot.h"

#include "translated.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "plot_canvas.h"
#include "slot_colours.h"

namespace breathlab {

namespace {

// Plot layout in hundredths of a percent of the image. Volume 0 would lie at 92 %; the time
// axis is drawn at the height of 1 l, and the volume axis reaches 10 l.
constexpr int kOriginX = 600;
constexpr int kZeroVolumeY = 9200;
constexpr int kPercentPerSecond = 152;
constexpr int kPercentPerLitre = 800;
constexpr int kTimeAxisY = 8400;     // 1 l
constexpr int kTimeAxisEnd = 9720;   // 60 s
constexpr int kVolumeAxisEnd = 1200; // 10 l

constexpr int kTickLength = 4;
constexpr int kLabelFontSize = 7;

double TimeHundredths(double seconds) {
    return kOriginX + kPercentPerSecond * seconds;
}

double VolumeHundredths(double litres) {
    return kZeroVolumeY - kPercentPerLitre * litres;
}

void DrawTimeTicks(QPainter& painter) {
    const int axisY = HundredthsY(painter, kTimeAxisY);
    // Large labels (presentation mode) on a low plot would run past its
    // bottom edge; they move up over the ticks instead of being cut.
    const int labelTop = std::min(axisY + kTickLength,
                                  LogicalHeight(*painter.device()) - LetterHeightI(painter));
    for (int seconds = 2; seconds <= 60; seconds += 2) {
        const int x = HundredthsX(painter, TimeHundredths(seconds));
        DrawLineTo(painter, QPoint(x, axisY), QPoint(x, axisY + kTickLength));
        if (seconds % 10 == 0)
            DrawTextAt(painter, x - HalfLetterWidth(painter), labelTop, QString::number(seconds));
    }
}

void DrawVolumeTicks(QPainter& painter) {
    const int axisX = HundredthsX(painter, kOriginX);
    for (int litres = 2; litres <= 10; litres += 2) {
        const int y = HundredthsY(painter, VolumeHundredths(litres));
        DrawLineTo(painter, QPoint(axisX, y), QPoint(axisX - kTickLength, y));
        const QString label = QString::number(litres);
        DrawTextAt(painter,
                   axisX - TextWidth(painter, label) - TextWidth(painter, QStringLiteral("-")) - 3,
                   y - HalfLetterHeight(painter), label);
    }
}

// The reference's FRC, so that the end-expiratory level of the run can be
// compared with it. A reference without a usable FRC gets no line.
void DrawReferenceFrc(QPainter& painter, double referenceFrc) {
    if (!std::isfinite(referenceFrc)) return;
    const int y = HundredthsY(painter, VolumeHundredths(referenceFrc));
    const int right = HundredthsX(painter, kTimeAxisEnd);
    painter.setPen(PlotPen(kSilver, 1));
    DrawLineTo(painter, QPoint(HundredthsX(painter, kOriginX) + 1, y), QPoint(right, y));
    const QString caption = Translated("VolumeTimePlot", "FRC(ref)");
    DrawTextAt(painter, right - TextWidth(painter, caption), y - LetterHeightI(painter), caption);
}

void DrawEmptyPlot(QPainter& painter, double referenceFrc) {
    painter.fillRect(
        QRect(0, 0, LogicalWidth(*painter.device()), LogicalHeight(*painter.device())), Qt::white);
    painter.setPen(PlotPen(Qt::black, 1));
    painter.setFont(PlotFont(QStringLiteral("MS Serif"), kLabelFontSize));

    const QPoint origin(HundredthsX(painter, kOriginX), HundredthsY(painter, kTimeAxisY));
    const int timeAxisEnd = HundredthsX(painter, kTimeAxisEnd);
    DrawLineTo(painter, origin, QPoint(timeAxisEnd, origin.y()));
    DrawLineTo(painter, origin, QPoint(origin.x(), HundredthsY(painter, kVolumeAxisEnd)));

    const QString timeCaption = Translated("VolumeTimePlot", "t (s)");
    DrawTextAt(painter, timeAxisEnd - TextWidth(painter, timeCaption),
               origin.y() - LetterHeightI(painter), timeCaption);
    DrawTextAt(painter, origin.x() + 4,
               HundredthsY(painter, kVolumeAxisEnd) - HalfLetterHeight(painter),
               Translated("VolumeTimePlot", "Vol (l)"));
    DrawTimeTicks(painter);
    DrawVolumeTicks(painter);
    DrawReferenceFrc(painter, referenceFrc);
}

// Recording point `point` (1-based) of a run; points that a foreign file
// leaves non-finite have no place on the plot.
std::optional<QPoint> RecordingPoint(const QPainter& painter, const ResultRecord& record,
                                     int point) {
    const double seconds = record.TimeAxis[point - 1];
    const double litres = record.VolumeTrace[point - 1];
    if (!std::isfinite(seconds) || !std::isfinite(litres)) return std::nullopt;
    return QPoint(HundredthsX(painter, TimeHundredths(seconds)),
                  HundredthsY(painter, VolumeHundredths(litres)));
}

// The segment that ends at point `point`; a skipped point lets the next one
// join on from the last drawn point.
void DrawSegmentTo(QPainter& painter, VolumeTimePlot& plot, const ResultRecord& record,
                   const QColor& colour, int point) {
    if (point == 2) plot.PenPosition = RecordingPoint(painter, record, 1);
    const auto next = RecordingPoint(painter, record, point);
    if (!next) return;
    if (plot.PenPosition) {
        const SmoothLines smooth(painter);
        painter.setPen(PlotPen(colour, 1));
        DrawLineTo(painter, *plot.PenPosition, *next);
    }
    plot.PenPosition = next;
}

void DrawStep(QPainter& painter, VolumeTimePlot& plot, const ResultHistory& records, int slot) {
    const int cursor = plot.VolumeTimeCursor;
    if (cursor == 1) {
        DrawEmptyPlot(painter, records[0].FRC);
        plot.PenPosition.reset();
    } else if (cursor >= 2 && cursor <= kTracePoints && slot >= 0 && slot < kHistorySlots) {
        DrawSegmentTo(painter, plot, records[static_cast<std::size_t>(slot)], SlotColour(slot),
                      cursor);
    }
    // Past the last recording point the cursor stops counting.
    plot.VolumeTimeCursor = std::min(cursor, kTracePoints) + 1;
}

} // namespace

void DrawVolumeTimeStep(QImage& image, VolumeTimePlot& plot, const ResultHistory& records,
                        int slot) {
    if (image.isNull()) return;
    QPainter painter(&image);
    DrawStep(painter, plot, records, slot);
}

void RedrawVolumeTime(QImage& image, VolumeTimePlot& plot, const RunHistory& history) {
    plot.VolumeTimeCursor = 1;
    if (image.isNull()) return;
    QPainter painter(&image);
    PaintVolumeTimeCurve(painter, plot, history);
}

void PaintVolumeTimeAxes(QPainter& painter, const ResultHistory& records) {
    DrawEmptyPlot(painter, records[0].FRC);
}

void PaintVolumeTimeCurve(QPainter& painter, VolumeTimePlot& plot, const RunHistory& history) {
    plot.VolumeTimeCursor = 1;
    const int slot = history.SelectedRun;
    if (slot < 1 || slot >= kHistorySlots) return;
    const ResultRecord& record = history.Slots[static_cast<std::size_t>(slot)];
    for (int point = 1; point <= kTracePoints; ++point) {
        if (record.TimeAxis[point - 1] == 0) break;
        DrawStep(painter, plot, history.Slots, slot);
    }
}

} // namespace breathlab
