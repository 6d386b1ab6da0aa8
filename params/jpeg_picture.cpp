#include "jpeg_picture.h"

#include "translated.h"

#include "data_files.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace breathlab {

namespace {

// libjpeg's own error handler ends the process; this one jumps back to the
// decoder with the library's message instead.
struct JpegErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpBackOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->Message);
    std::longjmp(errors->Jump, 1);
}

// Level -1 is a warning about damaged data (a truncated file is decoded as grey
// otherwise): treat it as an error. Trace messages are ignored.
void JumpBackOnWarning(j_common_ptr info, int level) {
    if (level < 0) JumpBackOnError(info);
}

// Everything the decoder touches between setjmp and longjmp is plain data or a
// pointer, so jumping back skips no destructor.
struct JpegDecoding {
    jpeg_decompress_struct Info;
    JpegErrorManager Errors;
    const unsigned char* Data;
    unsigned long Size;
    QImage* Target;
};

void SetMessage(JpegDecoding& decoding, const char* text) {
    std::snprintf(decoding.Errors.Message, sizeof decoding.Errors.Message, "%s", text);
}

// Called outside any jump path: the temporary QImage is gone before libjpeg runs again.
bool AllocateTarget(QImage* target, JDIMENSION width, JDIMENSION height) {
    if (width > kMaxPictureSide || height > kMaxPictureSide) return false;
    *target = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    return !target->isNull();
}

void CopyRgbRow(const JSAMPLE* rgb, uchar* line, JDIMENSION width) {
    auto* pixels = reinterpret_cast<QRgb*>(line);
    for (JDIMENSION x = 0; x < width; ++x, rgb += 3)
        pixels[x] = qRgb(rgb[0], rgb[1], rgb[2]);
}

bool ReadScanlines(JpegDecoding& d) {
    jpeg_read_header(&d.Info, TRUE);
    d.Info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.Info);
    if (!AllocateTarget(d.Target, d.Info.output_width, d.Info.output_height)) {
        SetMessage(d, QT_TRANSLATE_NOOP("JpegPicture", "The picture is too large."));
        return false;
    }
    JSAMPARRAY row = (*d.Info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.Info),
                                                 JPOOL_IMAGE, d.Info.output_width * 3, 1);
    while (d.Info.output_scanline < d.Info.output_height) {
        const JDIMENSION line = d.Info.output_scanline;
        if (jpeg_read_scanlines(&d.Info, row, 1) != 1) return false;
        CopyRgbRow(row[0], d.Target->scanLine(static_cast<int>(line)), d.Info.output_width);
    }
    jpeg_finish_decompress(&d.Info);
    return true;
}

bool RunDecoding(JpegDecoding& d) {
    d.Info.err = jpeg_std_error(&d.Errors.Base);
    d.Errors.Base.error_exit = JumpBackOnError;
    d.Errors.Base.emit_message = JumpBackOnWarning;
    SetMessage(d, QT_TRANSLATE_NOOP("JpegPicture", "The picture could not be decoded."));
    if (setjmp(d.Errors.Jump) != 0) {
        jpeg_destroy_decompress(&d.Info);
        return false;
    }
    jpeg_create_decompress(&d.Info);
    jpeg_mem_src(&d.Info, d.Data, d.Size);
    const bool decoded = ReadScanlines(d);
    jpeg_destroy_decompress(&d.Info);
    return decoded;
}

DecodedPicture Failure(const QString& message) {
    return {QImage(), message};
}

} // namespace

DecodedPicture DecodeJpeg(const QByteArray& bytes) {
    QImage image;
    JpegDecoding decoding;
    std::memset(&decoding, 0, sizeof decoding);
    decoding.Data = reinterpret_cast<const unsigned char*>(bytes.constData());
    decoding.Size = static_cast<unsigned long>(bytes.size());
    decoding.Target = &image;
    if (!RunDecoding(decoding)) return Failure(Translated("JpegPicture", decoding.Errors.Message));
    return {image, QString()};
}

DecodedPicture LoadJpegFile(const QString& path) {
    QString error;
    const std::optional<QByteArray> bytes = ReadDataFile(path, error);
    if (!bytes) return Failure(error);
    DecodedPicture picture = DecodeJpeg(*bytes);
    if (!picture.Ok()) picture.Error = path + ": " + picture.Error;
    return picture;
}

DecodedPicture LoadRegionPicture(const QString& path) {
    QString error;
    std::optional<QByteArray> read = ReadDataFile(path, error);
    if (!read) return Failure(error);
    QByteArray& bytes = *read;
    if (!ReverseHead(bytes))
        return Failure(path +
                       Translated("JpegPicture", ": the picture file is shorter than %1 bytes.")
                           .arg(kReversedHeadLength));
    DecodedPicture picture = DecodeJpeg(bytes);
    if (!picture.Ok()) picture.Error = path + ": " + picture.Error;
    return picture;
}

} // namespace breathlab
