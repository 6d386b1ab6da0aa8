// Numbers as the reports and the web page write them.
#pragma once

#include <string>

namespace breathlab {

// A number in text; 9 significant digits let a stored single round-trip.
// Non-finite values are written "NaN", "Infinity", "-Infinity".
std::string NumberText(double value, int significantDigits = 9);

// JSON has no NaN or infinity; they are written as null.
std::string JsonNumber(double value);

// CSV has no null either: a non-finite value is an empty field.
std::string CsvNumber(double value);

} // namespace breathlab
