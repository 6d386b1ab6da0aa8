// Settings as people write them, for the command line, the case table and
// share links alike: strict numbers, names and regions in any letter case,
// and the program's own spelling back.
#include "parameter_setting.h"
#include "strict_number.h"

#include <gtest/gtest.h>

namespace breathlab {
namespace {

TEST(StrictNumbers, OnlyPlainDecimalTextIsANumber) {
    for (const char* bad : {"", "0x64", " 50", "50 ", "+50", "5O", "inf", "nan", "1e400", "50%"})
        EXPECT_FALSE(ParseStrictDouble(bad)) << bad;
    EXPECT_EQ(ParseStrictDouble("50"), 50.0);
    EXPECT_EQ(ParseStrictDouble("-1.5e2"), -150.0);
    EXPECT_EQ(ParseStrictDouble("0.25"), 0.25);

    for (const char* bad : {"", "4294967298", "99999999999999999999", "-1", " 2", "2 ", "+2", "2.0",
                            "0x2"})
        EXPECT_FALSE(ParseBoundedCount(bad, 1, 10'000'000)) << bad;
    EXPECT_EQ(ParseBoundedCount("10000000", 1, 10'000'000), 10'000'000);
}

TEST(ParameterSettings, NamesRegionsAndEntriesAreReadInAnyLetterCase) {
    struct Case {
        const char* text;
        bool global;
        int region, index;
        double percent;
        const char* name; // as the program writes it back
    };
    for (const Case& c : {Case{"rmain=200", false, kBothLungs, 1, 200, "RMain"},
                          Case{"upperleftlobe.CCC=150", false, 1, 6, 150, "UpperLeftLobe.CCC"},
                          Case{"LEFTLUNG.cm=75.5", false, kLeftLung, 8, 75.5, "LeftLung.Cm"},
                          Case{"BothLungs.Size=50", false, kBothLungs, 7, 50, "Size"},
                          Case{"g20=1e-3", true, kBothLungs, 20, 1e-3, "G20"}}) {
        std::string error;
        const auto setting = ParseSetting(c.text, error);
        ASSERT_TRUE(setting) << c.text << ": " << error;
        EXPECT_EQ(setting->Global, c.global) << c.text;
        EXPECT_EQ(setting->Region, c.region) << c.text;
        EXPECT_EQ(setting->Index, c.index) << c.text;
        EXPECT_EQ(setting->Percent, c.percent) << c.text;
        EXPECT_EQ(SettingName(*setting), c.name);
        // The written name reads back as the same parameter.
        const auto again = ParseSetting(SettingName(*setting) + "=100", error);
        ASSERT_TRUE(again) << error;
        EXPECT_TRUE(SameParameter(*setting, *again)) << c.text;
    }
}

TEST(ParameterSettings, RefusalsNameTheSettingAndWhatIsWrong) {
    struct Case {
        const char* text;
        const char* says;
    };
    for (const Case& c : {Case{"RMain", "expected [REGION.]NAME=PERCENT"},
                          Case{"Left.RMain=50", "unknown region 'Left'"},
                          Case{"LeftLung.G2=50", "unknown parameter 'G2'"},
                          Case{"G21=50", "unknown parameter 'G21'"},
                          Case{"RMain=0", "the percentage must be"},
                          Case{"RMain=1e39", "the percentage must be"}}) {
        std::string error;
        EXPECT_FALSE(ParseSetting(c.text, error)) << c.text;
        EXPECT_NE(error.find(std::string("'") + c.text + "'"), std::string::npos) << error;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
}

TEST(ParameterSettings, AppliedToTheirOwnPercentageOnly) {
    std::string error;
    ParameterSet p;
    ApplySetting(*ParseSetting("RightLung.RPeripheral=400", error), p);
    ApplySetting(*ParseSetting("G1=60", error), p);
    EXPECT_EQ(p.At(kRightLung, 5), 400);
    EXPECT_EQ(p.At(kBothLungs, 5), 100);
    EXPECT_EQ(p.GlobalParams[0], 60);
    EXPECT_EQ(p.GlobalParams[1], 100);
    // A global entry is the same parameter whatever region it was read with.
    EXPECT_TRUE(SameParameter({true, kLeftLung, 3, 1}, {true, kBothLungs, 3, 2}));
    EXPECT_FALSE(SameParameter({false, kLeftLung, 3, 1}, {false, kBothLungs, 3, 1}));
}

} // namespace
} // namespace breathlab
