// The check before the window is created: display names are read as X reads
// them, and a missing or unreachable display gives one clear line.
#include <gtest/gtest.h>

#include <cstdlib>

#include "display_check.h"

using namespace breathlab;

TEST(DisplayCheck, ReadsXDisplayNames) {
    const auto local = ParseXDisplayName(":0");
    ASSERT_TRUE(local);
    EXPECT_EQ(local->Host, "");
    EXPECT_EQ(local->Number, 0);
    const auto forwarded = ParseXDisplayName("localhost:10.0");
    ASSERT_TRUE(forwarded);
    EXPECT_EQ(forwarded->Host, "localhost");
    EXPECT_EQ(forwarded->Number, 10);
    EXPECT_EQ(ParseXDisplayName("unix:99.1")->Number, 99);
    for (const char* bad : {"", "0", ":", ":x", "host:", ":1x", ":123456"})
        EXPECT_FALSE(ParseXDisplayName(bad)) << bad;
}

TEST(DisplayCheck, NoDisplayGivesOneLineNamingXvfbRun) {
    unsetenv("QT_QPA_PLATFORM");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("DISPLAY");
    auto message = MissingDisplayMessage(false);
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("xvfb-run make run"), std::string::npos);
    EXPECT_EQ(message->find('\n'), std::string::npos);
    EXPECT_FALSE(MissingDisplayMessage(true)); // "-platform" chose for itself

    // A display number that no server listens on.
    setenv("DISPLAY", ":64999", 1);
    message = MissingDisplayMessage(false);
    ASSERT_TRUE(message);
    EXPECT_NE(message->find(":64999"), std::string::npos);

    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    EXPECT_FALSE(MissingDisplayMessage(false));
}
