#include "config/CountryTaxRates.h"

#include "calc/Formats.h"

namespace tw {

std::optional<double> HeatingOilTaxRate(const QLocale& locale) {
    switch (locale.territory()) {
    case QLocale::UnitedKingdom: return 5.0;
    case QLocale::Germany: return 19.0;
    case QLocale::France: return 20.0;
    case QLocale::Ireland: return 13.5;
    case QLocale::UnitedStates: return 0.0;
    default: return std::nullopt;
    }
}

QStringList WithTaxRates(const QStringList& lines, double rate) {
    const QString stored = GeneralNumber(rate + 1);
    QStringList out;
    for (const QString& line : lines) {
        const QString key = line.section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
        const bool rateLine = line.contains(QLatin1Char('=')) &&
                              (key == QLatin1String("VRate=") || key == QLatin1String("DVRate="));
        out << (rateLine ? key + stored : line);
    }
    return out;
}

}  // namespace tw
