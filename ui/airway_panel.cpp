#include "airway_panel.h"

#include "airway_painter.h"
#include "control_placement.h"
#include "data_path.h"
#include "grid_file.h"
#include "hot_spot_grid.h"
#include "jpeg_picture.h"
#include "picture_area.h"
#include "slot_colours.h"
#include "string_grid.h"
#include "window_font.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

using namespace breathlab;

namespace {

// A slider panel's click puts the region's name this far above the bottom of the picture.
constexpr int kPanelLabelRise = 60;

} // namespace

AirwayPanel::AirwayPanel(QWidget* client, Queries queries)
    : QObject(client), queries_(std::move(queries)) {
    setObjectName("airwayPanel");
    airwayPicture_ = new PictureArea(client);
    airwayPicture_->setObjectName("airwayPicture");
    airwayPicture_->setCursor(Qt::PointingHandCursor);
    airwayPicture_->setMouseTracking(true);
    airwayPicture_->SetStretch(true);
    connect(airwayPicture_, &PictureArea::MouseMoved, this, &AirwayPanel::OnPictureMouseMove);
    connect(airwayPicture_, &PictureArea::MouseDown, this,
            [this](Qt::MouseButton button, int, int) { OnPictureMouseDown(button); });
    CreateHiddenControls(client);
    CreateRegionLabel(client);
}

void AirwayPanel::CreateHiddenControls(QWidget* client) {
    hotSpotGrid_ = new StringGrid(5, 40, client);
    hotSpotGrid_->setObjectName("hotSpotGrid");
    hotSpotGrid_->SetFixedRows(1);
    hotSpotGrid_->hide();
    hotSpotTableBox_ = new QCheckBox(tr("tab"), client);
    hotSpotTableBox_->setObjectName("hotSpotTableBox");
    hotSpotTableBox_->hide();
    connect(hotSpotTableBox_, &QCheckBox::toggled, hotSpotGrid_, &QWidget::setVisible);
}

// The label is raised over the picture (and the plot beside it) whenever it is shown.
void AirwayPanel::CreateRegionLabel(QWidget* client) {
    regionLabel_ = new QLabel(client);
    regionLabel_->setObjectName("regionLabel");
    regionLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette yellow = regionLabel_->palette();
    yellow.setColor(QPalette::Window, kYellow);
    yellow.setColor(QPalette::Base, kYellow);
    regionLabel_->setPalette(yellow);
    regionLabel_->setAutoFillBackground(true);
    regionLabel_->setMouseTracking(true);
    regionLabel_->hide();
    regionLabel_->installEventFilter(this);

    regionLabelTimer_ = new QTimer(this);
    regionLabelTimer_->setObjectName("regionLabelTimer");
    regionLabelTimer_->setInterval(kLabelTimerIntervalMs);
    regionLabelTimer_->start();
    connect(regionLabelTimer_, &QTimer::timeout, this, &AirwayPanel::OnLabelTimer);
}

QStringList AirwayPanel::LoadHotSpotTable(const QString& path) {
    if (auto failure = LoadHotSpotGrid(path, *hotSpotGrid_)) return {*failure};
    return {};
}

QStringList AirwayPanel::LoadPictures(const QString& dataFolder, qreal devicePixelRatio) {
    QStringList failures;
    for (int k = 1; k <= kRegionPictureCount; ++k) {
        const QString name = QString("datfiles1/F%1.dat").arg(k, 3, 10, QChar('0'));
        DecodedPicture picture = LoadRegionPicture(ResolveDataPath(dataFolder, name));
        if (!picture.Ok()) {
            failures << picture.Error;
            continue;
        }
        pictures_[k] = picture.Image;
    }
    DecodedPicture background = LoadJpegFile(ResolveDataPath(dataFolder, "datfiles1/tlo.dat"));
    const QSize size = airwayPicture_->size();
    // The schematic is drawn over the background at every live trace point;
    // stretched once to the picture's size here, it is only copied there.
    if (background.Ok()) {
        background_ = background.Image.scaled(size * devicePixelRatio, Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation);
        background_.setDevicePixelRatio(devicePixelRatio);
    } else
        failures << background.Error;
    offscreenBitmap_ = NewDeviceImage(size, devicePixelRatio);
    schematicImage_ = NewDeviceImage(size, devicePixelRatio);
    schematicImage_.fill(Qt::white);
    airwayPicture_->SetPicture(schematicImage_);
    return failures;
}

std::optional<QString> AirwayPanel::SaveShownHotSpotTable(const QString& path) const {
    if (!hotSpotGrid_->isVisible()) return std::nullopt;
    TextGrid grid(hotSpotGrid_->ColCount(), hotSpotGrid_->RowCount());
    for (int row = 0; row < hotSpotGrid_->RowCount(); ++row)
        for (int col = 0; col < hotSpotGrid_->ColCount(); ++col)
            grid.SetCell(col, row, hotSpotGrid_->Cell(col, row));
    return SaveGridToFile(path, grid);
}

void AirwayPanel::SetFonts(const LayoutFonts& fonts) {
    regionLabel_->setFont(WindowFont(fonts.RegionLabelPx));
    regionLabelPx_ = fonts.RegionLabelPx;
}

void AirwayPanel::Place(const StartupLayout& L) {
    PlaceControl(airwayPicture_, L.airwayPicture);
    PlaceControl(hotSpotTableBox_, L.hotSpotTableBox);
    PlaceControl(hotSpotGrid_, L.hotSpotGrid);
    PlaceControl(regionLabel_, L.regionLabel);
}

QRect AirwayPanel::PictureGeometry() const {
    return airwayPicture_->geometry();
}

void AirwayPanel::ShowRegion(int n, int x, int y) {
    const std::optional<int> picture =
        region_.ShowRegion(n, x, y, airwayPicture_->pos(), regionLabel_->height());
    ApplyRegionLabel();
    if (picture) ShowPicture(*picture);
}

// The name's position is given in the window, not in the picture: the label
// stands that far again to the right of and below the picture's corner.
void AirwayPanel::ShowPanelRegion(int region) {
    const QRect picture = airwayPicture_->geometry();
    ShowRegion(region, picture.x() + picture.width() / 2,
               picture.y() + picture.height() - kPanelLabelRise);
}

void AirwayPanel::RestoreAfterWindowPaint() {
    if (queries_.Busy()) return;
    painting_ = true;
    ShowRegion(kRepaintShown, 0, 0);
    painting_ = false;
}

void AirwayPanel::SetLabelTimerEnabled(bool enabled) {
    if (enabled)
        regionLabelTimer_->start();
    else
        regionLabelTimer_->stop();
    region_.SetLabelTimerEnabled(enabled);
}

void AirwayPanel::ShowPicture(int picture) {
    if (picture < 1 || picture > kRegionPictureCount) return;
    airwayPicture_->SetStretch(true);
    // A changed picture schedules its own repaint; inside the window's paint
    // event that is all there may be, elsewhere it is shown at once.
    airwayPicture_->SetPicture(pictures_[picture]);
    if (!painting_) airwayPicture_->repaint();
}

void AirwayPanel::ApplyRegionLabel() {
    const RegionLabel& label = region_.Label();
    if (label.Visible) {
        regionLabel_->setText(label.Text);
        // The design's 10 pixels per character grow with the label's font,
        // and the label is never narrower than its text.
        const double fontScale = regionLabelPx_ / double(kDesignRegionLabelFontPx);
        const int width = std::max(static_cast<int>(std::lround(label.Width * fontScale)),
                                   regionLabel_->fontMetrics().horizontalAdvance(label.Text) + 4);
        regionLabel_->setGeometry(
            label.Left, label.Top, width,
            std::max(regionLabel_->height(), regionLabel_->fontMetrics().height()));
        regionLabel_->show();
        regionLabel_->raise();
    } else {
        regionLabel_->hide();
    }
    if (region_.LabelTimerRunning() && !regionLabelTimer_->isActive()) regionLabelTimer_->start();
}

void AirwayPanel::ShowSchematic(const SchematicInputs& inputs) {
    if (ComposeSchematic(inputs)) airwayPicture_->repaint();
}

void AirwayPanel::QueueSchematic(const SchematicInputs& inputs) {
    queuedSchematic_ = inputs;
}

void AirwayPanel::ComposeQueuedSchematic() {
    if (!queuedSchematic_) return;
    const bool composed = ComposeSchematic(*queuedSchematic_);
    queuedSchematic_.reset();
    if (composed) airwayPicture_->update();
}

bool AirwayPanel::ComposeSchematic(const SchematicInputs& inputs) {
    if (schematicImage_.isNull()) return false;
    QPainter painter(&schematicImage_);
    const QSize size = schematicImage_.deviceIndependentSize().toSize();
    PaintAirwayPicture(
        painter, 0, 0,
        ComputeAirwaySchematic(size.width(), size.height(), kSchematicPenWidth, inputs),
        background_, offscreenBitmap_);
    painter.end();
    airwayPicture_->SetStretch(false);
    airwayPicture_->SetPicture(schematicImage_);
    return true;
}

HotSpotTable AirwayPanel::HotSpotRows() const {
    return HotSpotRowsOf(*hotSpotGrid_);
}

void AirwayPanel::OnPictureMouseMove(int x, int y) {
    if (queries_.Busy()) return;
    const int shown = region_.ShownRegion();
    if (auto region =
            breathlab::OnPictureMouseMove(hotSpots_, HotSpotRows(), queries_.SliderGroup(), x, y,
                                          airwayPicture_->width(), airwayPicture_->height())) {
        ShowRegion(*region, x, y);
        if (region_.ShownRegion() != shown) emit regionHovered(*region);
    }
}

void AirwayPanel::OnPictureMouseDown(Qt::MouseButton button) {
    if (queries_.Busy()) return;
    const PictureButton which = button == Qt::LeftButton    ? PictureButton::Left
                                : button == Qt::RightButton ? PictureButton::Right
                                                            : PictureButton::Other;
    const PictureClick click = breathlab::OnPictureMouseDown(hotSpots_, HotSpotRows(), which);
    if (click.SliderGroup) emit sliderGroupPicked(*click.SliderGroup);
    if (click.OpenHelp) {
        const int row = hotSpots_.ClickedHotSpot;
        std::optional<QString> code;
        if (row >= 0) code = hotSpotGrid_->Cell(3, row);
        emit helpRequested(code);
    }
}

bool AirwayPanel::eventFilter(QObject* watched, QEvent* event) {
    // Over its own label the mouse keeps the region the label names.
    if (watched == regionLabel_ && event->type() == QEvent::MouseMove)
        ShowRegion(kRepaintShown, 0, 0);
    return false;
}

void AirwayPanel::OnLabelTimer() {
    const std::optional<int> picture = region_.OnLabelTimer(queries_.SliderGroup());
    ApplyRegionLabel();
    if (picture) ShowPicture(*picture);
}
