// The grey rounded background of the window's lower half, with the line that
// names where the listed runs came from (the standard data, a file, a case)
// in its top left corner, and the empty label anchored to the window's bottom.
#pragma once

#include "startup_layout.h"

#include <QObject>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

class LowerPanel : public QObject {
    Q_OBJECT

  public:
    // The background and the anchor become children of `client`.
    explicit LowerPanel(QWidget* client);

    // The data-source line and the anchor in the design fonts.
    void MeasureDesignSizes(breathlab::DesignSizes& design) const;
    void ApplyFonts(const breathlab::LayoutFonts& fonts);
    // Places the background with its rounded shape, the line and the anchor.
    void Place(const breathlab::StartupLayout& layout);
    // The anchor keeps its distance to the client area's bottom edge.
    void FollowClientHeight(int growthSinceLayout);

    QString DataSource() const;
    void SetDataSource(const QString& text);

  private:
    void ShapeLowerPanel();

    QFrame* lowerPanel_ = nullptr;
    QLabel* dataSourceLine_ = nullptr;
    QLabel* bottomAnchor_ = nullptr;
    breathlab::ControlRect anchorPlace_; // where the layout put the anchor
    int cornerWidth_ = 0, cornerHeight_ = 0;
};
