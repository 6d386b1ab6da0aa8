// A rectangle of the main window that shows a picture it is given: the airway
// picture and the two plots. It also reports the mouse, with positions
// relative to its own top-left corner.
#pragma once

#include <QImage>
#include <QWidget>

// An image of the given logical size at the device's resolution: on a HiDPI
// screen it has devicePixelRatio pixels per logical pixel, so that it is
// shown pixel for pixel rather than scaled up.
QImage NewDeviceImage(const QSize& logicalSize, qreal devicePixelRatio);

class PictureArea : public QWidget {
    Q_OBJECT

  public:
    explicit PictureArea(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    // Stretched pictures fill the whole area; others are drawn at their own
    // size from the top-left corner.
    void SetStretch(bool stretch);

  signals:
    void MouseMoved(int x, int y);
    void MouseDown(Qt::MouseButton button, int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
    bool stretch_ = false;
};
