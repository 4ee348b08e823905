#include "logs/DeliveryLog.h"

#include <optional>
#include <vector>

#include "app/FatalDump.h"
#include "app/FolderChecks.h"
#include "app/Program.h"
#include "calc/Currency.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "logs/LogColumns.h"
#include "logs/LogFiles.h"

namespace tw {

namespace {

// The fields of one delivery and the values that go with them.
struct DeliveryFields {
    Ctl date, amount, oilCost, charge;
    QString State::*cost;
    QString State::*retrieved;
    QString State::*line;
    int number;
};
const DeliveryFields kDelivery1{Ctl::Date3,   Ctl::LAdd1,   Ctl::OCost1, Ctl::DCharge1,
                                &State::Delivery1Cost, &State::RetrievedDelivery1,
                                &State::DeliveryLine1, 1};
const DeliveryFields kDelivery2{Ctl::Date4,   Ctl::LAdd2,   Ctl::OCost2, Ctl::DCharge2,
                                &State::Delivery2Cost, &State::RetrievedDelivery2,
                                &State::DeliveryLine2, 2};

QString RateColumn(const QString& rate) { return rate.isEmpty() ? rate : rate + "%"; }

DeliveryRow RowFor(Program& p, const DeliveryFields& d) {
    const QLocale locale = p.desktop.locale();
    DeliveryRow row;
    row.date = LogDate(p.main.text(d.date), locale);
    row.amount = p.main.text(d.amount);
    row.oilCost = FitCurrency(p.main.text(d.oilCost), 7, locale);
    row.charge = FitCurrency(p.main.text(d.charge), 9, locale);
    row.oilVat = RateColumn(p.main.text(Ctl::VRate));
    row.total = FitCurrency(CurrencyText(NumberValue(p.st.*d.cost), locale), 8, locale);
    row.deliveryVat = RateColumn(p.main.text(Ctl::DVRate));
    row.centralHeating = p.main.checked(Ctl::CHeat2);
    row.waterHeating = p.main.checked(Ctl::WHeat2);
    return row;
}

// A delivery not restored by Get Last that this calculation would write.
bool IsNewDelivery(Program& p, const DeliveryFields& d) {
    return !p.main.text(d.date).isEmpty() && (p.st.*d.retrieved).isEmpty();
}

void CheckDeliveryDate(Program& p, const DeliveryFields& d, const std::vector<QDate>& saved) {
    if (!(p.st.*d.retrieved).isEmpty()) return;
    const auto date = ParseDate(p.main.text(d.date), p.desktop.locale());
    if (!date) return;
    for (const QDate& last : saved) {
        if (DaysBetween(*date, last) >= 0) {
            p.st.SaveError += "Delivery " + QString::number(d.number) +
                              " date must be later than last delivery date saved\n";
            return;
        }
    }
}

void CheckRestoredDelivery(Program& p, const DeliveryFields& d) {
    const QString& retrieved = p.st.*d.retrieved;
    if (retrieved.isEmpty()) return;
    // The costs carry the currency symbol the calculation put in front of them.
    const QString symbol = p.st.CurrencySymbol;
    const QString current = p.main.text(d.date) + p.main.text(d.amount) +
                            TrimBlanks(StripCurrencySymbol(p.main.text(d.oilCost), symbol)) +
                            TrimBlanks(StripCurrencySymbol(p.main.text(d.charge), symbol));
    if (current != retrieved)
        p.st.SaveError +=
            "You must not change retrieved delivery " + QString::number(d.number) + " data\n";
}

// Adds the delivery's line when it is new and nothing blocks the save.
void AddDeliveryLine(Program& p, const DeliveryFields& d, const DeliveryRow& row) {
    if (!IsNewDelivery(p, d) || !p.st.SaveError.isEmpty()) return;
    QString& line = p.st.*d.line;
    if (!line.isEmpty()) line += "\r\n";  // after a header block
    line += DeliveryLineText(row);
}

// Two line breaks and the three column lines; the last stays open for the save.
void WriteDeliveryHeader(Program& p) {
    p.st.DeliveryLine1 += "\r\n\r\n" + DeliveryColumnLines(p.st.TaxWord).join("\r\n");
}

}  // namespace

void BuildDeliveryLines(Program& p) {
    State& st = p.st;
    // Lines of an earlier calculation must never be saved with this one.
    st.DeliveryLine1.clear();
    st.DeliveryLine2.clear();
    DeliveryRow row1, row2;
    int deliveryLines = 0;  // since the last column header
    bool headerSeen = false;
    std::vector<QDate> savedDates;
    const bool read = ReadLogOrWarn(
        p, LogKind::Delivery, "Unable to read from the log file " + st.DeliveryLogName + ".", [&] {
            p.step(251);
            row1 = RowFor(p, kDelivery1);
            row2 = RowFor(p, kDelivery2);
            CheckDirectory(p, "Log");
            if (CheckLogFile(p, LogKind::Delivery)) return;
            const QLocale locale = p.desktop.locale();
            const LineDateCheck& dates = LineDateCheck::of(locale);
            // Back to the last column header only: the delivery lines since it
            // decide the next header, and the last two lines hold the last dates.
            QStringList lastTwo;
            p.files.forEachLineBackwards(LogPath(p, LogKind::Delivery), [&](const QString& line) {
                if (lastTwo.size() < 2) lastTwo.prepend(line);
                if (IsColumnHeader(line)) {
                    headerSeen = true;
                    return false;
                }
                if (IsDeliveryLine(line, dates)) ++deliveryLines;
                return true;
            });
            const QString last = lastTwo.value(lastTwo.size() - 1);
            const QString previous = lastTwo.size() > 1 ? lastTwo.first() : QString();
            // The creation block's time stamp also starts with a date: only real
            // delivery lines hold saved delivery dates.
            for (const QString& line : {last, previous})
                if (IsDeliveryLine(line, dates)) savedDates.push_back(*LineDate(line, locale));
        });
    if (!read) return;

    Trapped(p, "Generate Delivery Log Error", [&] {
        p.step(252);
        // Every fortieth line gets a fresh header, but only when a line follows it;
        // otherwise each save without a delivery would repeat the header.
        const bool fortieth = deliveryLines % 40 == 0 && deliveryLines > 35 &&
                              (IsNewDelivery(p, kDelivery1) || IsNewDelivery(p, kDelivery2));
        if (!headerSeen || fortieth) WriteDeliveryHeader(p);

        if (!p.main.checked(Ctl::NoHistory)) {
            CheckDeliveryDate(p, kDelivery1, savedDates);
            CheckDeliveryDate(p, kDelivery2, savedDates);
            CheckRestoredDelivery(p, kDelivery1);
            CheckRestoredDelivery(p, kDelivery2);
        }

        p.step(253);
        AddDeliveryLine(p, kDelivery1, row1);
        AddDeliveryLine(p, kDelivery2, row2);
    });
}

}  // namespace tw
