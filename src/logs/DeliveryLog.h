#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <vector>

#include "logs/LogColumns.h"

namespace tw {
class Files;

// One delivery's fields, its worked-out cost, and the text Get Last restored it
// from (empty for a delivery typed in).
struct DeliveryEntry {
    QString date, amount, oilCost, charge, cost, retrieved;
    int number = 1;
};
struct DeliveryInput {
    DeliveryEntry first, second;
    QString vatRate, deliveryVatRate;
    bool centralHeating = false, waterHeating = false;
};

// The delivery's row as the delivery log shows it.
DeliveryRow DeliveryRowOf(const DeliveryInput& in, const DeliveryEntry& entry,
                          const QLocale& locale);

// What the end of the delivery log tells the next save.
struct DeliveryLogEnd {
    int deliveryLines = 0;  // since the last column header
    bool headerSeen = false;
    std::vector<QDate> savedDates;  // of the last two lines, when they are deliveries
};
// Reads the log backwards to its last column header; throws when it cannot be read.
DeliveryLogEnd ScanDeliveryLog(const Files& files, const QString& path, const QLocale& locale);

// The faults that block saving the deliveries: a new delivery not later than one
// saved, or a restored delivery changed since Get Last. Each line ends with "\n".
QString DeliveryFaults(const DeliveryInput& in, const DeliveryLogEnd& logEnd,
                       const QString& currencySymbol, const QLocale& locale);

struct DeliveryLines {
    QString line1, line2;
};
// The delivery text of a save: a header block when the log has none or every
// fortieth line, then a line for each new delivery unless the save is blocked.
DeliveryLines ComposeDeliveryLines(const DeliveryInput& in, const DeliveryLogEnd& logEnd,
                                   const QString& taxWord, bool blocked, const QLocale& locale);

}  // namespace tw
