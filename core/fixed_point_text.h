// Numbers as the program's tables show them: fixed-point with a given number
// of decimals, rounded to at most a given number of significant digits, so
// that a litre value never pretends to more precision than the model gives
// it. The text uses '.' and '-'; a front end puts in its locale's signs.
#pragma once

#include <string>

namespace breathlab {

// `value` rounded to at most `significantDigits` significant digits and written
// with exactly `decimals` decimals, e.g. (1234.567, 4, 2) -> "1235.00" and
// (0.012345, 4, 2) -> "0.01". The digits are rounded once, at whichever of the
// two limits is coarser, with exact halves going to the even digit
// ((2.5, 3, 0) -> "2", (0.125, 4, 2) -> "0.12"). A value whose rounded integer
// part has more digits than `significantDigits` is written in exponent form
// with that many significant digits ("1.235e+05" for (123456, 4, 2)). NaN and
// infinities read "nan", "inf" and "-inf"; a value that rounds to zero never
// shows a minus sign.
std::string FixedPointText(double value, int significantDigits, int decimals);

// Reference and observed index values: 4 significant digits, 2 decimals.
inline std::string IndexValueText(double value) { return FixedPointText(value, 4, 2); }

// A run's index in percent of the reference: 3 significant digits, no decimals.
inline std::string PercentOfReferenceText(double value) { return FixedPointText(value, 3, 0); }

// The recorded signal number ("Variable"): 2 significant digits, no decimals.
inline std::string SignalSelectionText(double value) { return FixedPointText(value, 2, 0); }

// A parameter percentage in the results table: three blanks, then the value
// with 5 significant digits and no decimals ("   100").
inline std::string TableValueText(double value) { return "   " + FixedPointText(value, 5, 0); }

} // namespace breathlab
