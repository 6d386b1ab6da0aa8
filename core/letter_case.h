// Names typed by people (settings, regions, file suffixes) are compared
// without regard to ASCII letter case.
#pragma once

#include <algorithm>
#include <cctype>
#include <string_view>

namespace breathlab {

inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace breathlab
