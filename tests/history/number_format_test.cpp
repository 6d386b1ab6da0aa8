#include "number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace breathlab {
namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(NumberFormat, IndexValuesKeepFourSignificantDigitsAndTwoDecimals) {
    EXPECT_EQ(FormatIndexValue(3.0, kEnglish), "3.00");
    EXPECT_EQ(FormatIndexValue(4.0f, kEnglish), "4.00");
    EXPECT_EQ(FormatIndexValue(12.345678, kEnglish), "12.35");
    EXPECT_EQ(FormatIndexValue(1.23456, kEnglish), "1.23");
    // The fourth significant digit is the units: the decimals are padded.
    EXPECT_EQ(FormatIndexValue(1234.567, kEnglish), "1235.00");
    EXPECT_EQ(FormatIndexValue(0.012345, kEnglish), "0.01");
    EXPECT_EQ(FormatIndexValue(-1.5, kEnglish), "-1.50");
    EXPECT_EQ(FormatIndexValue(-0.001, kEnglish), "0.00");
    EXPECT_EQ(FormatIndexValue(0.0, kEnglish), "0.00");
}

TEST(NumberFormat, RoundsOnceWithHalvesToEven) {
    EXPECT_EQ(FormatFixed(2.5, 3, 0, kEnglish), "2");
    EXPECT_EQ(FormatFixed(3.5, 3, 0, kEnglish), "4");
    EXPECT_EQ(FormatFixed(0.125, 4, 2, kEnglish), "0.12");
    EXPECT_EQ(FormatFixed(0.375, 4, 2, kEnglish), "0.38");
    EXPECT_EQ(FormatFixed(1234.5, 4, 2, kEnglish), "1234.00");
    // Rounding first to 4 digits (0.01500) and then to 2 decimals would give 0.02.
    EXPECT_EQ(FormatFixed(0.014999, 4, 2, kEnglish), "0.01");
}

TEST(NumberFormat, PercentAndSignalFormats) {
    EXPECT_EQ(FormatPercentOfReference(75.0, kEnglish), "75");
    EXPECT_EQ(FormatPercentOfReference(99.96, kEnglish), "100");
    EXPECT_EQ(FormatPercentOfReference(123.4, kEnglish), "123");
    EXPECT_EQ(FormatSignalSelection(1.0f, kEnglish), "1");
    EXPECT_EQ(FormatTableValue(100.0f, kEnglish), "   100");
    EXPECT_EQ(FormatTableValue(149.5, kEnglish), "   150");
    EXPECT_EQ(FormatTableValue(99999.4, kEnglish), "   99999");
}

TEST(NumberFormat, IntegerPartBeyondTheDigitsTurnsToExponentForm) {
    EXPECT_EQ(FormatIndexValue(123456.0, kEnglish), "1.235e+05");
    EXPECT_EQ(FormatIndexValue(9999.4, kEnglish), "9999.00");
    // Rounding carries into a fifth integer digit.
    EXPECT_EQ(FormatIndexValue(9999.6, kEnglish), "1.000e+04");
    EXPECT_EQ(FormatPercentOfReference(1234.0, kEnglish), "1.23e+03");
    EXPECT_EQ(FormatTableValue(1e6, kEnglish), "   1.0000e+06");
    EXPECT_EQ(FormatIndexValue(-5e7, kEnglish), "-5.000e+07");
}

TEST(NumberFormat, UsesTheLocaleDecimalSeparator) {
    EXPECT_EQ(FormatIndexValue(3.0, kGerman), "3,00");
    EXPECT_EQ(FormatIndexValue(-0.25, kGerman), "-0,25");
    EXPECT_EQ(FormatIndexValue(123456.0, kGerman), "1,235e+05");
    EXPECT_EQ(FormatTableValue(1234.0, kGerman), "   1234"); // no group separator
}

TEST(NumberFormat, OddValuesGiveReadableText) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatIndexValue(std::numeric_limits<double>::quiet_NaN(), kEnglish), "nan");
    EXPECT_EQ(FormatIndexValue(kInf, kEnglish), "inf");
    EXPECT_EQ(FormatPercentOfReference(-kInf, kEnglish), "-inf");
    EXPECT_EQ(FormatIndexValue(1e308, kEnglish), "1.000e+308");
    EXPECT_EQ(FormatIndexValue(std::numeric_limits<double>::max(), kEnglish), "1.798e+308");
    EXPECT_EQ(FormatIndexValue(std::numeric_limits<double>::denorm_min(), kEnglish), "0.00");
    EXPECT_EQ(FormatFixed(1.5, 0, -3, kEnglish), "2"); // digits clamped to at least one
    EXPECT_EQ(FormatFixed(0.5, 40, 40, kEnglish), "0.50000000000000000000");
}

} // namespace
} // namespace breathlab
