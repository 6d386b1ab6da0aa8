// The sliders and their panels: the working parameter set follows the
// sliders, the settings row of the results table shows it, and a click on a
// panel chooses which group of sliders may move.
#include "main_window.h"

#include "airway_panel.h"
#include "description_view.h"
#include "number_format.h"
#include "runs_table_view.h"
#include "sliders_area.h"
#include "string_grid.h"

#include <QTextEdit>

using namespace breathlab;

namespace {

// The region picture that a slider group's panel highlights, by group number
// (kMainGroup .. kLungsGroup, kHiddenGroup for the hidden half of the MAIN frame).
constexpr int kRegionOfGroup[] = {0, 2, 1, 3, 4, 5};

} // namespace

void MainWindow::ConnectSliderBank() {
    AppState& s = *state_;
    SliderBankObserver observer;
    observer.PositionChanged = [this](int k, int position) {
        slidersArea_->ShowPosition(k, position);
    };
    observer.SettingsCellChanged = [this](const SettingsCellUpdate& update) {
        AppState& st = *state_;
        const QString text = FormatTableValue(update.Percent);
        if (update.Grid == SettingsGrid::ResultsTable) {
            st.Results.Cells[kSettingsRow][update.Column] = text;
            runsTableView_->Repaint();
        } else {
            st.Results.ExpirationDepth[kSettingsRow] = text;
            runsTableView_->Repaint();
        }
    };
    observer.ShowDescription = [this](int block) { ShowDescription(block); };
    observer.ClearDescription = [this] { descriptionBox_->clear(); };
    s.Sliders.SetObserver(std::move(observer));
}

QSlider* MainWindow::Slider(int k) const {
    return slidersArea_->Slider(k);
}

void MainWindow::SelectSliderGroup(int n) {
    slidersArea_->ShowGroupControls(state_->Sliders.SelectSliderGroup(n));
}

// A panel selects its slider group and highlights its region in the picture,
// with the region's name near the bottom of the picture.
void MainWindow::PanelClick(int group) {
    SelectSliderGroup(group);
    airwayPanel_->ShowPanelRegion(kRegionOfGroup[group]);
}

void MainWindow::OnResetClicked() {
    state_->Sliders.ResetSliders();
}

void MainWindow::OnResetAllClicked() {
    state_->Sliders.ResetAll();
}
