// The main() of a QtTest program that builds the window. Each test process
// keeps its single-instance lock in a runtime folder of its own, so that a
// window test running beside it never finds the program "running", and its
// settings in a folder of its own rather than the user's. The window is
// measured in the font the program sets up at start-up. Beside it, the few
// helpers the window's tests share.
#pragma once

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

// A control of the window (or of one of its parts) by its object name; a
// missing one fails the test where it is looked up.
template <class Control = QWidget> Control* Named(const QObject& window, const char* name) {
    auto* control = window.findChild<Control*>(QLatin1String(name));
    if (!control) qFatal("no control named %s", name);
    return control;
}

// Whether a picture holds a pixel of exactly this colour anywhere.
inline bool HasColour(const QImage& image, QColor colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    int Paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++Paints;
        return false;
    }
};

#include "program_font.h"

#define BREATHLAB_WINDOW_TEST_MAIN(TestClass)                                                      \
    int main(int argc, char* argv[]) {                                                             \
        QTemporaryDir runtime;                                                                     \
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());                                  \
        QTemporaryDir settings;                                                                    \
        qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());                                 \
        QApplication app(argc, argv);                                                              \
        breathlab::UseProgramFont();                                                               \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
