#include "picture_area.h"

#include <QMouseEvent>
#include <QPainter>

QImage NewDeviceImage(const QSize& logicalSize, qreal devicePixelRatio) {
    QImage image(logicalSize * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

PictureArea::PictureArea(QWidget* parent) : QWidget(parent) {}

// The window restores its picture whenever it is painted, and painting this
// area paints the window behind it: an update for an unchanged picture would
// start the next round, for ever. The cache key changes with every change of
// an image's pixels, so an unchanged key means nothing new to show.
void PictureArea::SetPicture(const QImage& picture) {
    if (picture.cacheKey() == picture_.cacheKey()) return;
    picture_ = picture;
    update();
}

void PictureArea::SetStretch(bool stretch) {
    if (stretch == stretch_) return;
    stretch_ = stretch;
    update();
}

void PictureArea::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    if (stretch_)
        painter.drawImage(rect(), picture_);
    else
        painter.drawImage(QPoint(0, 0), picture_);
}

void PictureArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit MouseMoved(pos.x(), pos.y());
}

void PictureArea::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit MouseDown(event->button(), pos.x(), pos.y());
}
