#include "logs/CsvExport.h"

#include <QSaveFile>
#include <map>

#include "calc/NumberText.h"
#include "platform/Files.h"

namespace tw {

namespace {

QString CsvText(const QStringList& header, const std::vector<QStringList>& rows) {
    QString text;
    text.reserve(qsizetype(rows.size() + 1) * 64);
    auto addLine = [&](const QStringList& fields) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0) text += QLatin1Char(',');
            text += CsvField(fields[i]);
        }
        text += QLatin1String("\r\n");
    };
    addLine(header);
    for (const QStringList& row : rows) addLine(row);
    return text;
}

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
    std::vector<QStringList> lines;
    lines.reserve(rows.size());
    for (const HistoryTableRow& r : rows) {
        lines.push_back({CsvDate(r.date), CsvNumber(r.oil, 0),
                         r.days ? QString::number(*r.days) : QString(), CsvNumber(r.used, 0),
                         CsvNumber(r.delivered, 0), CsvNumber(r.perDay, 2),
                         CsvNumber(r.costPerDay, 2), CsvNumber(r.readingA, 1),
                         CsvNumber(r.readingB, 1), CsvNumber(r.value, 2)});
    }
    return CsvText({"Date", "Oil in tanks", "Days", "Oil used", "Oil delivered", "Use per day",
                    "Cost per day", "Tank A reading", "Tank B reading", "Oil value"},
                   lines);
}

QString DeliveriesCsv(const std::vector<SavedDelivery>& deliveries,
                      const std::vector<SavedCalculation>& calcs) {
    std::map<int, QDate> periodEnd;  // by delivery log line
    for (const SavedCalculation& c : calcs)
        for (const SavedDelivery& d : c.deliveries) periodEnd[d.line] = c.to.date;
    const auto rate = [](std::optional<double> r) { return r ? GeneralDigits(*r, 10) : QString(); };
    std::vector<QStringList> lines;
    for (const SavedDelivery& d : deliveries) {
        const auto end = periodEnd.find(d.line);
        lines.push_back({CsvDate(d.date), CsvNumber(d.amount, 0), CsvNumber(d.cost, 2),
                         CsvNumber(d.price, 4), d.charge != 0 ? CsvNumber(d.charge, 2) : QString(),
                         rate(d.oilTaxRate),
                         rate(d.chargeTaxRate),
                         end == periodEnd.end() ? QString() : CsvDate(end->second)});
    }
    return CsvText({"Date", "Amount", "Total cost", "Price", "Delivery charge", "Oil tax rate",
                    "Charge tax rate", "Reading date"},
                   lines);
}

QString ResultsCsv(const std::vector<SavedReport>& reports) {
    std::vector<QStringList> lines;
    for (const SavedReport& r : reports) {
        lines.push_back({CsvDate(r.from), CsvDate(r.to), CsvNumber(r.days, 0),
                         CsvNumber(r.oilUsed, 0), CsvNumber(r.oilLeft, 0),
                         CsvNumber(r.usePerDay, 2), CsvNumber(r.co2, 0),
                         CsvNumber(r.co2PerDay, 2), CsvNumber(r.totalCost, 2),
                         CsvNumber(r.costPerDay, 2), CsvNumber(r.predictedMonths, 0),
                         CsvDate(r.runOut), CsvNumber(r.predictedOilUsed, 0),
                         CsvNumber(r.predictedCost, 2)});
    }
    return CsvText({"From", "To", "Days", "Oil used", "Oil left", "Use per day", "CO2",
                    "CO2 per day", "Total cost", "Cost per day", "Prediction months",
                    "Tanks empty", "Predicted oil used", "Predicted cost"},
                   lines);
}

void WriteCsvFile(const QString& absolutePath, const QString& text) {
    QSaveFile file(absolutePath);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(file.errorString().toStdString());
}

}  // namespace tw
