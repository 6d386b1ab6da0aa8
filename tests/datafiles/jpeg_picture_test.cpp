#include "jpeg_picture.h"

#include "data_files.h"

#include <QColor>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace breathlab {
namespace {

QString Shipped(const QString& name) {
    return QString(SHIPPED_DATA_FOLDER) + "/" + name;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray PlainJpeg() {
    return ReadFile(Shipped("tlo.dat"));
}

QColor PixelAtPercent(const QImage& image, double x, double y) {
    return image.pixelColor(static_cast<int>(x * image.width() / 100),
                            static_cast<int>(y * image.height() / 100));
}

TEST(ShippedPictures, AllDecodeToTheSameSize) {
    const DecodedPicture background = LoadJpegFile(Shipped("tlo.dat"));
    ASSERT_TRUE(background.Ok()) << background.Error.toStdString();
    EXPECT_EQ(background.Image.format(), QImage::Format_RGB32);
    for (int code = 1; code <= 5; ++code) {
        const QString name = QString("F00%1.dat").arg(code);
        const DecodedPicture picture = LoadRegionPicture(Shipped(name));
        ASSERT_TRUE(picture.Ok()) << name.toStdString() << picture.Error.toStdString();
        EXPECT_EQ(picture.Image.size(), background.Image.size()) << name.toStdString();
    }
}

TEST(ShippedPictures, RegionPicturesAreStoredWithTheirHeadReversed) {
    const QByteArray stored = ReadFile(Shipped("F001.dat"));
    EXPECT_FALSE(DecodeJpeg(stored).Ok());
    EXPECT_NE(static_cast<unsigned char>(stored[0]), 0xFF);
    QByteArray restored = stored;
    ASSERT_TRUE(ReverseHead(restored));
    EXPECT_EQ(static_cast<unsigned char>(restored[0]), 0xFF); // start of a JPEG stream
    EXPECT_EQ(static_cast<unsigned char>(restored[1]), 0xD8);
}

// The trachea is plain in picture 1 and highlighted, warmer, in picture 2; the
// lung tissue beside it is stronger only in picture 5.
TEST(ShippedPictures, EachPictureHighlightsItsRegion) {
    const QImage plain = LoadRegionPicture(Shipped("F001.dat")).Image;
    const QImage main = LoadRegionPicture(Shipped("F002.dat")).Image;
    const QImage lungs = LoadRegionPicture(Shipped("F005.dat")).Image;
    const QColor plainTrachea = PixelAtPercent(plain, 50, 22);
    const QColor mainTrachea = PixelAtPercent(main, 50, 22);
    EXPECT_LT(mainTrachea.blue() + 60, plainTrachea.blue());
    const QColor plainLung = PixelAtPercent(plain, 12, 62);
    const QColor highlightedLung = PixelAtPercent(lungs, 12, 62);
    EXPECT_LT(highlightedLung.green() + 40, plainLung.green());
    EXPECT_EQ(PixelAtPercent(main, 12, 62), plainLung);
}

TEST(JpegDecoding, DamagedDataIsAnErrorNotACrash) {
    const QByteArray jpeg = PlainJpeg();
    ASSERT_GT(jpeg.size(), 1000);
    for (qsizetype length : {qsizetype(0), qsizetype(2), qsizetype(20), qsizetype(300),
                             jpeg.size() / 2, jpeg.size() - 2}) {
        const DecodedPicture picture = DecodeJpeg(jpeg.left(length));
        EXPECT_FALSE(picture.Ok()) << "truncated to " << length;
        EXPECT_FALSE(picture.Error.isEmpty());
    }
    EXPECT_FALSE(DecodeJpeg("GIF89a this is no JPEG picture at all").Ok());

    QByteArray noise = jpeg.left(2);
    for (int i = 0; i < 5000; ++i)
        noise += static_cast<char>((i * 7919) % 251);
    EXPECT_FALSE(DecodeJpeg(noise).Ok());

    QByteArray badFrame = jpeg;
    const qsizetype frame = badFrame.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    badFrame[frame + 5] = 0; // image height 0
    badFrame[frame + 6] = 0;
    EXPECT_FALSE(DecodeJpeg(badFrame).Ok());
}

TEST(JpegDecoding, FileErrorsNameTheFile) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString missing = temporary.filePath("tlo.dat");
    EXPECT_TRUE(LoadJpegFile(missing).Error.startsWith(missing));

    const QString shortFile = temporary.filePath("F001.dat");
    QFile file(shortFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(PlainJpeg().left(99));
    file.close();
    const DecodedPicture picture = LoadRegionPicture(shortFile);
    EXPECT_FALSE(picture.Ok());
    EXPECT_TRUE(picture.Error.startsWith(shortFile));
    EXPECT_TRUE(picture.Error.contains("100"));
}

} // namespace
} // namespace breathlab
