// View > Presentation: the window for a class watching a projector. The
// layout is made again with every text at least the presentation size; the
// menus, dialogs and plots follow.
#include "main_window.h"

#include "curve_plots.h"
#include "indices_view.h"
#include "plot_canvas.h"
#include "presentation_mode.h"
#include "string_grid.h"
#include "window_actions.h"

#include <QApplication>
#include <QFontInfo>
#include <QScreen>

using namespace breathlab;

void MainWindow::FollowPresentationMenu() {
    normalApplicationFont_ = QApplication::font();
    windowActions_->SetPresentationChecked(KeptPresentationSetting());
    // The menu's choice is kept for the next start; --presentation is not.
    connect(windowActions_, &WindowActions::presentationToggled, this, [this](bool on) {
        KeepPresentationSetting(on);
        ApplyPresentationMode();
    });
}

bool MainWindow::InPresentationMode() const {
    return windowActions_ && windowActions_->PresentationChecked();
}

void MainWindow::SetPresentationMode(bool on) {
    windowActions_->SetPresentationChecked(on);
    ApplyPresentationMode();
}

void MainWindow::ApplyPresentationMode() {
    if (!laidOut_) return;
    LayOutForScreen(laidOutScreen_, laidOutAvailable_);
    // The plots write their labels in the new sizes.
    curvePlots_->RedrawBoth();
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
    SetSmallestPlotTextPixels(std::max(smallestPx, QFontInfo(indicesView_->font()).pixelSize()));
}
