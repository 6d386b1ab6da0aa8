#include "program_font.h"

#include <QFont>
#include <QGuiApplication>

namespace breathlab {

void UseProgramFont() {
    for (const FontSubstitution& substitution : kFontSubstitutions)
        QFont::insertSubstitution(substitution.Named, substitution.Shown);
    QFont font = QGuiApplication::font();
    font.setFamilies({QString::fromLatin1(kProgramFontFamily)});
    QGuiApplication::setFont(font);
}

} // namespace breathlab
