// What the harnesses need around a reader: an off-screen application for
// images, fonts, text documents and the window's grid, and scratch files for readers that only
// take a path.
#pragma once

#include <QString>

#include <cstddef>

namespace breathlab {

// Creates the application once, on the off-screen platform unless another
// platform was asked for.
void EnsureGuiApplication();

// Writes the bytes to a file of this name in a folder that lives as long as
// the process, replacing any earlier content; returns its path.
QString WriteScratchFile(const QString& name, const void* data, std::size_t size);

} // namespace breathlab
