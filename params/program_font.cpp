#include "program_font.h"

#include <QFont>
#include <QGuiApplication>

namespace breathlab {

namespace {

void UseApplicationFamily(const char* family) {
    QFont font = QGuiApplication::font();
    font.setFamilies({QString::fromLatin1(family)});
    QGuiApplication::setFont(font);
}

} // namespace

void UseProgramFont() {
    for (const FontSubstitution& substitution : kFontSubstitutions) {
        QFont::removeSubstitutions(substitution.Named);
        QFont::insertSubstitution(substitution.Named, substitution.Shown);
    }
    UseApplicationFamily(kProgramFontFamily);
}

void UseFontFamilyEverywhere(const char* family) {
    for (const FontSubstitution& substitution : kFontSubstitutions) {
        QFont::removeSubstitutions(substitution.Named);
        QFont::insertSubstitution(substitution.Named, QString::fromLatin1(family));
    }
    UseApplicationFamily(family);
}

} // namespace breathlab
