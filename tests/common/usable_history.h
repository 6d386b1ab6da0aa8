// History sets for tests of reading and writing: random bytes shaped into a
// set the reader accepts, so that a round trip still covers every byte of
// every record, reserved areas and flags included.
#pragma once

#include "parameter_set.h"
#include "result_record.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

namespace breathlab {

// Every float of a record sits at a multiple of 4 bytes: a word that reads
// as NaN or infinity gets its highest exponent bit cleared, which makes it
// an ordinary number; every setting becomes a percentage from 10 to 10010.
inline void MakeUsable(ResultHistory& set, std::uint32_t seed = 1) {
    std::mt19937 random(seed);
    for (ResultRecord& record : set) {
        auto* bytes = reinterpret_cast<unsigned char*>(&record);
        for (std::size_t at = 0; at + 4 <= sizeof record; at += 4) {
            float value;
            std::memcpy(&value, bytes + at, 4);
            if (!std::isfinite(value)) bytes[at + 3] &= 0xbf;
        }
        for (auto& row : record.ParameterBlock)
            for (int column = 0; column < kParameterCount; ++column)
                row[column] = 10.0f + static_cast<float>(random() % 100000) / 10.0f;
        for (float& entry : record.GlobalParamBlock)
            entry = 10.0f + static_cast<float>(random() % 100000) / 10.0f;
    }
}

inline void FillWithUsablePattern(ResultHistory& set, std::uint32_t seed) {
    std::mt19937 random(seed);
    auto* bytes = reinterpret_cast<unsigned char*>(&set);
    for (std::size_t i = 0; i < sizeof set; ++i) bytes[i] = static_cast<unsigned char>(random());
    MakeUsable(set, seed);
}

} // namespace breathlab
