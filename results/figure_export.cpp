#include "figure_export.h"

#include <QCoreApplication>
#include <QPainter>
#include <QBuffer>
#include <QFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

#include "flow_volume_plot.h"
#include "output_file.h"
#include "report_pdf.h"
#include "volume_time_plot.h"

namespace breathlab {

namespace {

QSize CombinedSize(const FigureSizes& sizes) {
    return {sizes.FlowVolume.width() + sizes.VolumeTime.width(),
            std::max(sizes.FlowVolume.height(), sizes.VolumeTime.height())};
}

// The two plots next to each other on one painter, in logical units.
void PaintFigures(QPainter& painter, const RunHistory& history, const FigureSizes& sizes) {
    painter.fillRect(QRect(QPoint(0, 0), CombinedSize(sizes)), Qt::white);
    painter.drawPicture(0, 0, RecordFlowVolumePlot(history, sizes.FlowVolume));
    painter.drawPicture(sizes.FlowVolume.width(), 0,
                        RecordVolumeTimePlot(history, sizes.VolumeTime));
}

bool SelectedRunHasPoints(const RunHistory& history) {
    const int slot = history.SelectedRun;
    return slot >= 1 && slot < kHistorySlots && history.Slots[slot].TimeAxis[0] != 0;
}

bool WritePng(QIODevice& file, const RunHistory& history, const FigureSizes& sizes) {
    return RenderFigures(history, sizes, 2).save(&file, "PNG");
}

bool WriteSvg(QIODevice& file, const RunHistory& history, const FigureSizes& sizes) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(PictureDpi());
    svg.setSize(CombinedSize(sizes));
    svg.setViewBox(QRect(QPoint(0, 0), CombinedSize(sizes)));
    svg.setTitle(QCoreApplication::translate("FigureExport",
                                             "breathlab: flow-volume and volume-time curves"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    PaintFigures(painter, history, sizes);
    return painter.end();
}

} // namespace

int PictureDpi() {
    return QPicture().logicalDpiX();
}

std::optional<FigureFormat> FigureFormatForPath(const QString& path) {
    const QString lower = path.toLower();
    if (lower.endsWith(QStringLiteral(".png"))) return FigureFormat::Png;
    if (lower.endsWith(QStringLiteral(".svg"))) return FigureFormat::Svg;
    if (lower.endsWith(QStringLiteral(".pdf"))) return FigureFormat::Pdf;
    return std::nullopt;
}

QPicture RecordFlowVolumePlot(const RunHistory& history, QSize size) {
    QPicture picture;
    picture.setBoundingRect(QRect(QPoint(0, 0), size));
    QPainter painter(&picture);
    PaintFlowVolumePlot(painter, history);
    painter.end();
    return picture;
}

QPicture RecordVolumeTimePlot(const RunHistory& history, QSize size) {
    QPicture picture;
    picture.setBoundingRect(QRect(QPoint(0, 0), size));
    QPainter painter(&picture);
    VolumeTimePlot plot;
    if (SelectedRunHasPoints(history))
        PaintVolumeTimeCurve(painter, plot, history);
    else
        PaintVolumeTimeAxes(painter, history.Slots);
    painter.end();
    return picture;
}

QImage RenderFigures(const RunHistory& history, const FigureSizes& sizes, int scale) {
    QImage image(CombinedSize(sizes) * scale, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(PictureDpi() / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    PaintFigures(painter, history, sizes);
    return image;
}

bool WriteFigureFile(const QString& path, const RunHistory& history, const FigureSizes& sizes,
                     const ReportInfo& info, QString& error) {
    const auto format = FigureFormatForPath(path);
    if (!format) {
        error = QCoreApplication::translate("FigureExport",
                                            "%1: a figure file ends in .png, .svg or .pdf")
                    .arg(path);
        return false;
    }
    // The figure is drawn in memory and handed to the one atomic writer, so a
    // full disk or a device at the path never costs the previous file.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    bool ok = false;
    switch (*format) {
    case FigureFormat::Png: ok = WritePng(file, history, sizes); break;
    case FigureFormat::Svg: ok = WriteSvg(file, history, sizes); break;
    case FigureFormat::Pdf: ok = WriteReportPdf(file, history, sizes, info); break;
    }
    std::string written;
    if (ok && !WriteFileAtomically(QFile::encodeName(path).toStdString(), file.data().constData(),
                                   static_cast<std::size_t>(file.data().size()), written))
        ok = false;
    if (!ok) {
        error = QCoreApplication::translate("FigureExport", "cannot write %1: %2")
                    .arg(path, written.empty() ? QStringLiteral("drawing failed")
                                               : QString::fromStdString(written));
    }
    return ok;
}

} // namespace breathlab
