// The airway picture: region pictures that follow the hot spots and the slider
// groups, the live schematic of a running model, and the replay of a stored run.
#include "main_window.h"

#include "airway_painter.h"
#include "command_bar.h"
#include "flow_volume_plot.h"
#include "help_window.h"
#include "hot_spot_grid.h"
#include "picture_area.h"
#include "recording.h"
#include "runs_table_view.h"
#include "string_grid.h"
#include "window_actions.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace breathlab;

namespace {

// The texts the animation's pause button takes from OnPauseClicked, for the
// translations (tr() below turns them into the user's language).
[[maybe_unused]] const char* const kPauseButtonTexts[] = {QT_TRANSLATE_NOOP("MainWindow", "go"),
                                                          QT_TRANSLATE_NOOP("MainWindow", "pauza")};

} // namespace

// The window's side of the replay: its controls, plots, message loop and clock.
class FormAnimationHost : public AnimationHost {
  public:
    explicit FormAnimationHost(MainWindow& form) : form_(form) {}

    void SetControlEnabled(AnimationControl control, bool enabled) override {
        if (control == AnimationControl::RegionLabelTimer) {
            if (enabled)
                form_.regionLabelTimer->start();
            else
                form_.regionLabelTimer->stop();
            form_.state_->Region.SetLabelTimerEnabled(enabled);
        } else if (control == AnimationControl::MainMenu) {
            form_.windowActions_->SetMainMenuEnabled(enabled);
        } else if (!form_.commandBar_->SetControlEnabled(control, enabled) &&
                   !form_.runsTableView_->SetControlEnabled(control, enabled)) {
            Widget(control)->setEnabled(enabled);
        }
    }

    void DrawFlowVolumePlot() override {
        AppState& s = *form_.state_;
        std::optional<CurveReplay> replay;
        breathlab::DrawFlowVolumePlot(
            s.FlowVolumeImage, *s.History, RecordedSignal, [&](const FlowVolumeSample& sample) {
                if (!replay || sample.SampleNumber <= 2)
                    replay.emplace(s.History->Slots[sample.Slot], sample.Slot, sample.VolumeMin,
                                   sample.VolumeMax);
                return replay->AnimationStep(s.Animation, *this, sample.SampleNumber);
            });
        RepaintFlowVolumePlot();
    }

    void ShowSchematic(int slot) override { form_.DrawSchematic(slot); }

    void RepaintFlowVolumePlot() override {
        form_.flowVolumePlot->SetPicture(form_.state_->FlowVolumeImage);
        form_.flowVolumePlot->repaint();
    }

    void ProcessEvents() override { QCoreApplication::processEvents(); }
    void Sleep(int milliseconds) override { QThread::msleep(milliseconds); }

  private:
    QWidget* Widget(AnimationControl control) const {
        switch (control) {
        case AnimationControl::MainGroupPanel:
            return form_.mainGroupPanel;
        case AnimationControl::MiddleGroupPanel:
            return form_.middleGroupPanel;
        case AnimationControl::PeripheralGroupPanel:
            return form_.peripheralGroupPanel;
        default:
            return form_.lungsGroupPanel;
        }
    }

    MainWindow& form_;
};

void MainWindow::OnAnimationClicked() {
    FormAnimationHost host(*this);
    breathlab::PlayAnimation(state_->Animation, host);
}

void MainWindow::OnPauseClicked() {
    commandBar_->SetPauseText(tr(breathlab::TogglePause(state_->Animation)));
}

void MainWindow::OnAnimationSpeedClicked() {
    commandBar_->SetSpeedText(
        QString::fromStdString(breathlab::NextAnimationSpeed(state_->Animation)));
}

// Region picture n (or one of the special requests) with its name near (x, y).
void MainWindow::ShowRegion(int n, int x, int y) {
    AppState& s = *state_;
    const std::optional<int> picture =
        s.Region.ShowRegion(n, x, y, airwayPicture->pos(), regionLabel->height());
    ApplyRegionLabel();
    if (picture) ShowAirwayPicture(*picture);
}

void MainWindow::ShowAirwayPicture(int picture) {
    const AppState& s = *state_;
    if (picture < 1 || picture > kRegionPictureCount) return;
    airwayPicture->SetStretch(true);
    // A changed picture schedules its own repaint; inside the window's paint
    // event that is all there may be, elsewhere it is shown at once.
    airwayPicture->SetPicture(s.Pictures[picture]);
    if (!painting_) airwayPicture->repaint();
}

void MainWindow::ApplyRegionLabel() {
    const RegionLabel& label = state_->Region.Label();
    if (label.Visible) {
        regionLabel->setText(label.Text);
        // The design's 10 pixels per character grow with the label's font,
        // and the label is never narrower than its text.
        const double fontScale = layout_.Fonts.RegionLabelPx / double(kDesignRegionLabelFontPx);
        const int width = std::max(static_cast<int>(std::lround(label.Width * fontScale)),
                                   regionLabel->fontMetrics().horizontalAdvance(label.Text) + 4);
        regionLabel->setGeometry(
            label.Left, label.Top, width,
            std::max(regionLabel->height(), regionLabel->fontMetrics().height()));
        regionLabel->show();
        regionLabel->raise();
    } else {
        regionLabel->hide();
    }
    if (state_->Region.LabelTimerRunning() && !regionLabelTimer->isActive())
        regionLabelTimer->start();
}

// The schematic of slot 0 (the live model) or of a stored run at the replay's
// sample, composed off screen and shown in one piece.
void MainWindow::DrawSchematic(int slot) {
    const AppState& s = *state_;
    PaintSchematic(
        SchematicInputsForSlot(slot, *s.Model, s.History->Slots, s.Animation.AnimationSample));
}

void MainWindow::PaintSchematic(const SchematicInputs& inputs) {
    AppState& s = *state_;
    if (s.AirwayImage.isNull()) return;
    QPainter painter(&s.AirwayImage);
    const QSize size = s.AirwayImage.deviceIndependentSize().toSize();
    PaintAirwayPicture(
        painter, 0, 0,
        ComputeAirwaySchematic(size.width(), size.height(), kSchematicPenWidth, inputs),
        s.BackgroundPicture, s.OffscreenBitmap);
    painter.end();
    airwayPicture->SetStretch(false);
    airwayPicture->SetPicture(s.AirwayImage);
    PaintNow(airwayPicture);
}

HotSpotTable MainWindow::HotSpotRows() const {
    return HotSpotRowsOf(*hotSpotGrid);
}

bool MainWindow::PictureIgnoresMouse() const {
    return state_->History->RunInProgress || state_->Animation.AnimationActive;
}

void MainWindow::OnAirwayPictureMouseMove(int x, int y) {
    if (PictureIgnoresMouse()) return;
    AppState& s = *state_;
    if (auto region = OnPictureMouseMove(s.HotSpots, HotSpotRows(), s.Parameters.SliderGroup, x, y,
                                         airwayPicture->width(), airwayPicture->height()))
        ShowRegion(*region, x, y);
}

void MainWindow::OnAirwayPictureMouseDown(Qt::MouseButton button, int, int) {
    if (PictureIgnoresMouse()) return;
    AppState& s = *state_;
    const PictureButton which = button == Qt::LeftButton    ? PictureButton::Left
                                : button == Qt::RightButton ? PictureButton::Right
                                                            : PictureButton::Other;
    const PictureClick click = OnPictureMouseDown(s.HotSpots, HotSpotRows(), which);
    if (click.SliderGroup) SelectSliderGroup(*click.SliderGroup);
    if (click.OpenHelp) {
        const int row = s.HotSpots.ClickedHotSpot;
        std::optional<QString> code;
        if (row >= 0) code = hotSpotGrid->Cell(3, row);
        Help()->ShowPictureHelp(s.Folders.Data, code);
    }
}

void MainWindow::OnRegionLabelMouseMove() {
    ShowRegion(kRepaintShown, 0, 0);
}

void MainWindow::FormPaint() {
    if (!startupSucceeded_ || PictureIgnoresMouse()) return;
    painting_ = true;
    ShowRegion(kRepaintShown, 0, 0);
    painting_ = false;
}

void MainWindow::OnLabelTimer() {
    AppState& s = *state_;
    const std::optional<int> picture = s.Region.OnLabelTimer(s.Parameters.SliderGroup);
    ApplyRegionLabel();
    if (picture) ShowAirwayPicture(*picture);
}
