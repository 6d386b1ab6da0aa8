#include "number_format.h"

#include "fixed_point_text.h"

namespace breathlab {

QString Localized(const std::string& ascii, const QLocale& locale) {
    QString text;
    for (const char c : ascii) {
        if (c == '.')
            text += locale.decimalPoint();
        else if (c == '-')
            text += locale.negativeSign();
        else
            text += QLatin1Char(c);
    }
    return text;
}

QString FormatFixed(double value, int significantDigits, int decimals, const QLocale& locale) {
    return Localized(FixedPointText(value, significantDigits, decimals), locale);
}

QString FormatIndexValue(double value, const QLocale& locale) {
    return FormatFixed(value, 4, 2, locale);
}

QString FormatPercentOfReference(double value, const QLocale& locale) {
    return FormatFixed(value, 3, 0, locale);
}

QString FormatSignalSelection(double value, const QLocale& locale) {
    return FormatFixed(value, 2, 0, locale);
}

QString FormatTableValue(double value, const QLocale& locale) {
    return QStringLiteral("   ") + FormatFixed(value, 5, 0, locale);
}

} // namespace breathlab
