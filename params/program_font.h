// The typeface the window is drawn in, chosen rather than left to whatever
// fontconfig offers first on a machine: Liberation Sans, which the program's
// Debian package and `make setup` install (fonts-liberation2) and which has the
// metrics of the Windows faces the layout was designed in. The faces the
// window's code names are shown as their Liberation counterparts.
//
// This header is free of Qt so that the tests' fontconfig set-up can read the
// same table; UseProgramFont applies it in a Qt application.
#pragma once

#include <array>

namespace breathlab {

inline constexpr const char* kProgramFontFamily = "Liberation Sans";
// The Debian package that holds kProgramFontFamily.
inline constexpr const char* kProgramFontPackage = "fonts-liberation2";

struct FontSubstitution {
    const char* Named;  // as the window's code names it
    const char* Shown;  // the installed face with its metrics
};

inline constexpr std::array<FontSubstitution, 3> kFontSubstitutions{{
    {"MS Sans Serif", "Liberation Sans"},
    {"MS Serif", "Liberation Serif"},
    {"Arial", "Liberation Sans"},
}};

// Makes the substitutions and the application's default font (menus,
// dialogs, tables) the program's family, keeping the default size. Call once
// the application object exists.
void UseProgramFont();

// Draws the whole window in `family` instead: the names the code uses and the
// application's default font all resolve to it. This is how the window looks
// on a machine whose sans face is another one, and how the layout is checked
// against the common ones.
void UseFontFamilyEverywhere(const char* family);

} // namespace breathlab
