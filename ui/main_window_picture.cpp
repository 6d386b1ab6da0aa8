// The airway picture: region pictures that follow the hot spots and the slider
// groups, the live schematic of a running model, and the replay of a stored run.
#include "main_window.h"

#include "airway_view.h"
#include "flow_volume_plot.h"
#include "help_window.h"
#include "hot_spot_grid.h"
#include "picture_area.h"
#include "recording.h"
#include "string_grid.h"

#include <QAction>
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

// The texts the animation's pause button takes from Button9Click, for the
// translations (tr() below turns them into the user's language).
[[maybe_unused]] const char* const kPauseButtonTexts[] = {QT_TRANSLATE_NOOP("TForm1", "go"),
                                                          QT_TRANSLATE_NOOP("TForm1", "pauza")};

} // namespace

// The window's side of the replay: its controls, plots, message loop and clock.
class FormAnimationHost : public AnimationHost {
  public:
    explicit FormAnimationHost(TForm1& form) : form_(form) {}

    void SetControlEnabled(AnimationControl control, bool enabled) override {
        if (control == AnimationControl::Timer1) {
            if (enabled)
                form_.Timer1->start();
            else
                form_.Timer1->stop();
            form_.state_->Region.SetLabelTimerEnabled(enabled);
        } else if (control == AnimationControl::MainMenu) {
            for (QAction* item : form_.MainMenuItems()) item->setEnabled(enabled);
        } else {
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
        form_.Image2->SetPicture(form_.state_->FlowVolumeImage);
        form_.Image2->repaint();
    }

    void ProcessEvents() override { QCoreApplication::processEvents(); }
    void Sleep(int milliseconds) override { QThread::msleep(milliseconds); }

  private:
    QWidget* Widget(AnimationControl control) const {
        switch (control) {
        case AnimationControl::Button1: return form_.Button1;
        case AnimationControl::Button2: return form_.Button2;
        case AnimationControl::Button3: return form_.Button3;
        case AnimationControl::Button6: return form_.Button6;
        case AnimationControl::Button8: return form_.Button8;
        case AnimationControl::Button11: return form_.Button11;
        case AnimationControl::Button12: return form_.Button12;
        case AnimationControl::StringGrid2: return form_.StringGrid2;
        case AnimationControl::Panel1: return form_.Panel1;
        case AnimationControl::Panel2: return form_.Panel2;
        case AnimationControl::Panel3: return form_.Panel3;
        default: return form_.Panel4;
        }
    }

    TForm1& form_;
};

void TForm1::Button8Click() {
    FormAnimationHost host(*this);
    breathlab::Button8Click(state_->Animation, host);
}

void TForm1::Button9Click() {
    Button9->setText(tr(breathlab::Button9Click(state_->Animation)));
}

void TForm1::Button10Click() {
    Button10->setText(QString::fromStdString(breathlab::Button10Click(state_->Animation)));
}

// Region picture n (or one of the special requests) with its name near (x, y).
void TForm1::ShowRegion(int n, int x, int y) {
    AppState& s = *state_;
    const std::optional<int> picture =
        s.Region.ShowRegion(n, x, y, Image1->pos(), Memo1->height());
    ApplyRegionLabel();
    if (picture) ShowAirwayPicture(*picture);
}

void TForm1::ShowAirwayPicture(int picture) {
    const AppState& s = *state_;
    if (picture < 1 || picture > kRegionPictureCount) return;
    Image1->SetStretch(true);
    // A changed picture schedules its own repaint; inside the window's paint
    // event that is all there may be, elsewhere it is shown at once.
    Image1->SetPicture(s.Pictures[picture]);
    if (!painting_) Image1->repaint();
}

void TForm1::ApplyRegionLabel() {
    const RegionLabel& label = state_->Region.Label();
    if (label.Visible) {
        Memo1->setText(label.Text);
        // The design's 10 pixels per character grow with the label's font,
        // and the label is never narrower than its text.
        const double fontScale = layout_.Fonts.Memo1Px / double(kDesignMemo1FontPx);
        const int width = std::max(static_cast<int>(std::lround(label.Width * fontScale)),
                                   Memo1->fontMetrics().horizontalAdvance(label.Text) + 4);
        Memo1->setGeometry(label.Left, label.Top, width,
                           std::max(Memo1->height(), Memo1->fontMetrics().height()));
        Memo1->show();
        Memo1->raise();
    } else {
        Memo1->hide();
    }
    if (state_->Region.LabelTimerRunning() && !Timer1->isActive()) Timer1->start();
}

// The schematic of slot 0 (the live model) or of a stored run at the replay's
// sample, composed off screen and shown in one piece.
void TForm1::DrawSchematic(int slot) {
    AppState& s = *state_;
    if (s.AirwayImage.isNull()) return;
    const SchematicInputs inputs =
        SchematicInputsForSlot(slot, *s.Model, s.History->Slots, s.Animation.AnimationSample);
    QPainter painter(&s.AirwayImage);
    const QSize size = s.AirwayImage.deviceIndependentSize().toSize();
    AirwayView(painter, 0, 0,
               ComputeAirwaySchematic(size.width(), size.height(), kSchematicPenWidth, inputs),
               s.BackgroundPicture, s.OffscreenBitmap);
    painter.end();
    Image1->SetStretch(false);
    Image1->SetPicture(s.AirwayImage);
    PaintNow(Image1);
}

HotSpotTable TForm1::HotSpotRows() const {
    return HotSpotRowsOf(*tparm);
}

bool TForm1::PictureIgnoresMouse() const {
    return state_->History->RunInProgress || state_->Animation.AnimationActive;
}

void TForm1::Image1MouseMove(int x, int y) {
    if (PictureIgnoresMouse()) return;
    AppState& s = *state_;
    if (auto region = OnPictureMouseMove(s.HotSpots, HotSpotRows(), s.Parameters.SliderGroup, x, y,
                                         Image1->width(), Image1->height()))
        ShowRegion(*region, x, y);
}

void TForm1::Image1MouseDown(Qt::MouseButton button, int, int) {
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
        if (row >= 0) code = tparm->Cell(3, row);
        HelpWindow()->ShowPictureHelp(s.Folders.Data, code);
    }
}

void TForm1::Memo1MouseMove() {
    ShowRegion(kRepaintShown, 0, 0);
}

void TForm1::FormPaint() {
    if (!startupSucceeded_ || PictureIgnoresMouse()) return;
    painting_ = true;
    ShowRegion(kRepaintShown, 0, 0);
    painting_ = false;
}

void TForm1::OnLabelTimer() {
    AppState& s = *state_;
    const std::optional<int> picture = s.Region.OnLabelTimer(s.Parameters.SliderGroup);
    ApplyRegionLabel();
    if (picture) ShowAirwayPicture(*picture);
}
