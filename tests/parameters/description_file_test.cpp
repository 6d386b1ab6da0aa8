#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include "description_file.h"

using namespace breathlab;

namespace {

class DescriptionFileTest : public testing::Test {
  protected:
    void Write(const std::string& text) {
        std::ofstream file(path, std::ios::binary);
        file << text;
    }
    void TearDown() override { std::filesystem::remove(path); }

    std::string path = (std::filesystem::temp_directory_path() /
                        ("pdp_test_" + std::to_string(::getpid()) + ".txt"))
                           .string();
};

const char* const kSample = "#1\n"
                            "Old text \n"
                            "*\n"
                            "#2\n"
                            "What it is \n"
                            "in two lines. \n"
                            "+++\n"
                            "What it does. \n"
                            "*\n"
                            "#1\r\n"
                            "New \r\n"
                            "text.\r\n"
                            "*\r\n"
                            "#3\n"
                            "Only one part.\n"
                            "*\n";

TEST_F(DescriptionFileTest, ReadsBlocksFromAFile) {
    Write(kSample);
    const DescriptionResult second = ReadDescription(path, 2);
    ASSERT_TRUE(second.Ok()) << second.Error;
    EXPECT_EQ(second.Text.PartOne, "What it is in two lines. ");
    EXPECT_EQ(second.Text.PartTwo, "What it does.");

    const DescriptionResult first = ReadDescription(path, 1);
    ASSERT_TRUE(first.Ok());
    EXPECT_EQ(first.Text.PartOne, "New text."); // the last block of a number wins
    EXPECT_EQ(first.Text.PartTwo, "");

    const DescriptionResult third = ReadDescription(path, 3);
    EXPECT_EQ(third.Text.PartOne, "Only one part.");
    EXPECT_EQ(third.Text.PartTwo, "");
}

TEST(DescriptionParsing, AMissingBlockGivesTwoEmptyParts) {
    const DescriptionResult result = ParseDescription(kSample, 7);
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(result.Text.PartOne, "");
    EXPECT_EQ(result.Text.PartTwo, "");
    EXPECT_EQ(DescriptionLines(result.Text, "----"), (std::vector<std::string>{"", ""}));
}

TEST(DescriptionParsing, EmptyLinesAddNothing) {
    const DescriptionResult result = ParseDescription("\n#4\nA \n\nB\n*\n\n", 4);
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(result.Text.PartOne, "A B");
}

TEST(DescriptionParsing, OtherHeadersInsideAnOpenBlockAreText) {
    // Only the block's own header is dropped; without "*" the next header
    // line is collected like any other line.
    const DescriptionResult result = ParseDescription("#5\nfirst \n#6\nsecond\n*\n", 5);
    EXPECT_EQ(result.Text.PartOne, "first #6second");
}

TEST(DescriptionParsing, ABlockNumberThatIsNoIntegerIsAnError) {
    const DescriptionResult result = ParseDescription("#1\ntext\n*\n#x2\nmore\n*\n", 1);
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.Error, "'x2' is not a valid integer value");
    EXPECT_FALSE(ParseDescription("#\n*\n", 1).Ok());
    EXPECT_FALSE(ParseDescription("#12 \n*\n", 12).Ok());
    EXPECT_EQ(ParseDescription("# 12\nok\n*\n", 12).Text.PartOne, "ok");
}

TEST_F(DescriptionFileTest, AMissingFileIsAnError) {
    const DescriptionResult result = ReadDescription(path + ".absent", 1);
    EXPECT_FALSE(result.Ok());
    EXPECT_NE(result.Error.find(path + ".absent"), std::string::npos) << result.Error;
}

TEST(DescriptionRule, StopsJustShortOfThePanelWidth) {
    const auto sevenPixelsEach = [](const std::string& text) {
        return static_cast<int>(text.size()) * 7;
    };
    EXPECT_EQ(BuildRule(sevenPixelsEach, 70), std::string(9, '-'));
    EXPECT_EQ(BuildRule(sevenPixelsEach, 71), std::string(10, '-'));
    EXPECT_EQ(BuildRule(sevenPixelsEach, 0), "");
    EXPECT_EQ(BuildRule([](const std::string&) { return 0; }, 20).size(), 20u); // ends anyway
}

TEST(DescriptionRule, ShownOnlyBetweenTwoParts) {
    EXPECT_EQ(DescriptionLines({"a", "b"}, "--"), (std::vector<std::string>{"a", "--", "b"}));
    EXPECT_EQ(DescriptionLines({"a", ""}, "--"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(DescriptionLines({"", "b"}, "--"), (std::vector<std::string>{"", "b"}));
}

TEST(ShippedDescriptions, EveryParameterAndStatusHasText) {
    for (int n = 1; n <= 11; ++n) {
        const DescriptionResult result = ReadDescription(SHIPPED_DESCRIPTION_FILE, n);
        ASSERT_TRUE(result.Ok()) << result.Error;
        EXPECT_GT(result.Text.PartOne.size(), 40u) << "block " << n;
        if (n <= 8) {
            EXPECT_GT(result.Text.PartTwo.size(), 40u) << "block " << n;
        }
        EXPECT_EQ(result.Text.PartOne.find("  "), std::string::npos) << "block " << n;
        EXPECT_EQ(result.Text.PartOne.find('#'), std::string::npos) << "block " << n;
    }
}

// The reader joins lines with nothing between them: a text line without its
// trailing blank would glue two words together on screen.
TEST(ShippedDescriptions, TextLinesEndWithABlank) {
    std::ifstream file(SHIPPED_DESCRIPTION_FILE);
    std::string line;
    int number = 0;
    while (std::getline(file, line)) {
        ++number;
        ASSERT_FALSE(line.empty()) << "line " << number;
        if (line == "*" || line == "+++" || line.front() == '#') continue;
        EXPECT_EQ(line.back(), ' ') << "line " << number;
    }
    EXPECT_GT(number, 0);
}

} // namespace
