#include "run_clock.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <limits>

#include "plot_test_support.h"
#include "slot_colours.h"

namespace breathlab {
namespace {

TEST(RunClock, ShowsSecondsWithTwoDecimalsAndWipingSpaces) {
    const QString point = QLocale().decimalPoint();
    EXPECT_EQ(RunClockText(7.5), "7" + point + "50    ");
    EXPECT_EQ(RunClockText(0.0), "0" + point + "00    ");
    EXPECT_EQ(RunClockText(48.126), "48" + point + "13    ");
    // At most five significant digits: the second decimal of 1234.567 is gone.
    EXPECT_EQ(RunClockText(1234.567), "1234" + point + "60    ");
}

TEST(RunClock, WritesOnYellowInTheTopRightCorner) {
    QImage image = test::BlankImage(400, 100);
    DrawRunClock(image, 12.34);
    EXPECT_EQ(image.pixelColor(398, 1), kYellow);
    EXPECT_EQ(image.pixelColor(340, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(398, 60), QColor(Qt::white));

    // Clocks of foreign values still write something and stay in the corner.
    for (double time : {std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity(), 1e300}) {
        image.fill(Qt::white);
        DrawRunClock(image, time);
        EXPECT_TRUE(test::ColourNear(image, {385, 5}, 5, kYellow)) << time;
        EXPECT_FALSE(test::ColourNear(image, {340, 20}, 10, kYellow)) << time;
    }
}

} // namespace
} // namespace breathlab
