// Texts in the user's language. Code that is not a Qt object marks its texts
// with QT_TRANSLATE_NOOP(context, text) where they are defined and shows them
// through Translated(context, text); the translation installed in the
// application replaces them, and without one the text itself is shown.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace breathlab {

inline QString Translated(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

inline QString Translated(const char* context, const QString& text) {
    return QCoreApplication::translate(context, text.toUtf8().constData());
}

} // namespace breathlab
