// START and the commands on the remembered runs, and what shows them: the
// indices table, the results table, the two plots and the description panel.
#include "main_window.h"

#include "description_file.h"
#include "flow_volume_plot.h"
#include "help_pages.h"
#include "help_window.h"
#include "history_commands.h"
#include "number_format.h"
#include "picture_area.h"
#include "region_picture.h"
#include "run_clock.h"
#include "run_status.h"
#include "simulation_run.h"
#include "slot_colours.h"
#include "string_grid.h"
#include "system_sound.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <cmath>

using namespace breathlab;

void TForm1::Button2Click() {
    AppState& s = *state_;
    RunHistory& h = *s.History;
    h.RunInProgress = true;
    SetCommandControlsEnabled(false);
    SelectSliderGroup(0);
    ShowRegion(kForcePlainPicture, 0, 0);
    s.VolumeTime.VolumeTimeCursor = 1;
    DrawVolumeTimeStep(1);
    ShowIndices(0, false);
    RichEdit1->clear();
    Label50->clear();
    QCoreApplication::processEvents();

    const std::unique_ptr<ResultRecord> previousNewest = PrepareWorkingSlot(h, s.Parameters);
    s.VolumeTime.VolumeTimeCursor = 1;
    s.Model->Hooks = {this, &TForm1::SolverBeep, &TForm1::TraceHook, &TForm1::RunDisplayHook};
    RunManoeuvre(*s.Model, h.Slots);
    s.Model->Hooks = {};

    StoreFinishedRun(h, *previousNewest);
    ShowIndices(1, true);
    ShowAllRunRows();
    RepaintTables();
    DrawFlowVolumePlot();
    QCoreApplication::processEvents();

    SetCommandControlsEnabled(true);
    h.RunInProgress = false;
    PlaySystemSound(RunCompleted(h.Slots[1].RunStatus) ? SystemSound::Information
                                                        : SystemSound::Error);
}

// While a command runs nothing else may start: every command control, the
// menu, the results table, the slider panels, the label timer and the window.
void TForm1::SetCommandControlsEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{Button1, Button2, Button3, Button6, Button8,
                                                      Button9, Button10, Button11, Button12})
        w->setEnabled(enabled);
    for (QAction* item : MainMenuItems()) item->setEnabled(enabled);
    for (QWidget* w : std::initializer_list<QWidget*>{StringGrid2, Panel1, Panel2, Panel3, Panel4})
        w->setEnabled(enabled);
    if (enabled)
        Timer1->start();
    else
        Timer1->stop();
    state_->Region.SetLabelTimerEnabled(enabled);
    setEnabled(enabled);
}

// After each 100 ms recording point: the next piece of the volume-time curve
// and the airway schematic of the live model, painted at once, since the run
// lets no window events through.
void TForm1::TraceHook(void* form) {
    auto* self = static_cast<TForm1*>(form);
    // Both pictures are painted in one pass over the window, not one each.
    self->batchPaint_ = true;
    self->DrawVolumeTimeStep(1);
    self->DrawSchematic(0); // slot 0: the live model
    self->batchPaint_ = false;
    self->Client->repaint(QRegion(self->Image1->geometry()) + self->Image3->geometry());
}

// Paints a picture at once, or with the others of a batch.
void TForm1::PaintNow(QWidget* picture) {
    if (batchPaint_)
        picture->update();
    else
        picture->repaint();
}

void TForm1::RunDisplayHook(void* form) {
    auto* self = static_cast<TForm1*>(form);
    AppState& s = *self->state_;
    DrawRunClock(s.VolumeTimeImage, s.Model->DisplayTime);
    self->Image3->SetPicture(s.VolumeTimeImage);
    self->Image3->repaint();
}

void TForm1::SolverBeep(void*) {
    QApplication::beep();
}

void TForm1::DE1Click() {
    AppState& s = *state_;
    RunHistory& h = *s.History;
    const DeletionOutcome outcome = DeleteSelectedRun(h, s.Parameters.CurrentRegion);
    if (outcome == DeletionOutcome::NothingSelected) return;
    ShowAllRunRows();
    if (outcome == DeletionOutcome::FirstRunSelected) StringGrid2->SetCurrentCell(StringGrid2->Col(), 1);
    DrawFlowVolumePlot();
    if (h.SelectedRun >= 1) {
        RedrawVolumeTime();
        ShowIndices(1, true);
        s.Sliders.LoadSlidersFromSlot(h.Slots, h.SelectedRun);
    } else {
        s.VolumeTime.VolumeTimeCursor = 1;
        DrawVolumeTimeStep(1);
        ShowIndices(0, false);
    }
    RepaintTables();
    RichEdit1->clear();
}

void TForm1::Useasref1Click() {
    AppState& s = *state_;
    RunHistory& h = *s.History;
    if (!UseSelectedAsReference(h)) return;
    ShowAllRunRows();
    ShowRunRow(kReferenceRow, 0);
    DrawFlowVolumePlot();
    RedrawVolumeTime();
    ShowIndices(h.SelectedRun, true);
    s.Sliders.LoadSlidersFromSlot(h.Slots, h.SelectedRun);
    RepaintTables();
    RichEdit1->clear();
}

void TForm1::ShowIndices(int slot, bool withObserved) {
    AppState& s = *state_;
    if (auto block = breathlab::ShowIndices(s.Indices, *s.History, slot, withObserved))
        ShowDescription(*block);
    StringGrid1->viewport()->update();
}

void TForm1::ShowRunRow(int row, int slot) {
    AppState& s = *state_;
    breathlab::ShowRunRow(s.Results, row, s.History->Slots[slot], s.Parameters.CurrentRegion);
}

void TForm1::ShowAllRunRows() {
    for (int row = 1; row <= kMaxListedRuns; ++row) ShowRunRow(row, row);
}

void TForm1::RepaintTables() {
    for (StringGrid* grid : {StringGrid1, StringGrid2, StringGrid3}) grid->viewport()->repaint();
}

void TForm1::DrawFlowVolumePlot() {
    AppState& s = *state_;
    breathlab::DrawFlowVolumePlot(s.FlowVolumeImage, *s.History);
    Image2->SetPicture(s.FlowVolumeImage);
    Image2->repaint();
}

void TForm1::DrawVolumeTimeStep(int slot) {
    AppState& s = *state_;
    breathlab::DrawVolumeTimeStep(s.VolumeTimeImage, s.VolumeTime, s.History->Slots, slot);
    Image3->SetPicture(s.VolumeTimeImage);
    PaintNow(Image3);
}

void TForm1::RedrawVolumeTime() {
    AppState& s = *state_;
    breathlab::RedrawVolumeTime(s.VolumeTimeImage, s.VolumeTime, *s.History);
    Image3->SetPicture(s.VolumeTimeImage);
    Image3->repaint();
}

// A parameter's or a run status's description, with a rule of dashes between
// what the parameter is and what changing it does.
void TForm1::ShowDescription(int block) {
    const QString path = DataPath(*state_, HelpFolder() + "pdp.txt");
    const DescriptionResult result = ReadDescription(path.toStdString(), block);
    if (!result.Ok()) {
        QMessageBox::critical(this, QString(), QString::fromStdString(result.Error));
        return;
    }
    const QFontMetrics metrics(RichEdit1->font());
    const std::string rule = BuildRule(
        [&](const std::string& text) {
            return metrics.horizontalAdvance(QString::fromStdString(text));
        },
        DescriptionLineWidth());
    RichEdit1->clear();
    for (const std::string& line : DescriptionLines(result.Text, rule))
        RichEdit1->append(QString::fromStdString(line));
    // What the parameter means comes first; show the text from its top.
    RichEdit1->moveCursor(QTextCursor::Start);
    RichEdit1->verticalScrollBar()->setValue(0);
}

// The width a line of the description box has: the box less its text margins
// and less the scroll bar that a long text brings with it.
int TForm1::DescriptionLineWidth() const {
    const int margins = 2 * static_cast<int>(std::ceil(RichEdit1->document()->documentMargin()));
    const int scrollBar = RichEdit1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                          RichEdit1->verticalScrollBar());
    return RichEdit1->width() - RichEdit1->frameWidth() * 2 - margins - scrollBar;
}

void TForm1::StringGrid1DrawCell(QPainter* painter, int col, int row, const QRect& rect) {
    const AppState& s = *state_;
    // The header row and the last two rows are coloured as whole cells, the
    // empty ones included, so that they read as bands across the table.
    painter->fillRect(rect, IndicesCellBackground(row));
    // The active colours also while a run holds the window disabled: the
    // table is what the user watches then.
    painter->setPen(IndicesCellTextColour(row, col, s.History->SelectedRun,
                                          StringGrid1->palette().color(QPalette::Active,
                                                                       QPalette::Text)));
    painter->setFont(StringGrid1->font());
    painter->drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                      s.Indices.Cells[row][col]);
}

void TForm1::StringGrid2DrawCell(StringGrid* grid, QPainter* painter, int col, int row,
                                 const QRect& rect) {
    const AppState& s = *state_;
    const RunHistory& h = *s.History;
    painter->fillRect(rect, ResultsCellBackground(row, h.SelectedRun, grid->Color()));
    if (ResultsCellShowsText(row, h.RunCount)) {
        painter->setFont(StringGrid1->font());
        painter->setPen(ResultsCellTextColour(row));
        const QString& text =
            grid == StringGrid3 ? s.Results.ExpirationDepth[row] : s.Results.Cells[row][col];
        painter->drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
    }
    if (row == kSettingsRow) {
        // A thick line separates the settings of the next run from the runs.
        painter->setClipping(false);
        painter->setPen(QPen(Qt::black, 3));
        const int y = grid->RowHeight() - 1;
        painter->drawLine(0, y, grid->viewport()->width(), y);
    }
}

void TForm1::StringGrid2SelectCell(int, int row, bool*) {
    AppState& s = *state_;
    if (SelectRunRow(*s.History, s.Parameters, row)) AfterRunSelected(row);
    RepaintTables();
}

void TForm1::AfterRunSelected(int slot) {
    AppState& s = *state_;
    s.Sliders.LoadSlidersFromSlot(s.History->Slots, slot);
    ShowIndices(slot, true);
    DrawFlowVolumePlot();
    RedrawVolumeTime();
}

void TForm1::StringGrid2MouseDown(Qt::MouseButton button, const QPoint& pos) {
    if (button != Qt::RightButton) return;
    if (state_->History->RunCount < 1) {
        Pomoc1Click();
        return;
    }
    int col = 0, row = 0;
    if (StringGrid2->CellAt(pos, &col, &row)) StringGrid2->SetCurrentCell(col, row);
    PopupMenu1->popup(StringGrid2->viewport()->mapToGlobal(pos));
}

void TForm1::Button3Click() {
    DE1Click();
}

void TForm1::Button6Click() {
    Useasref1Click();
}
