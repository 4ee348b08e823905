// The field helpers in the locales the program is used in: numbers and dates the
// program writes read back the same.
#include <QDate>
#include <QLocale>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "calc/Fields.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 13) return 0;
    const char* names[] = {"en_GB", "en_US", "de_DE", "fr_FR"};
    const QLocale locale(QString::fromLatin1(names[data[0] % 4]));
    const int decimals = data[1] % 3;
    int64_t whole = 0;
    std::memcpy(&whole, data + 2, sizeof whole);
    // Amounts a tank household meets: up to a billion, in steps of the decimals.
    const double scale = std::pow(10.0, decimals);
    const double value = double(whole % 100000000000LL) / scale;
    const QString written = tw::FixedNumber(value, decimals, locale);
    if (std::abs(tw::ShownValue(written, locale) - value) > 1e-6 * std::max(1.0, std::abs(value)))
        std::abort();

    const QDate date = QDate(1900, 1, 1).addDays((data[10] | data[11] << 8 | data[12] << 16) % 73000);
    if (tw::ParseDate(tw::LongDate(date, locale), locale) != date) std::abort();
    if (tw::ParseDate(tw::ShortDate(date, locale), locale) != date && date.year() >= 1930 &&
        date.year() < 2030)
        std::abort();

    // Any text at all: the helpers answer without crashing.
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 13),
                                           qsizetype(size - 13));
    tw::NumberValue(text);
    tw::LocaleNumber(text, locale);
    tw::IsNumberText(text, locale);
    tw::ParseDate(text, locale);
    tw::FormatFieldText(text, decimals, locale);
    return 0;
}
