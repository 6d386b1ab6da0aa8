// The whole input is a help page.
#include "fuzz_environment.h"
#include "fuzz_harnesses.h"

#include "rtf_reader.h"

#include <QTextDocument>

namespace breathlab {

void FuzzRtfPage(const std::uint8_t* data, std::size_t size) {
    EnsureGuiApplication();
    QTextDocument document;
    ReadRtf(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
            document);
    document.toPlainText();
}

} // namespace breathlab
