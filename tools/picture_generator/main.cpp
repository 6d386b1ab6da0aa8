// Draws the airway pictures and writes the data files of "datfiles1":
//   breathlab-pictures <data folder> [<check picture.png>]
// F001.dat to F005.dat (region pictures, head stored reversed), tlo.dat (the
// background of the live schematic) and F000.dat (the hot-spot table). The
// optional PNG shows region picture 1 with every hot spot, for checking by eye.
#include "background_illustration.h"
#include "data_files.h"
#include "grid_file.h"
#include "hot_spot_layout.h"
#include "illustration_geometry.h"
#include "region_illustration.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

using namespace breathlab;

// The picture area at a screen width of 1280 pixels; the program stretches the
// pictures to whatever size the area has.
constexpr QSize kPictureSize(486, 514);
constexpr int kJpegQuality = 85;

bool Fail(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return false;
}

bool SaveJpeg(const QImage& image, const QString& path) {
    if (!image.save(path, "JPG", kJpegQuality)) return Fail("Could not write " + path);
    return true;
}

bool WriteRegionPictures(const IllustrationGeometry& geometry, const QDir& folder) {
    for (int code = kFirstRegionCode; code <= kLastRegionCode; ++code) {
        const QString path = folder.filePath(QString("F%1.dat").arg(code, 3, 10, QChar('0')));
        if (!SaveJpeg(DrawRegionPicture(geometry, code), path)) return false;
        if (!ReverseFileHead(path, "*")) return Fail("Could not reverse the head of " + path);
    }
    return true;
}

bool WriteHotSpotTable(const std::vector<HotSpotPoint>& hotSpots, const QDir& folder) {
    const auto failure = SaveGridToFile(folder.filePath("F000.dat"), HotSpotGrid(hotSpots));
    return failure ? Fail(*failure) : true;
}

bool WriteCheckPicture(const IllustrationGeometry& geometry,
                       const std::vector<HotSpotPoint>& hotSpots, const QString& path) {
    static const QColor regionColours[] = {Qt::black, Qt::gray,      Qt::red,
                                           Qt::blue,  Qt::darkGreen, Qt::magenta};
    QImage image = DrawRegionPicture(geometry, kFirstRegionCode);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const HotSpotPoint& spot : hotSpots) {
        const QPointF centre = PercentPoint(geometry.Size, spot.XPercent, spot.YPercent);
        const QPointF radius = PercentPoint(geometry.Size, 5, 5);
        painter.setPen(QPen(regionColours[spot.Region], 1.5));
        painter.drawRect(QRectF(centre - radius, centre + radius));
        painter.drawText(centre + QPointF(-3, 4), QString::number(spot.Region));
    }
    painter.end();
    if (!image.save(path, "PNG")) return Fail("Could not write " + path);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fprintf(stderr, "usage: breathlab-pictures <data folder> [<check picture.png>]\n");
        return 2;
    }
    const QDir folder(arguments[1]);
    if (!folder.exists() && !QDir().mkpath(folder.path())) return 1;
    const IllustrationGeometry geometry = MakeIllustrationGeometry(kPictureSize);
    const std::vector<HotSpotPoint> hotSpots = MakeHotSpots(geometry);
    const bool written =
        WriteRegionPictures(geometry, folder) &&
        SaveJpeg(DrawBackgroundPicture(geometry), folder.filePath("tlo.dat")) &&
        WriteHotSpotTable(hotSpots, folder) &&
        (arguments.size() < 3 || WriteCheckPicture(geometry, hotSpots, arguments[2]));
    return written ? 0 : 1;
}
