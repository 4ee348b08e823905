#include "logs/CsvExport.h"

#include <QSaveFile>
#include <unordered_map>

#include "calc/NumberText.h"
#include "platform/Files.h"

namespace tw {

namespace {

// A CSV text written field by field into one string: an export of years of daily
// readings writes a million fields, so numbers and dates go straight into it.
class CsvLines {
public:
    CsvLines(const QStringList& header, size_t rows) {
        text_.reserve(qsizetype(rows + 1) * 72);
        for (const QString& name : header) field(name);
        end();
    }
    CsvLines& field(const QString& value) {
        separate();
        text_ += CsvField(value);
        return *this;
    }
    CsvLines& number(std::optional<double> value, int decimals) {
        separate();
        char digits[48];
        const int count = value ? WriteFixedDigits(*value, decimals, digits) : 0;
        if (count >= 0) text_.append(QLatin1String(digits, count));
        else text_ += CsvNumber(value, decimals);
        return *this;
    }
    CsvLines& date(std::optional<QDate> value) {
        separate();
        text_ += CsvDate(value);
        return *this;
    }
    void end() {
        text_ += QLatin1String("\r\n");
        first_ = true;
    }
    QString take() { return std::move(text_); }

private:
    void separate() {
        if (!first_) text_ += QLatin1Char(',');
        first_ = false;
    }
    QString text_;
    bool first_ = true;
};

}  // namespace

QString CsvField(const QString& text) {
    bool quote = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        quote = quote || u == ',' || u == '"' || u == '\r' || u == '\n';
    }
    if (!quote) return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString CsvNumber(std::optional<double> value, int decimals) {
    if (!value) return {};
    QString text = FixedDigits(*value, decimals);
    // A value that rounds to nothing is "0.00", not "-0.00".
    if (text.startsWith(QLatin1Char('-')) && text.mid(1).remove(QLatin1Char('0')).remove(QLatin1Char('.')).isEmpty())
        text.remove(0, 1);
    return text;
}

QString CsvDate(std::optional<QDate> date) {
    if (!date || !date->isValid()) return {};
    int y = 0, m = 0, d = 0;
    date->getDate(&y, &m, &d);
    if (y < 1 || y > 9999) return date->toString(Qt::ISODate);
    // Written by hand: the calendar's own ISO writer costs more than the rest of a row.
    const char text[10] = {char('0' + y / 1000), char('0' + y / 100 % 10), char('0' + y / 10 % 10),
                           char('0' + y % 10), '-', char('0' + m / 10), char('0' + m % 10), '-',
                           char('0' + d / 10), char('0' + d % 10)};
    return QString::fromLatin1(text, 10);
}

QString HistoryCsv(const std::vector<HistoryTableRow>& rows) {
    CsvLines csv({"Date", "Oil in tanks", "Days", "Oil used", "Oil delivered", "Use per day",
                  "Cost per day", "Tank A reading", "Tank B reading", "Oil value"},
                 rows.size());
    for (const HistoryTableRow& r : rows) {
        csv.date(r.date).number(r.oil, 0).number(r.days ? std::optional<double>(*r.days) : std::nullopt, 0);
        csv.number(r.used, 0).number(r.delivered, 0).number(r.perDay, 2).number(r.costPerDay, 2);
        csv.number(r.readingA, 1).number(r.readingB, 1).number(r.value, 2).end();
    }
    return csv.take();
}

QString DeliveriesCsv(const std::vector<SavedDelivery>& deliveries,
                      const std::vector<SavedCalculation>& calcs) {
    std::unordered_map<int, QDate> periodEnd;  // by delivery log line
    for (const SavedCalculation& c : calcs)
        for (const SavedDelivery& d : c.deliveries) periodEnd[d.line] = c.to.date;
    const auto rate = [](std::optional<double> r) { return r ? GeneralDigits(*r, 10) : QString(); };
    CsvLines csv({"Date", "Amount", "Total cost", "Price", "Delivery charge", "Oil tax rate",
                  "Charge tax rate", "Reading date"},
                 deliveries.size());
    for (const SavedDelivery& d : deliveries) {
        const auto end = periodEnd.find(d.line);
        csv.date(d.date).number(d.amount, 0).number(d.cost, 2).number(d.price, 4);
        csv.number(d.charge != 0 ? std::optional<double>(d.charge) : std::nullopt, 2);
        csv.field(rate(d.oilTaxRate)).field(rate(d.chargeTaxRate));
        csv.date(end == periodEnd.end() ? std::nullopt : std::optional<QDate>(end->second)).end();
    }
    return csv.take();
}

QString ResultsCsv(const std::vector<SavedReport>& reports) {
    CsvLines csv({"From", "To", "Days", "Oil used", "Oil left", "Use per day", "CO2",
                  "CO2 per day", "Total cost", "Cost per day", "Prediction months",
                  "Tanks empty", "Predicted oil used", "Predicted cost"},
                 reports.size());
    for (const SavedReport& r : reports) {
        csv.date(r.from).date(r.to).number(r.days, 0).number(r.oilUsed, 0).number(r.oilLeft, 0);
        csv.number(r.usePerDay, 2).number(r.co2, 0).number(r.co2PerDay, 2).number(r.totalCost, 2);
        csv.number(r.costPerDay, 2).number(r.predictedMonths, 0).date(r.runOut);
        csv.number(r.predictedOilUsed, 0).number(r.predictedCost, 2).end();
    }
    return csv.take();
}

void WriteCsvFile(const QString& absolutePath, const QString& text) {
    QSaveFile file(absolutePath);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(file.errorString().toStdString());
}

}  // namespace tw
