// A help page that switches bold on and off thousands of times within one
// paragraph: reading it must stay roughly linear in its length.
#include "rtf_reader.h"

#include "fuzz_environment.h"

#include <QElapsedTimer>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace breathlab {
namespace {

TEST(RtfReaderRegression, ManyFormatSwitchesInOneParagraphReadQuickly) {
    EnsureGuiApplication();
    constexpr int kSwitches = 12000;
    QByteArray page = "{\\rtf1 ";
    for (int i = 0; i < kSwitches; ++i) page += "x\\b y\\b0 ";
    page += "}";

    QTextDocument document;
    QElapsedTimer clock;
    clock.start();
    ReadRtf(page, document);
    // Linear reading takes well under a second even with sanitizers; each
    // piece of text costing time in proportion to all before it takes tens.
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(document.toPlainText(), QString("xy").repeated(kSwitches));
}

} // namespace
} // namespace breathlab
