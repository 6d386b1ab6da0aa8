// The main() of a QtTest program that builds the window. Each test process
// keeps its single-instance lock in a runtime folder of its own, so that a
// window test running beside it never finds the program "running", and its
// settings in a folder of its own rather than the user's. The window is
// measured in the font the program sets up at start-up.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

// A control of the window (or of one of its parts) by its object name; a
// missing one fails the test where it is looked up.
template <class Control = QWidget> Control* Named(const QObject& window, const char* name) {
    auto* control = window.findChild<Control*>(QLatin1String(name));
    if (!control) qFatal("no control named %s", name);
    return control;
}

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
