// The program's icon, drawn from the SVG kept in icons/ and built into the
// program, so that every size is rendered sharp rather than scaled.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace breathlab {

// The icon at the sizes window managers and task bars ask for.
QIcon ProgramIcon();

// The icon rendered at `size` x `size` logical pixels for a device pixel ratio.
QPixmap ProgramIconPixmap(int size, qreal devicePixelRatio = 1.0);

} // namespace breathlab
