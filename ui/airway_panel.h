// The airway picture in the upper-left corner of the window: the region
// pictures that follow the hot spots of the illustration and the slider
// groups, the name label that appears beside the mouse and the timer that
// hides it, the hidden hot-spot table, and the airway schematic of a running
// model or of a replayed run. The controls stand on the window's client area,
// where the start-up layout puts them; the panel owns them and says through
// signals what the user picked.
#pragma once

#include "airway_schematic.h"
#include "hot_spots.h"
#include "region_picture.h"
#include "startup_layout.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class PictureArea;
class QCheckBox;
class QLabel;
class QTimer;
class QWidget;
class StringGrid;

class AirwayPanel : public QObject {
    Q_OBJECT

  public:
    // What the panel asks its window while the user moves the mouse and when
    // the label's time is up.
    struct Queries {
        // A run or a replay is going on: the picture ignores the mouse and is
        // not repainted under the schematic.
        std::function<bool()> Busy;
        // The selected slider group, 0 for none: a selected group keeps its
        // region on the picture.
        std::function<int()> SliderGroup;
    };

    // The controls become children of `client`.
    AirwayPanel(QWidget* client, Queries queries);

    // Start-up: the hot-spot table, then the five region pictures and the
    // background of the schematic, made for a screen of the given device pixel
    // ratio. Each returns the messages of what could not be read, in order.
    QStringList LoadHotSpotTable(const QString& path);
    QStringList LoadPictures(const QString& dataFolder, qreal devicePixelRatio);
    // Exit: the table is written back only while it is shown, the only time it
    // can have been edited. The message of a failure, if any.
    std::optional<QString> SaveShownHotSpotTable(const QString& path) const;

    void SetFonts(const breathlab::LayoutFonts& fonts);
    void Place(const breathlab::StartupLayout& layout);
    QRect PictureGeometry() const;

    // Region picture n (or one of the special requests of RegionPicture) with
    // its name near (x, y).
    void ShowRegion(int n, int x, int y);
    // A slider panel's region, with its name near the bottom middle of the picture.
    void ShowPanelRegion(int region);
    // The window was painted over the picture: the region picture comes back,
    // unless a run or a replay is drawing its schematic there.
    void RestoreAfterWindowPaint();
    // START and the replay hold the label's timer while they run.
    void SetLabelTimerEnabled(bool enabled);

    // The schematic composed off screen and shown at once.
    void ShowSchematic(const breathlab::SchematicInputs& inputs);
    // During a run the newest model state waits for the screen's next frame;
    // ComposeQueuedSchematic puts it into the picture, which the window then
    // repaints together with the volume-time plot.
    void QueueSchematic(const breathlab::SchematicInputs& inputs);
    void ComposeQueuedSchematic();

    // The background of the schematic, stretched once to the picture's size.
    const QImage& Background() const { return background_; }

  signals:
    // A click on the picture: the slider group of the hot spot's region, or 0
    // (no group) off every hot spot.
    void sliderGroupPicked(int group);
    // The mouse brought another region up (1 the plain picture).
    void regionHovered(int region);
    // A right click: the help page of the hot spot's region code, or none off
    // every hot spot.
    void helpRequested(const std::optional<QString>& regionCode);

  private:
    void CreateHiddenControls(QWidget* client);
    void CreateRegionLabel(QWidget* client);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void OnPictureMouseMove(int x, int y);
    void OnPictureMouseDown(Qt::MouseButton button);
    void OnLabelTimer();
    void ShowPicture(int picture);
    void ApplyRegionLabel();
    // False when there is no picture to compose into (start-up failed).
    bool ComposeSchematic(const breathlab::SchematicInputs& inputs);
    breathlab::HotSpotTable HotSpotRows() const;

    Queries queries_;
    PictureArea* airwayPicture_ = nullptr;
    StringGrid* hotSpotGrid_ = nullptr;    // hidden: the hot-spot table
    QCheckBox* hotSpotTableBox_ = nullptr; // hidden "tab": shows the table
    QLabel* regionLabel_ = nullptr;        // the region's name beside the mouse
    QTimer* regionLabelTimer_ = nullptr;   // hides the name label

    breathlab::HotSpotState hotSpots_;
    breathlab::RegionPicture region_;
    int regionLabelPx_ = breathlab::kDesignRegionLabelFontPx;
    bool painting_ = false; // inside the window's paint event

    std::array<QImage, breathlab::kRegionPictureCount + 1> pictures_; // index = region code
    QImage background_;
    QImage offscreenBitmap_;
    QImage schematicImage_; // what the picture shows while the schematic is drawn
    std::optional<breathlab::SchematicInputs> queuedSchematic_;
};
