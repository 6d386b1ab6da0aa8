// The plain controls the window and its parts are built from: raised panels,
// top-left labels and backgrounds filled with one colour.
#pragma once

#include <QColor>

// The face of the raised slider panels.
constexpr QColor kButtonFace(240, 240, 240);

class QFrame;
class QLabel;
class QString;
class QWidget;

// The widget paints its whole background, text boxes included, in `colour`.
void Fill(QWidget* widget, const QColor& colour);

QFrame* NewPanel(const char* name, QWidget* parent, const QColor& colour);

QLabel* NewLabel(const char* name, const QString& text, QWidget* parent);
