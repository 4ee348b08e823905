#pragma once
#include <QLocale>
#include <QStringList>
#include <optional>

namespace tw {

// The usual tax rate on domestic heating oil and its delivery, in percent, in the
// locale's country: 5 in the UK, 19 in Germany, 20 in France, 13.5 in Ireland,
// none in the US. Nothing for other countries: their first settings keep the
// installed rates.
std::optional<double> HeatingOilTaxRate(const QLocale& locale);

// The configuration file's lines with the oil and delivery tax rates (VRate=,
// DVRate=) both set to `rate`, stored plus 1 as the file stores them.
QStringList WithTaxRates(const QStringList& lines, double rate);

}  // namespace tw
