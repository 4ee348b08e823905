#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "logs/SavedCalculation.h"

namespace tw {

// "--forecast" among the program's arguments.
bool AsksForForecast(const QStringList& arguments);

// The tanks' capacity from the text of Data/Tankwise.ini (Tank A plus Tank B when
// in use); 0 when the file names none.
double CapacityFromConfiguration(const QStringList& lines, const QLocale& locale);
// The oil and delivery-charge tax rates from the same text.
TaxRates TaxRatesFromConfiguration(const QStringList& lines, const QLocale& locale);

// Prints the forecast of the working folder `folder` (absolute) on `out`, one
// "name: value" a line, and any problem with the forecast's files on `err`.
// Returns the exit code: 0, or 1 after a message on `err` when the folder cannot
// be used.
int PrintForecast(const QString& folder, const QLocale& locale, QTextStream& out,
                  QTextStream& err);

}  // namespace tw
