#include "flow_volume_plot.h"

#include "translated.h"

#include <cmath>
#include <optional>

#include "plot_canvas.h"
#include "slot_colours.h"

namespace breathlab {

namespace {

// Plot layout in hundredths of a percent of the image: the origin, the scale of each axis and
// the ends of the axes (8 l of volume, 12 l/s expiratory and 4 l/s
// inspiratory flow).
constexpr int kOriginX = 600;
constexpr int kOriginY = 7200;
constexpr int kPercentPerLitre = 1150;
constexpr int kPercentPerLitrePerSecond = 560;
constexpr int kVolumeAxisEnd = 9800;
constexpr int kExpiratoryAxisEnd = 480;
constexpr int kInspiratoryAxisEnd = 9440;

constexpr int kTickLength = 4;
constexpr int kFev1MarkLength = 8;
constexpr int kLabelFontSize = 8;
constexpr int kWidePenWidth = 3;

struct VolumeRange {
    double Min = 100.0;  // smallest positive volume
    double Max = -100.0; // largest volume
};

VolumeRange SampledVolumeRange(const ResultRecord& record) {
    VolumeRange range;
    for (float volume : record.SampleVolume) {
        if (volume > 0 && volume < range.Min) range.Min = volume;
        if (volume > range.Max) range.Max = volume;
    }
    return range;
}

// The x axis is the volume expired since the largest volume; expiratory flow,
// negative in the record, lies above the volume axis.
std::optional<QPoint> CurvePoint(const QPainter& painter, double volumeMax, double volume,
                                 double flow) {
    const double expired = volumeMax - volume;
    if (!std::isfinite(expired) || !std::isfinite(flow)) return std::nullopt;
    return QPoint(HundredthsX(painter, kOriginX + kPercentPerLitre * expired),
                  HundredthsY(painter, kOriginY + kPercentPerLitrePerSecond * flow));
}

void DrawAxes(QPainter& painter) {
    const QPoint origin(HundredthsX(painter, kOriginX), HundredthsY(painter, kOriginY));
    DrawLineTo(painter, origin, QPoint(HundredthsX(painter, kVolumeAxisEnd), origin.y()));
    DrawLineTo(painter, origin, QPoint(origin.x(), HundredthsY(painter, kExpiratoryAxisEnd)));
    DrawLineTo(painter, origin, QPoint(origin.x(), HundredthsY(painter, kInspiratoryAxisEnd)));
}

// The flow captions name the airway flow that the run recorded; other signals
// have no caption. They are drawn after the curves, on their own white ground,
// so that no curve runs through a caption; the inspiratory one sits just below
// its axis' end, where only an inspiration beyond 4 l/s could reach.
void DrawCaptions(QPainter& painter, int recordedSignal) {
    const QString volumeCaption = Translated("FlowVolumePlot", "Vol (l)");
    DrawTextAt(painter, HundredthsX(painter, kVolumeAxisEnd) - TextWidth(painter, volumeCaption),
               HundredthsY(painter, kOriginY) - LetterHeightI(painter), volumeCaption);
    if (recordedSignal < 1 || recordedSignal > 3) return;
    const int left = HundredthsX(painter, kOriginX) + 4;
    DrawTextAt(painter, left, HundredthsY(painter, kExpiratoryAxisEnd) - HalfLetterHeight(painter),
               Translated("FlowVolumePlot", "Flow exp. (l/s)"));
    DrawTextAt(painter, left, HundredthsY(painter, kInspiratoryAxisEnd) + 2,
               Translated("FlowVolumePlot", "Flow insp. (l/s)"));
}

void DrawVolumeTicks(QPainter& painter) {
    const int axisY = HundredthsY(painter, kOriginY);
    for (int litres = 1; litres <= 8; ++litres) {
        const int x = HundredthsX(painter, kOriginX + kPercentPerLitre * litres);
        DrawLineTo(painter, QPoint(x, axisY), QPoint(x, axisY + kTickLength));
        DrawTextAt(painter, x - HalfLetterWidth(painter), axisY + kTickLength,
                   QString::number(litres));
    }
}

// Flow ticks point left of the flow axis; a label ends a dash's width and 3
// pixels before the axis, an inspiratory label carrying its minus sign in
// front of that.
void DrawFlowTick(QPainter& painter, int flow) {
    const int axisX = HundredthsX(painter, kOriginX);
    const int y = HundredthsY(painter, kOriginY - kPercentPerLitrePerSecond * flow);
    DrawLineTo(painter, QPoint(axisX, y), QPoint(axisX - kTickLength, y));
    const QString magnitude = QString::number(std::abs(flow));
    const int signs = flow < 0 ? 2 : 1;
    const int left =
        axisX - TextWidth(painter, magnitude) - signs * TextWidth(painter, QStringLiteral("-")) - 3;
    DrawTextAt(painter, left, y - HalfLetterHeight(painter), QString::number(flow));
}

void DrawFlowTicks(QPainter& painter) {
    for (int flow = 2; flow <= 12; flow += 2)
        DrawFlowTick(painter, flow);
    for (int flow = -2; flow >= -4; flow -= 2)
        DrawFlowTick(painter, flow);
}

bool IsHistorySlot(int slot) {
    return slot >= 0 && slot < kHistorySlots;
}

} // namespace

void DrawFlowVolumePlot(QImage& image, const RunHistory& history, int recordedSignal,
                        const CurveReplayStep& replayStep) {
    if (image.isNull()) return;
    QPainter painter(&image);
    PaintFlowVolumePlot(painter, history, recordedSignal, replayStep);
}

void PaintFlowVolumePlot(QPainter& painter, const RunHistory& history, int recordedSignal,
                         const CurveReplayStep& replayStep) {
    painter.fillRect(QRect(0, 0, painter.device()->width(), painter.device()->height()), Qt::white);
    painter.setPen(PlotPen(Qt::black, 1));
    painter.setFont(PlotFont(QStringLiteral("Arial"), kLabelFontSize));
    DrawAxes(painter);
    DrawVolumeTicks(painter);
    DrawFlowTicks(painter);

    DrawFlowVolumeCurve(painter, history.Slots, 0, SlotColour(0), 1, replayStep);
    DrawFev1Mark(painter, history.Slots, 0, SlotColour(0));
    // The newest run is drawn last, on top of the older ones.
    for (int slot = 3; slot >= 1; --slot) {
        const int width = slot == history.SelectedRun ? kWidePenWidth : 1;
        DrawFlowVolumeCurve(painter, history.Slots, slot, SlotColour(slot), width, replayStep);
        DrawFev1Mark(painter, history.Slots, slot, SlotColour(slot));
    }
    painter.setPen(PlotPen(Qt::black, 1));
    DrawCaptions(painter, recordedSignal);
}

void DrawFlowVolumeCurve(QPainter& painter, const ResultHistory& records, int slot,
                         const QColor& colour, int penWidth, const CurveReplayStep& replayStep) {
    if (!IsHistorySlot(slot)) return;
    const ResultRecord& record = records[static_cast<std::size_t>(slot)];
    const float* volume = record.SampleVolume;
    const float* flow = record.SampleSignal;
    const VolumeRange range = SampledVolumeRange(record);
    const bool replaying = replayStep && penWidth >= 2;

    const SmoothLines smooth(painter);
    painter.setPen(PlotPen(colour, penWidth));
    std::optional<QPoint> penAt = CurvePoint(painter, range.Max, volume[0], flow[0]);
    for (int n = 2; n <= kSampleCapacity; ++n) {
        const int i = n - 1;
        if (volume[i] == 0) break; // the first unfilled sample ends the curve
        // A sample of a foreign file that cannot be placed is passed over; the
        // next one joins on from the last drawn point.
        if (const auto next = CurvePoint(painter, range.Max, volume[i], flow[i])) {
            // With no flow the pen moves without drawing: a breath hold is a gap.
            if (penAt && flow[i] != 0) DrawLineTo(painter, *penAt, *next);
            penAt = next;
        }
        if (replaying && !replayStep({slot, n, volume[i], range.Min, range.Max})) break;
    }
    painter.setPen(PlotPen(Qt::black, penWidth));
}

void DrawFev1Mark(QPainter& painter, const ResultHistory& records, int slot, const QColor& colour) {
    if (!IsHistorySlot(slot)) return;
    const ResultRecord& record = records[static_cast<std::size_t>(slot)];
    if (record.SampleVolume[1] == 0 || !(record.FEV1 > 0) || !(record.FRC > 0)) return;
    if (!std::isfinite(record.FEV1) || !std::isfinite(record.FlowAtFev1)) return;
    const int width = painter.pen().width();
    const QPoint foot(HundredthsX(painter, kOriginX + kPercentPerLitre * record.FEV1),
                      HundredthsY(painter, kOriginY + kPercentPerLitrePerSecond * record.FlowAtFev1));
    const SmoothLines smooth(painter);
    painter.setPen(PlotPen(colour, width));
    DrawLineTo(painter, foot, foot - QPoint(0, kFev1MarkLength));
    painter.setPen(PlotPen(Qt::black, width));
}

} // namespace breathlab
