// How numbers appear in the program's tables: fixed-point with a given number
// of decimals and the locale's decimal separator, rounded to at most a given
// number of significant digits, so that a litre value never pretends to more
// precision than the model gives it.
#pragma once

#include <QLocale>
#include <QString>

#include <string>

namespace breathlab {

// A number written with '.' and '-' (as the core writes them) in the
// locale's decimal point and minus sign.
QString Localized(const std::string& ascii, const QLocale& locale = QLocale());

// `value` rounded to at most `significantDigits` significant digits and written
// with exactly `decimals` decimals, e.g. (1234.567, 4, 2) -> "1235.00" and
// (0.012345, 4, 2) -> "0.01". The digits are rounded once, at whichever of the
// two limits is coarser, with exact halves going to the even digit, as
// everywhere else in the program ((2.5, 3, 0) -> "2", (0.125, 4, 2) -> "0.12").
// A value whose rounded integer part has more digits than `significantDigits`
// is written in exponent form with that many significant digits
// ("1.235e+05" for (123456, 4, 2)). NaN and infinities read "nan", "inf" and
// "-inf"; a value that rounds to zero never shows a minus sign.
QString FormatFixed(double value, int significantDigits, int decimals,
                    const QLocale& locale = QLocale());

// Reference and observed index values: 4 significant digits, 2 decimals.
QString FormatIndexValue(double value, const QLocale& locale = QLocale());

// A run's index in percent of the reference: 3 significant digits, no decimals.
QString FormatPercentOfReference(double value, const QLocale& locale = QLocale());

// The recorded signal number ("Variable"): 2 significant digits, no decimals.
QString FormatSignalSelection(double value, const QLocale& locale = QLocale());

// A parameter percentage in the results table: three blanks, then the value
// with 5 significant digits and no decimals ("   100").
QString FormatTableValue(double value, const QLocale& locale = QLocale());

} // namespace breathlab
