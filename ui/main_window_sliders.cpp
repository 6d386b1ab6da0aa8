// The sliders and their panels: the working parameter set follows the
// sliders, the settings row of the results table shows it, and a click on a
// panel chooses which group of sliders may move.
#include "main_window.h"

#include "description_view.h"
#include "number_format.h"
#include "picture_area.h"
#include "runs_table_view.h"
#include "string_grid.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextEdit>

using namespace breathlab;

namespace {

// The slider each column of scale labels belongs to.
constexpr int kSliderOfScaleColumn[kScaleColumnCount] = {1, 2, 3, 5, 6, 7};

} // namespace

void MainWindow::ConnectSliderBank() {
    AppState& s = *state_;
    SliderBankObserver observer;
    observer.PositionChanged = [this](int k, int position) {
        const QSignalBlocker blocker(TrackBar(k));
        TrackBar(k)->setValue(position);
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
    observer.ClearDescription = [this] { descriptionBox->clear(); };
    s.Sliders.SetObserver(std::move(observer));
}

void MainWindow::SliderMoved(int k) {
    state_->Sliders.SetPosition(k, TrackBar(k)->value());
}

void MainWindow::OnMainResistanceSliderMoved() {
    SliderMoved(1);
}
void MainWindow::OnDeadSpaceSliderMoved() {
    SliderMoved(2);
}
void MainWindow::OnMiddleResistanceSliderMoved() {
    SliderMoved(3);
}
void MainWindow::OnMiddleStiffnessSliderMoved() {
    SliderMoved(4);
}
void MainWindow::OnPeripheralResistanceSliderMoved() {
    SliderMoved(5);
}
void MainWindow::OnClosingCapacitySliderMoved() {
    SliderMoved(6);
}
void MainWindow::OnLungSizeSliderMoved() {
    SliderMoved(7);
}
void MainWindow::OnLungComplianceSliderMoved() {
    SliderMoved(8);
}
void MainWindow::OnExpirationDepthSliderMoved() {
    SliderMoved(9);
}

void MainWindow::SelectSliderGroup(int n) {
    const SliderGroupControls controls = state_->Sliders.SelectSliderGroup(n);
    for (int k = 1; k <= 8; ++k)
        TrackBar(k)->setEnabled(controls.SliderEnabled(k));
    for (int c = 0; c < kScaleColumnCount; ++c)
        for (QLabel* label : ScaleLabels[c])
            label->setEnabled(controls.ScaleLabelsEnabled(kSliderOfScaleColumn[c]));
}

// A panel selects its slider group and highlights its region in the picture,
// with the region's name near the bottom of the picture.
void MainWindow::PanelClick(int group, int region) {
    SelectSliderGroup(group);
    ShowRegion(region, airwayPicture->x() + airwayPicture->width() / 2,
               airwayPicture->y() + airwayPicture->height() - 60);
}

void MainWindow::OnMainGroupClicked() {
    PanelClick(1, 2);
}
void MainWindow::OnMiddleGroupClicked() {
    PanelClick(3, 3);
}
void MainWindow::OnPeripheralGroupClicked() {
    PanelClick(4, 4);
}
void MainWindow::OnLungsGroupClicked() {
    PanelClick(5, 5);
}
void MainWindow::OnHiddenGroupClicked() {
    PanelClick(2, 1);
}

void MainWindow::OnResetClicked() {
    state_->Sliders.ResetSliders();
}

void MainWindow::OnResetAllClicked() {
    state_->Sliders.ResetAll();
}

// The lung selection box is kept for its looks: it always shows both lungs.
void MainWindow::OnLungSelected(int) {
    const QSignalBlocker blocker(lungSelector);
    lungSelector->setCurrentIndex(0);
    lungSelector->setCurrentText(tr("Both lungs"));
}
