// The sliders and their panels: the working parameter set follows the
// sliders, the settings row of the results table shows it, and a click on a
// panel chooses which group of sliders may move.
#include "main_window.h"

#include "number_format.h"
#include "picture_area.h"
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

void TForm1::ConnectSliderBank() {
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
            StringGrid2->viewport()->repaint();
        } else {
            st.Results.ExpirationDepth[kSettingsRow] = text;
            StringGrid3->viewport()->repaint();
        }
    };
    observer.ShowDescription = [this](int block) { ShowDescription(block); };
    observer.ClearDescription = [this] { RichEdit1->clear(); };
    s.Sliders.SetObserver(std::move(observer));
}

void TForm1::SliderMoved(int k) {
    state_->Sliders.SetPosition(k, TrackBar(k)->value());
}

void TForm1::TrackBar1Change() { SliderMoved(1); }
void TForm1::TrackBar2Change() { SliderMoved(2); }
void TForm1::TrackBar3Change() { SliderMoved(3); }
void TForm1::TrackBar4Change() { SliderMoved(4); }
void TForm1::TrackBar5Change() { SliderMoved(5); }
void TForm1::TrackBar6Change() { SliderMoved(6); }
void TForm1::TrackBar7Change() { SliderMoved(7); }
void TForm1::TrackBar8Change() { SliderMoved(8); }
void TForm1::TrackBar9Change() { SliderMoved(9); }

void TForm1::SelectSliderGroup(int n) {
    const SliderGroupControls controls = state_->Sliders.SelectSliderGroup(n);
    for (int k = 1; k <= 8; ++k) TrackBar(k)->setEnabled(controls.SliderEnabled(k));
    for (int c = 0; c < kScaleColumnCount; ++c)
        for (QLabel* label : ScaleLabels[c])
            label->setEnabled(controls.ScaleLabelsEnabled(kSliderOfScaleColumn[c]));
}

// A panel selects its slider group and highlights its region in the picture,
// with the region's name near the bottom of the picture.
void TForm1::PanelClick(int group, int region) {
    SelectSliderGroup(group);
    ShowRegion(region, Image1->x() + Image1->width() / 2, Image1->y() + Image1->height() - 60);
}

void TForm1::Panel1Click() { PanelClick(1, 2); }
void TForm1::Panel2Click() { PanelClick(3, 3); }
void TForm1::Panel3Click() { PanelClick(4, 4); }
void TForm1::Panel4Click() { PanelClick(5, 5); }
void TForm1::Panel8Click() { PanelClick(2, 1); }

void TForm1::Button1Click() {
    state_->Sliders.ResetSliders();
}

void TForm1::Button11Click() {
    state_->Sliders.ResetAll();
}

// The lung selection box is kept for its looks: it always shows both lungs.
void TForm1::ComboBox1Change(int) {
    const QSignalBlocker blocker(ComboBox1);
    ComboBox1->setCurrentIndex(0);
    ComboBox1->setCurrentText(tr("Both lungs"));
}
