#include "logs/DeliveryLog.h"

#include <QCoreApplication>

#include "calc/Currency.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "platform/Files.h"

namespace tw {

namespace {

QString RateColumn(const QString& rate) { return rate.isEmpty() ? rate : rate + "%"; }

// A delivery not restored by Get Last that this calculation would write.
bool IsNewDelivery(const DeliveryEntry& d) { return !d.date.isEmpty() && d.retrieved.isEmpty(); }

QString DateFault(const DeliveryEntry& d, const std::vector<QDate>& saved,
                  const QLocale& locale) {
    if (!d.retrieved.isEmpty()) return {};
    const auto date = ParseDate(d.date, locale);
    if (!date) return {};
    for (const QDate& last : saved) {
        if (DaysBetween(*date, last) >= 0)
            return QCoreApplication::translate("Messages", "Delivery %1 date must be later than last delivery date saved")
                       .arg(d.number) +
                   '\n';
    }
    return {};
}

QString RestoredFault(const DeliveryEntry& d, const QString& symbol) {
    if (d.retrieved.isEmpty()) return {};
    // The costs carry the currency symbol the calculation put in front of them.
    const QString current = d.date + d.amount + TrimBlanks(StripCurrencySymbol(d.oilCost, symbol)) +
                            TrimBlanks(StripCurrencySymbol(d.charge, symbol));
    if (current == d.retrieved) return {};
    return QCoreApplication::translate("Messages", "You must not change retrieved delivery %1 data").arg(d.number) +
           '\n';

}

// Adds the delivery's line when it is new and nothing blocks the save.
void AddDeliveryLine(QString& line, const DeliveryInput& in, const DeliveryEntry& d,
                     const QLocale& locale) {
    if (!IsNewDelivery(d)) return;
    if (!line.isEmpty()) line += "\r\n";  // after a header block
    line += DeliveryLineText(DeliveryRowOf(in, d, locale));
}

}  // namespace

DeliveryRow DeliveryRowOf(const DeliveryInput& in, const DeliveryEntry& entry,
                          const QLocale& locale) {
    DeliveryRow row;
    row.date = LogDate(entry.date, locale);
    row.amount = entry.amount;
    row.oilCost = FitCurrency(entry.oilCost, 7, locale);
    row.charge = FitCurrency(entry.charge, 9, locale);
    row.oilVat = RateColumn(in.vatRate);
    row.total = FitCurrency(CurrencyText(NumberValue(entry.cost), locale), 8, locale);
    row.deliveryVat = RateColumn(in.deliveryVatRate);
    row.centralHeating = in.centralHeating;
    row.waterHeating = in.waterHeating;
    return row;
}

DeliveryLogEnd ScanDeliveryLog(const Files& files, const QString& path, const QLocale& locale) {
    const LineDateCheck& dates = LineDateCheck::of(locale);
    DeliveryLogEnd end;
    // Back to the last column header only: the delivery lines since it decide the
    // next header, and the last two lines hold the last dates.
    QStringList lastTwo;
    files.forEachLineBackwards(path, [&](const QString& line) {
        if (lastTwo.size() < 2) lastTwo.prepend(line);
        if (IsColumnHeader(line)) {
            end.headerSeen = true;
            return false;
        }
        if (IsDeliveryLine(line, dates)) ++end.deliveryLines;
        return true;
    });
    const QString last = lastTwo.value(lastTwo.size() - 1);
    const QString previous = lastTwo.size() > 1 ? lastTwo.first() : QString();
    // The creation block's time stamp also starts with a date: only real delivery
    // lines hold saved delivery dates.
    for (const QString& line : {last, previous})
        if (IsDeliveryLine(line, dates)) end.savedDates.push_back(*LineDate(line, locale));
    return end;
}

QString DeliveryFaults(const DeliveryInput& in, const DeliveryLogEnd& logEnd,
                       const QString& currencySymbol, const QLocale& locale) {
    return DateFault(in.first, logEnd.savedDates, locale) +
           DateFault(in.second, logEnd.savedDates, locale) +
           RestoredFault(in.first, currencySymbol) + RestoredFault(in.second, currencySymbol);
}

DeliveryLines ComposeDeliveryLines(const DeliveryInput& in, const DeliveryLogEnd& logEnd,
                                   const QString& taxWord, bool blocked, const QLocale& locale) {
    DeliveryLines out;
    // Every fortieth line gets a fresh header, but only when a line follows it;
    // otherwise each save without a delivery would repeat the header.
    const int lines = logEnd.deliveryLines;
    const bool fortieth = lines % 40 == 0 && lines > 35 &&
                          (IsNewDelivery(in.first) || IsNewDelivery(in.second));
    // Two line breaks and the three column lines; the last stays open for the save.
    if (!logEnd.headerSeen || fortieth)
        out.line1 = "\r\n\r\n" + DeliveryColumnLines(taxWord).join("\r\n");
    if (blocked) return out;
    AddDeliveryLine(out.line1, in, in.first, locale);
    AddDeliveryLine(out.line2, in, in.second, locale);
    return out;
}

}  // namespace tw
