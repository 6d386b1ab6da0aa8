#include "volume_time_plot.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "plot_canvas.h"
#include "slot_colours.h"

namespace breathlab {

namespace {

// Plot layout in percent of the image. Volume 0 would lie at 92 %; the time
// axis is drawn at the height of 1 l, and the volume axis reaches 10 l.
constexpr double kOriginX = 6.0;
constexpr double kZeroVolumeY = 92.0;
constexpr double kPercentPerSecond = 1.52;
constexpr double kPercentPerLitre = 8.0;
constexpr double kTimeAxisY = 84.0;     // 1 l
constexpr double kTimeAxisEnd = 97.2;   // 60 s
constexpr double kVolumeAxisEnd = 12.0; // 10 l

constexpr int kTickLength = 4;
constexpr int kLabelFontSize = 7;

double TimePercent(double seconds) {
    return kOriginX + kPercentPerSecond * seconds;
}

double VolumePercent(double litres) {
    return kZeroVolumeY - kPercentPerLitre * litres;
}

void DrawTimeTicks(QPainter& painter) {
    const int axisY = PercentY(painter, kTimeAxisY);
    for (int seconds = 2; seconds <= 60; seconds += 2) {
        const int x = PercentX(painter, TimePercent(seconds));
        DrawLineTo(painter, QPoint(x, axisY), QPoint(x, axisY + kTickLength));
        if (seconds % 10 == 0) {
            DrawTextAt(painter, x - HalfLetterWidth(painter), axisY + kTickLength,
                       QString::number(seconds));
        }
    }
}

void DrawVolumeTicks(QPainter& painter) {
    const int axisX = PercentX(painter, kOriginX);
    for (int litres = 2; litres <= 10; litres += 2) {
        const int y = PercentY(painter, VolumePercent(litres));
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
    const int y = PercentY(painter, VolumePercent(referenceFrc));
    const int right = PercentX(painter, kTimeAxisEnd);
    painter.setPen(PlotPen(kSilver, 1));
    DrawLineTo(painter, QPoint(PercentX(painter, kOriginX) + 1, y), QPoint(right, y));
    const QString caption = QStringLiteral("FRC(ref)");
    DrawTextAt(painter, right - TextWidth(painter, caption), y - LetterHeightI(painter), caption);
}

void DrawEmptyPlot(QPainter& painter, double referenceFrc) {
    painter.fillRect(QRect(0, 0, painter.device()->width(), painter.device()->height()), Qt::white);
    painter.setPen(PlotPen(Qt::black, 1));
    painter.setFont(PlotFont(QStringLiteral("MS Serif"), kLabelFontSize));

    const QPoint origin(PercentX(painter, kOriginX), PercentY(painter, kTimeAxisY));
    const int timeAxisEnd = PercentX(painter, kTimeAxisEnd);
    DrawLineTo(painter, origin, QPoint(timeAxisEnd, origin.y()));
    DrawLineTo(painter, origin, QPoint(origin.x(), PercentY(painter, kVolumeAxisEnd)));

    const QString timeCaption = QStringLiteral("t (s)");
    DrawTextAt(painter, timeAxisEnd - TextWidth(painter, timeCaption),
               origin.y() - LetterHeightI(painter), timeCaption);
    DrawTextAt(painter, origin.x() + 4,
               PercentY(painter, kVolumeAxisEnd) - HalfLetterHeight(painter),
               QStringLiteral("Vol (l)"));
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
    return QPoint(PercentX(painter, TimePercent(seconds)),
                  PercentY(painter, VolumePercent(litres)));
}

// The segment that ends at point `point`; a skipped point lets the next one
// join on from the last drawn point.
void DrawSegmentTo(QPainter& painter, VolumeTimePlot& plot, const ResultRecord& record,
                   const QColor& colour, int point) {
    if (point == 2) plot.PenPosition = RecordingPoint(painter, record, 1);
    const auto next = RecordingPoint(painter, record, point);
    if (!next) return;
    if (plot.PenPosition) {
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
