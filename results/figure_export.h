// The flow-volume and volume-time plots as files: both plots side by side in
// a PNG (twice the size they have on the screen) or an SVG, and the one-page
// PDF report. The drawing is the window's own.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QPicture>
#include <QSize>
#include <QString>

#include <optional>

#include "run_history.h"

namespace breathlab {

// The sizes the plots have on the screen; the figures keep their layout.
struct FigureSizes {
    QSize FlowVolume{480, 400};
    QSize VolumeTime{560, 400};
};

enum class FigureFormat { Png, Svg, Pdf };

// The format named by a file's suffix (.png, .svg, .pdf in any letter case).
std::optional<FigureFormat> FigureFormatForPath(const QString& path);

// What the report says about where the runs come from.
struct ReportInfo {
    QString Source; // a file name, or where the runs came from
    QDateTime Date = QDateTime::currentDateTime();
    QString CaseTitle{}; // the teaching case the runs show, when they come from one
    QString CaseNote{};  // its teaching note, as plain text
};

// The resolution at which the recorded drawings below are laid out; a device
// of another resolution would replay them scaled.
int PictureDpi();

// The plots as recorded drawings of the given size: the flow-volume plot of
// the reference and the listed runs, the volume-time curve of the selected run
// (empty axes when no run is selected).
QPicture RecordFlowVolumePlot(const RunHistory& history, QSize size);
QPicture RecordVolumeTimePlot(const RunHistory& history, QSize size);

// Both plots side by side, every length multiplied by `scale`.
QImage RenderFigures(const RunHistory& history, const FigureSizes& sizes, int scale);

// Writes the figures or the report in the format of the path's suffix. The
// file is written through a temporary one, so a failure leaves no partial
// file; returns false with a message.
bool WriteFigureFile(const QString& path, const RunHistory& history, const FigureSizes& sizes,
                     const ReportInfo& info, QString& error);

} // namespace breathlab
