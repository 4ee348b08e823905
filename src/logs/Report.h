#pragma once
#include <QLocale>
#include <QString>

namespace tw {

// The costs of one report section (the period so far, or the prediction) as the
// main window shows them, and the tax amounts the calculation worked out.
struct ReportCosts {
    QString costBeforeTax, taxTotal, totalCost;  // field texts
    QString oilVat, deliveryVat;                 // plain numbers
};

// Everything the readable results report of a calculation shows.
struct ReportInput {
    QString stamp, notes, tankLineA, tankLineB;
    QString volumeUnit, massUnit;  // "Litre" / "Gal"; "Kgm" / "lb"
    QString taxWord;
    // The period so far.
    QString days, date1, date2, co2, co2PerDay, oilUsed, oilLeft, oilPerDay, costPerDay;
    ReportCosts period;
    // The prediction; no section without a number of months.
    QString months, predictedDays, emptyDate, predictedCo2, predictedOilUsed;
    ReportCosts predicted;
    QString vatRate, deliveryVatRate;
    QString oilValue;  // the value of the oil at the first reading, when known
    double deliveryChargeTotal = 0;
    bool secondDeliveryRestored = false;
    double predictedDeliveries = 0;
};

// The report text, CR LF line ends, closed by a dash line and an empty line.
QString BuildReport(const ReportInput& in, const QLocale& locale);

}  // namespace tw
