// Reading the airway pictures: JPEG decoding with libjpeg into a QImage, and the
// region pictures whose first bytes are stored in reverse order.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace breathlab {

// A decoded picture (Format_RGB32), or a null image and the reason it failed.
struct DecodedPicture {
    QImage Image;
    QString Error;
    bool Ok() const { return !Image.isNull(); }
};

// Pictures larger than this on either side are refused rather than allocated.
constexpr int kMaxPictureSide = 16384;

// Decodes JPEG bytes. Damaged, truncated or foreign data gives an error result;
// libjpeg's warnings about damaged data count as errors too.
DecodedPicture DecodeJpeg(const QByteArray& bytes);

// A plain JPEG file, such as the background picture.
DecodedPicture LoadJpegFile(const QString& path);

// A region picture file: its head is turned back in memory before decoding; the
// file itself is not touched.
DecodedPicture LoadRegionPicture(const QString& path);

} // namespace breathlab
