#include "picture_area.h"

#include <QMouseEvent>
#include <QPainter>

QImage NewDeviceImage(const QSize& logicalSize, qreal devicePixelRatio) {
    QImage image(logicalSize * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

PictureArea::PictureArea(QWidget* parent) : QWidget(parent) {}

void PictureArea::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureArea::SetStretch(bool stretch) {
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
