// One entry point per reader of outside data. The libFuzzer targets call them
// with generated inputs; the regression tests replay kept inputs through them
// in the normal build.
#pragma once

#include <cstddef>
#include <cstdint>

namespace breathlab {

// The hot-spot table file and what the airway picture does with its rows.
void FuzzHotSpotTable(const std::uint8_t* data, std::size_t size);

// JPEG bytes as a plain picture and as a region picture file.
void FuzzJpegPicture(const std::uint8_t* data, std::size_t size);

// A description file and the block asked for.
void FuzzDescription(const std::uint8_t* data, std::size_t size);

// An opened history set and the tables, sliders and settings view built from it.
void FuzzHistoryTables(const std::uint8_t* data, std::size_t size);

// An opened history set drawn: airway schematic, flow-volume and volume-time plots.
void FuzzHistoryPictures(const std::uint8_t* data, std::size_t size);

// A START from an opened history with its reference and slot-1 percentages.
void FuzzHistoryStart(const std::uint8_t* data, std::size_t size);

// A help page in RTF.
void FuzzRtfPage(const std::uint8_t* data, std::size_t size);

// The headless program's command line and the sweep shard files it merges.
void FuzzCliArguments(const std::uint8_t* data, std::size_t size);

// The hot-spot file read into the window's own grid, and the rows the picture sees.
void FuzzHotSpotGrid(const std::uint8_t* data, std::size_t size);

// A history set read by the headless program, and its reports of each record.
void FuzzCliHistorySet(const std::uint8_t* data, std::size_t size);

} // namespace breathlab
