#include "control_placement.h"

#include "string_grid.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <algorithm>

using namespace breathlab;

void PlaceControl(QWidget* widget, const ControlRect& rect) {
    QRect place(rect.Left, rect.Top, std::max(rect.Width, 0), std::max(rect.Height, 0));
    if (const auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
        place.setSize(place.size().expandedTo(label->sizeHint()));
    widget->setGeometry(place);
}

TextSize LabelTextSize(const QFontMetrics& metrics, const QLabel* label) {
    return {metrics.horizontalAdvance(label->text()), metrics.height()};
}

void ApplyGridMetrics(StringGrid& grid, const GridMetrics& metrics) {
    for (int c = 0; c < metrics.ColCount; ++c)
        grid.SetColWidth(c, metrics.ColWidths[c]);
    grid.SetRowHeight(metrics.RowHeight);
}

TextSize ButtonFit(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.rect = QRect(0, 0, 400, 200);
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QFontMetrics metrics(button->font());
    return {metrics.horizontalAdvance(button->text()) + option.rect.width() - contents.width() + 2,
            metrics.height() + option.rect.height() - contents.height()};
}

int GroupTitleFit(const QGroupBox* group) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.rect = QRect(0, 0, 400, 200);
    const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, group);
    return label.left() + label.width() + label.left();
}
