// The whole input is a picture file: decoded as it is, and as a region picture
// whose head the loader turns round first.
#include "fuzz_environment.h"
#include "fuzz_harnesses.h"
#include "fuzz_bytes.h"

#include "jpeg_picture.h"

namespace breathlab {

namespace {

void CheckPicture(const DecodedPicture& picture) {
    if (!picture.Ok()) {
        FuzzCheck(!picture.Error.isEmpty(), "a failed picture says why");
        return;
    }
    FuzzCheck(picture.Image.width() <= kMaxPictureSide && picture.Image.height() <= kMaxPictureSide,
              "a decoded picture is within the size limit");
    FuzzCheck(picture.Image.format() == QImage::Format_RGB32, "a decoded picture is RGB32");
}

} // namespace

void FuzzJpegPicture(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckPicture(DecodeJpeg(bytes));
    CheckPicture(LoadRegionPicture(WriteScratchFile("region.jpg", data, size)));
}

} // namespace breathlab
