// The replay of a stored run on the airway picture and the flow-volume plot,
// with its pause and speed, and what the airway picture needs of the window.
#include "main_window.h"

#include "airway_panel.h"
#include "command_bar.h"
#include "curve_plots.h"
#include "flow_volume_plot.h"
#include "runs_table_view.h"
#include "sliders_area.h"
#include "string_grid.h"
#include "window_actions.h"

#include <QCoreApplication>
#include <QThread>

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
            form_.airwayPanel_->SetLabelTimerEnabled(enabled);
        } else if (control == AnimationControl::MainMenu) {
            form_.windowActions_->SetMainMenuEnabled(enabled);
        } else if (!form_.commandBar_->SetControlEnabled(control, enabled) &&
                   !form_.slidersArea_->SetControlEnabled(control, enabled)) {
            form_.runsTableView_->SetControlEnabled(control, enabled);
        }
    }

    void DrawFlowVolumePlot() override {
        AppState& s = *form_.state_;
        std::optional<CurveReplay> replay;
        form_.curvePlots_->ReplayFlowVolumePlot([&](const FlowVolumeSample& sample) {
            if (!replay || sample.SampleNumber <= 2)
                replay.emplace(s.Session.Runs().Slots[sample.Slot], sample.Slot, sample.VolumeMin,
                               sample.VolumeMax);
            return replay->AnimationStep(s.Animation, *this, sample.SampleNumber);
        });
        RepaintFlowVolumePlot();
    }

    // The schematic of a stored run at the replay's sample.
    void ShowSchematic(int slot) override {
        const AppState& s = *form_.state_;
        form_.airwayPanel_->ShowSchematic(
            SchematicInputsForSlot(slot, s.Session.Model(), s.Session.Runs().Slots, s.Animation.AnimationSample));
    }

    void RepaintFlowVolumePlot() override { form_.curvePlots_->ShowFlowVolumePlot(); }

    void ProcessEvents() override { QCoreApplication::processEvents(); }
    void Sleep(int milliseconds) override { QThread::msleep(milliseconds); }

  private:
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

bool MainWindow::PictureIgnoresMouse() const {
    return state_->Session.Runs().RunInProgress || state_->Animation.AnimationActive;
}

// Painting the window paints over the airway picture, which then shows its
// region picture again.
void MainWindow::FormPaint() {
    if (startupSucceeded_) airwayPanel_->RestoreAfterWindowPaint();
}
