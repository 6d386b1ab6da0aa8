// Saves a rectangle of the X screen as a picture, so that the end-to-end
// script can look at what the program shows without any image tool installed.
// Usage: breathlab_screen_grab LEFT TOP WIDTH HEIGHT OUTPUT
// The output format follows the file extension (.ppm is the easiest to read
// from a shell script: a short text header, then three bytes per pixel).
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <optional>

namespace {

std::optional<int> ParseInt(const char* text) {
    bool ok = false;
    const int value = QString::fromLocal8Bit(text).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s LEFT TOP WIDTH HEIGHT OUTPUT\n", argv[0]);
        return 2;
    }
    const auto left = ParseInt(argv[1]), top = ParseInt(argv[2]);
    const auto width = ParseInt(argv[3]), height = ParseInt(argv[4]);
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0) {
        std::fprintf(stderr, "%s: the rectangle must be four integers\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fprintf(stderr, "%s: no screen\n", argv[0]);
        return 1;
    }
    // Window 0 is the root window: the picture is what a person sees there.
    const QImage picture = screen->grabWindow(0, *left, *top, *width, *height)
                               .toImage()
                               .convertToFormat(QImage::Format_RGB888);
    if (picture.size() != QSize(*width, *height) ||
        !picture.save(QString::fromLocal8Bit(argv[5]))) {
        std::fprintf(stderr, "%s: could not grab or save the picture\n", argv[0]);
        return 1;
    }
    return 0;
}
