#include "lower_panel.h"

#include "control_placement.h"
#include "window_font.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPainterPath>
#include <QRegion>

#include <algorithm>

using namespace breathlab;

namespace {

const QColor kGrey(128, 128, 128);
const QColor kLime(0, 255, 0);

// The line keeps this margin to the background's right end.
constexpr int kDataSourceLineRightMargin = 15;

QLabel* NewLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

LowerPanel::LowerPanel(QWidget* client) : QObject(client) {
    setObjectName("lowerPanelPart");
    lowerPanel_ = new QFrame(client);
    lowerPanel_->setObjectName("lowerPanel");
    lowerPanel_->setFrameStyle(QFrame::NoFrame);
    QPalette grey = lowerPanel_->palette();
    grey.setColor(QPalette::Window, kGrey);
    grey.setColor(QPalette::Base, kGrey);
    lowerPanel_->setPalette(grey);
    lowerPanel_->setAutoFillBackground(true);

    dataSourceLine_ = NewLabel("dataSourceLine", tr("Data from file:  Standard"), lowerPanel_);
    QPalette lime = dataSourceLine_->palette();
    lime.setColor(QPalette::WindowText, kLime);
    dataSourceLine_->setPalette(lime);
    bottomAnchor_ = NewLabel("bottomAnchor", "", client);
}

void LowerPanel::MeasureDesignSizes(DesignSizes& design) const {
    design.dataSourceLine =
        LabelTextSize(QFontMetrics(WindowFont(kDesignDataSourceLineFontPx)), dataSourceLine_);
    design.bottomAnchor = {0, QFontMetrics(WindowFont(kDesignWindowFontPx)).height()};
}

void LowerPanel::ApplyFonts(const LayoutFonts& fonts) {
    dataSourceLine_->setFont(WindowFont(fonts.DataSourceLinePx));
}

void LowerPanel::Place(const StartupLayout& layout) {
    PlaceControl(lowerPanel_, layout.lowerPanel);
    PlaceControl(bottomAnchor_, layout.bottomAnchor);
    anchorPlace_ = layout.bottomAnchor;
    // The line gets longer when a file is opened; give it the room up to the
    // right end of the grey background.
    PlaceControl(dataSourceLine_, layout.dataSourceLine);
    dataSourceLine_->resize(
        std::max(dataSourceLine_->width(),
                 layout.lowerPanel.Width - layout.dataSourceLine.Left - kDataSourceLineRightMargin),
        dataSourceLine_->height());
    cornerWidth_ = layout.LowerPanelCornerWidth;
    cornerHeight_ = layout.LowerPanelCornerHeight;
    ShapeLowerPanel();
}

void LowerPanel::ShapeLowerPanel() {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, lowerPanel_->width(), lowerPanel_->height()),
                        cornerWidth_ / 2.0, cornerHeight_ / 2.0);
    lowerPanel_->setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void LowerPanel::FollowClientHeight(int growthSinceLayout) {
    bottomAnchor_->move(anchorPlace_.Left, anchorPlace_.Top + growthSinceLayout);
}

QString LowerPanel::DataSource() const {
    return dataSourceLine_->text();
}

void LowerPanel::SetDataSource(const QString& text) {
    dataSourceLine_->setText(text);
}
