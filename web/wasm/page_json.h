// The few pieces of JSON the page's exports write: strings, arrays and
// parameter rows, in the form the page's TypeScript reads back.
#pragma once

#include "number_text.h"
#include "parameter_set.h"

#include <string>

namespace breathlab {

inline void AppendString(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) >= 0x20) out += c;
    }
    out += '"';
}

template <typename Each>
inline void AppendArray(std::string& out, int count, Each each) {
    out += '[';
    for (int i = 0; i < count; ++i) {
        if (i > 0) out += ',';
        each(i);
    }
    out += ']';
}

// [region row][parameter] percentages, then the globals, as two members.
inline void AppendParameters(std::string& out, const ParameterSet& p) {
    out += "\"Parameters\":";
    AppendArray(out, kRegionCount, [&](int row) {
        AppendArray(out, kParameterCount, [&](int k) { out += JsonNumber(p.RegionParams[row][k]); });
    });
    out += ",\"Globals\":";
    AppendArray(out, kGlobalParamCount, [&](int j) { out += JsonNumber(p.GlobalParams[j]); });
}

} // namespace breathlab
