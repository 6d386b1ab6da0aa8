// View > Presentation: the window for a class watching a projector. The
// layout is made again with every text at least the presentation size; the
// menus, dialogs and plots follow.
#include "main_window.h"

#include "indices_view.h"
#include "plot_canvas.h"
#include "presentation_mode.h"
#include "string_grid.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>

using namespace breathlab;

void MainWindow::CreatePresentationMenu() {
    normalApplicationFont_ = QApplication::font();
    viewMenu = menuBar()->addMenu(tr("View"));
    viewMenu->setObjectName("viewMenu");
    presentationAction = viewMenu->addAction(tr("Presentation"));
    presentationAction->setObjectName("presentationAction");
    presentationAction->setCheckable(true);
    presentationAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    presentationAction->setChecked(KeptPresentationSetting());
    // The menu's choice is kept for the next start; --presentation is not.
    connect(presentationAction, &QAction::toggled, this, [this](bool on) {
        KeepPresentationSetting(on);
        ApplyPresentationMode();
    });
}

bool MainWindow::InPresentationMode() const {
    return presentationAction && presentationAction->isChecked();
}

void MainWindow::SetPresentationMode(bool on) {
    const QSignalBlocker quiet(presentationAction);
    presentationAction->setChecked(on);
    ApplyPresentationMode();
}

void MainWindow::ApplyPresentationMode() {
    if (!laidOut_) return;
    LayOutForScreen(laidOutScreen_, laidOutAvailable_);
    // The plots write their labels in the new sizes.
    DrawFlowVolumePlot();
    if (state_->Session.Runs().SelectedRun >= 1) {
        RedrawVolumeTime();
    } else {
        state_->VolumeTime.VolumeTimeCursor = 1; // clears and draws the axes anew
        DrawVolumeTimeStep(1);
    }
}

int MainWindow::SmallestTextPixels(const QSize& screenSize) const {
    return InPresentationMode() ? PresentationTextPx(screenSize.height()) : 0;
}

// Menus, dialogs and message boxes take the application's font; the plots
// write no smaller than the tables, or than presentation mode's texts.
void MainWindow::ApplyPresentationToTheRest(int smallestPx) {
    QFont font = normalApplicationFont_;
    if (smallestPx > 0 && QFontInfo(font).pixelSize() < smallestPx) font.setPixelSize(smallestPx);
    QApplication::setFont(font);
    SetSmallestPlotTextPixels(std::max(smallestPx, QFontInfo(indicesTable->font()).pixelSize()));
}
