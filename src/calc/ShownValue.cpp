#include "calc/ShownValue.h"

#include "calc/Fields.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>

namespace tw {

bool IsPlainNumberText(const QString& text) {
    static const QRegularExpression plain(
        QStringLiteral("^[-+]?(\\d+(\\.\\d*)?|\\.\\d+)([EeDd][-+]?\\d+)?$"));
    return plain.match(text).hasMatch();
}

double ShownValue(const QString& text, const QLocale& locale) {
    if (IsPlainNumberText(text)) return NumberValue(text);
    if (const auto value = LocaleNumber(text, locale)) return *value;
    return SettingNumber(text, locale);
}

double FloatDecimal(float value) {
    if (!std::isfinite(value)) return 0;
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    double decimal = 0;
    std::from_chars(buffer, written.ptr, decimal);
    return decimal;
}

}  // namespace tw
