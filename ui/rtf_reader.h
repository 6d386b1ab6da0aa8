// A reader for the plain kind of RTF that the help pages are written in.
// Qt reads HTML and Markdown but not RTF, so the pages are turned into a
// QTextDocument here: paragraphs, bold, italic, underline, font sizes,
// colours, alignment, cp1252 and Unicode characters. Everything else is
// ignored, and any input, however broken, yields some document quickly.
#pragma once

#include <QByteArray>

class QTextDocument;

namespace breathlab {

// Replaces the document's content with the text of `rtf`.
void ReadRtf(const QByteArray& rtf, QTextDocument& document);

} // namespace breathlab
