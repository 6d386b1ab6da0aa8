// The fuzz harnesses built into the regression tests, by the name of their
// folders of kept inputs.
#pragma once

#include "fuzz_harnesses.h"

#include <string>
#include <vector>

struct HarnessEntry {
    std::string Name;
    void (*Run)(const std::uint8_t* data, std::size_t size);
};

extern const std::vector<HarnessEntry> kHarnessTable;
