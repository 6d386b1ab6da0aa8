#include "number_text.h"

#include <cmath>
#include <cstdio>

namespace breathlab {

std::string NumberText(double value, int significantDigits) {
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value > 0 ? "Infinity" : "-Infinity");
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", significantDigits, value);
    return text;
}

std::string JsonNumber(double value) { return std::isfinite(value) ? NumberText(value) : "null"; }

std::string CsvNumber(double value) { return std::isfinite(value) ? NumberText(value) : ""; }

} // namespace breathlab
