#include "hot_spot_layout.h"

#include "rounding.h"

#include <map>

namespace breathlab {

namespace {

constexpr int kNoRegion = 1;
constexpr int kMainRegion = 2;
constexpr int kMiddleRegion = 3;
constexpr int kPeripheralRegion = 4;
constexpr int kLungRegion = 5;

HotSpotPoint SpotAt(QSize size, QPointF pixel, int region) {
    return {static_cast<int>(RoundHalfEven(100.0 * pixel.x() / size.width())),
            static_cast<int>(RoundHalfEven(100.0 * pixel.y() / size.height())), region};
}

// The heart between the lungs stands for no region; then lung tissue away from
// the airway trees: apices, outer borders and bases.
void AddLungSpots(std::vector<HotSpotPoint>& spots) {
    const std::vector<HotSpotPoint> tissue = {
        {51, 70, kNoRegion},   {31, 18, kLungRegion}, {69, 18, kLungRegion},
        {12, 40, kLungRegion}, {88, 40, kLungRegion}, {10, 72, kLungRegion},
        {90, 74, kLungRegion}, {32, 81, kLungRegion}, {72, 83, kLungRegion},
    };
    spots.insert(spots.end(), tissue.begin(), tissue.end());
}

// One spot where the terminal bronchioles fed by one subsegmental bronchus gather.
void AddPeripheralSpots(std::vector<HotSpotPoint>& spots, const IllustrationGeometry& g) {
    std::map<int, std::pair<QPointF, int>> groups;
    for (const AirwaySegment& segment : g.Airways) {
        if (!segment.Terminal || !g.Lobes[segment.Lobe].contains(segment.End)) continue;
        auto& [sum, count] = groups[segment.TwigGroup];
        sum += segment.End;
        ++count;
    }
    for (const auto& [group, gathered] : groups)
        spots.push_back(SpotAt(g.Size, gathered.first / gathered.second, kPeripheralRegion));
}

void AddMiddleSpots(std::vector<HotSpotPoint>& spots, const IllustrationGeometry& g) {
    for (const AirwaySegment& segment : g.Airways)
        if (segment.Level == AirwayLevel::Middle && segment.Generation <= 2)
            spots.push_back(SpotAt(g.Size, (segment.Start + segment.End) / 2.0, kMiddleRegion));
}

void AddMainSpots(std::vector<HotSpotPoint>& spots, const IllustrationGeometry& g) {
    for (double y : {9.0, 17.0, 25.0, 33.0, 40.0})
        spots.push_back(SpotAt(g.Size, PercentPoint(g.Size, 50.0, y), kMainRegion));
    for (const AirwaySegment& segment : g.Airways)
        if (segment.Level == AirwayLevel::Main && segment.Start == g.Carina)
            spots.push_back(SpotAt(g.Size, (segment.Start + segment.End) / 2.0, kMainRegion));
}

} // namespace

std::vector<HotSpotPoint> MakeHotSpots(const IllustrationGeometry& geometry) {
    std::vector<HotSpotPoint> spots;
    AddLungSpots(spots);
    AddPeripheralSpots(spots, geometry);
    AddMiddleSpots(spots, geometry);
    AddMainSpots(spots, geometry);
    return spots;
}

TextGrid HotSpotGrid(const std::vector<HotSpotPoint>& hotSpots) {
    TextGrid grid(4, static_cast<int>(hotSpots.size()) + 1);
    const QStringList header = {"nr", "x %", "y %", "region"};
    for (int column = 0; column < 4; ++column)
        grid.SetCell(column, 0, header[column]);
    for (size_t i = 0; i < hotSpots.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        grid.SetCell(0, row, QString::number(row));
        grid.SetCell(1, row, QString::number(hotSpots[i].XPercent));
        grid.SetCell(2, row, QString::number(hotSpots[i].YPercent));
        grid.SetCell(3, row, QString::number(hotSpots[i].Region));
    }
    return grid;
}

} // namespace breathlab
