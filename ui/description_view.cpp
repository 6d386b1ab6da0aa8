#include "description_view.h"

#include "description_file.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QStyle>
#include <QTextCursor>

#include <cmath>

using namespace breathlab;

DescriptionView::DescriptionView(QWidget* parent) : QTextEdit(parent) {
    setObjectName("descriptionBox");
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
}

bool DescriptionView::ShowBlock(const QString& path, int block, QString& error) {
    const DescriptionResult result = ReadDescription(path.toStdString(), block);
    if (!result.Ok()) {
        error = QString::fromStdString(result.Error);
        return false;
    }
    const QFontMetrics metrics(font());
    const std::string rule = BuildRule(
        [&](const std::string& text) {
            return metrics.horizontalAdvance(QString::fromStdString(text));
        },
        LineWidth());
    clear();
    for (const std::string& line : DescriptionLines(result.Text, rule))
        append(QString::fromStdString(line));
    // What the parameter means comes first; show the text from its top.
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    return true;
}

void DescriptionView::ShowFirstSteps() {
    setHtml(tr("<p><b>Before the first run</b></p>"
               "<p>1. Choose a group: click the panel of MAIN, MIDDLE, PERIPHERAL or LUNGS.</p>"
               "<p>2. Set its sliders: 100 % is normal.</p>"
               "<p>3. Press START. The plots and tables then compare the run with the "
               "reference.</p>"));
    moveCursor(QTextCursor::Start);
}

int DescriptionView::LineWidth() const {
    const int margins = 2 * static_cast<int>(std::ceil(document()->documentMargin()));
    const int scrollBar =
        style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
    return width() - frameWidth() * 2 - margins - scrollBar;
}
