#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "parameter_scales.h"
#include "slider_groups.h"
#include "slider_table.h"

using namespace breathlab;

namespace {

const SliderScale& ScaleOf(int k) {
    return Slider(k).Scale;
}

TEST(ParameterScales, EdgeValuesOfEachKind) {
    const SliderScale& log = ScaleOf(3); // the only one reaching 600
    EXPECT_EQ(log.PercentAt(100), 50);
    EXPECT_EQ(log.PercentAt(200), 100);
    EXPECT_EQ(log.PercentAt(500), 800);
    EXPECT_EQ(log.PercentAt(600), 1600);

    const SliderScale& half = ScaleOf(2);
    EXPECT_EQ(half.PercentAt(201), 100); // 100.5 goes to the even neighbour
    EXPECT_EQ(half.PercentAt(203), 102); // 101.5 too
    EXPECT_EQ(half.PercentAt(500), 250);

    const SliderScale& quarter = ScaleOf(7);
    EXPECT_EQ(quarter.PercentAt(102), 50); // 50.5
    EXPECT_EQ(quarter.PercentAt(300), 100);
    EXPECT_EQ(quarter.PercentAt(500), 150);

    const SliderScale& depth = ScaleOf(kExpirationDepthSlider);
    EXPECT_EQ(depth.PercentAt(0), 25);
    EXPECT_EQ(depth.PercentAt(400), 400);
}

TEST(ParameterScales, EveryDefaultPositionIsOneHundredPercent) {
    for (const SliderSpec& slider : kSliders) {
        EXPECT_EQ(slider.Scale.PercentAt(slider.Scale.Default), 100) << slider.Name;
        EXPECT_EQ(slider.Scale.PositionFor(100.0), slider.Scale.Default) << slider.Name;
    }
}

TEST(ParameterScales, PositionsOutsideTheRangeReadAsTheEnds) {
    EXPECT_EQ(ScaleOf(1).PercentAt(-1000000), 50);
    EXPECT_EQ(ScaleOf(1).PercentAt(std::numeric_limits<int>::max()), 800);
}

// A shown percentage leads back to a position showing it (on the log scale
// neighbouring positions may share a percentage), and on the linear scales
// every whole percentage of the range is reachable.
TEST(ParameterScales, RoundTrips) {
    for (const SliderSpec& slider : kSliders) {
        const SliderScale& scale = slider.Scale;
        for (int p = scale.Minimum; p <= scale.Maximum; ++p) {
            const int percent = scale.PercentAt(p);
            EXPECT_EQ(scale.PercentAt(scale.PositionFor(percent)), percent)
                << slider.Name << " at " << p;
        }
        if (scale.Kind == ScaleKind::LogScale) continue;
        for (int v = scale.PercentAt(scale.Minimum); v <= scale.PercentAt(scale.Maximum); ++v)
            EXPECT_EQ(scale.PercentAt(scale.PositionFor(v)), v) << slider.Name << " for " << v;
    }
}

TEST(ParameterScales, StoredPercentagesOffTheScale) {
    const SliderScale& log = ScaleOf(1);
    EXPECT_EQ(log.PositionFor(150.0), 258);
    EXPECT_EQ(log.PercentAt(258), 149);
    EXPECT_EQ(log.PositionFor(20.0), 100);
    EXPECT_EQ(ScaleOf(2).PositionFor(100.25), 200); // 200.5 to even
    EXPECT_EQ(ScaleOf(2).PositionFor(100.75), 202); // 201.5 to even
}

TEST(ParameterScales, OddStoredPercentagesFindTheNearestPosition) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const SliderSpec& slider : kSliders) {
        const SliderScale& scale = slider.Scale;
        SCOPED_TRACE(slider.Name);
        EXPECT_EQ(scale.PositionFor(0.0), scale.Minimum);
        EXPECT_EQ(scale.PositionFor(-5.0), scale.Minimum);
        EXPECT_EQ(scale.PositionFor(-inf), scale.Minimum);
        EXPECT_EQ(scale.PositionFor(inf), scale.Maximum);
        EXPECT_EQ(scale.PositionFor(1e30), scale.Maximum);
        EXPECT_EQ(scale.PositionFor(std::numeric_limits<double>::max()), scale.Maximum);
        EXPECT_EQ(scale.PositionFor(std::numeric_limits<double>::denorm_min()), scale.Minimum);
        EXPECT_EQ(scale.PositionFor(nan), scale.Default);
    }
}

TEST(ParameterScales, PercentFloor) {
    EXPECT_EQ(ApplyPercentFloor(5.0), 10.0);
    EXPECT_EQ(ApplyPercentFloor(-3.0), 10.0);
    EXPECT_EQ(ApplyPercentFloor(10.0), 10.0);
    EXPECT_EQ(ApplyPercentFloor(25.0), 25.0);
}

TEST(SliderGroups, EachGroupEnablesItsOwnSlidersOnly) {
    struct Case {
        int group;
        std::array<bool, 8> sliders;
    };
    const Case cases[] = {
        {0, {false, false, false, false, false, false, false, false}},
        {1, {true, false, false, false, false, false, false, false}},
        {2, {false, false, false, false, false, false, false, false}},
        {3, {false, true, true, false, false, false, false, false}},
        {4, {false, false, false, false, true, true, false, false}},
        {5, {false, false, false, false, false, false, true, true}},
    };
    for (const Case& c : cases) {
        const SliderGroupControls controls = EnabledControls(c.group);
        EXPECT_EQ(controls.Sliders, c.sliders) << "group " << c.group;
        EXPECT_EQ(controls.ScaleLabels, c.sliders) << "group " << c.group;
    }
}

} // namespace
