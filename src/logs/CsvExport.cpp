#include "logs/CsvExport.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <map>

#include "calc/FieldDate.h"
#include "platform/Files.h"

namespace tw {

namespace {

// The headers are marked for the translations; a spreadsheet in the user's language
// gets them in that language (the import reads them back).
QString Header(const char* text, const CsvStyle& style) {
    return style.headersInLanguage ? QCoreApplication::translate("CsvExport", text)
                                   : QString::fromLatin1(text);
}

QString CsvText(const std::vector<const char*>& header, const std::vector<QStringList>& rows,
                const CsvStyle& style) {
    QString text;
    if (style.byteOrderMark) text += QChar(0xFEFF);
    auto addLine = [&](const QStringList& fields) {
        QStringList quoted;
        for (const QString& field : fields) quoted << CsvField(field, style.separator);
        text += quoted.join(style.separator) + QLatin1String("\r\n");
    };
    QStringList names;
    for (const char* h : header) names << Header(h, style);
    addLine(names);
    for (const QStringList& row : rows) addLine(row);
    return text;
}

}  // namespace

CsvStyle LocalCsvStyle(const QLocale& locale) {
    CsvStyle style;
    const QString point = locale.decimalPoint();
    style.decimal = point.size() == 1 ? point.front() : QLatin1Char('.');
    // A decimal comma cannot also separate the fields.
    style.separator = style.decimal == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
    style.dates = locale;
    style.byteOrderMark = true;
    style.headersInLanguage = true;
    return style;
}

QString CsvField(const QString& text, QChar separator) {
    bool quote = false;
    for (const QChar c : text)
        quote = quote || c == separator || c == QLatin1Char('"') || c == QLatin1Char('\r') ||
                c == QLatin1Char('\n');
    if (!quote) return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString CsvNumber(std::optional<double> value, int decimals, QChar decimal) {
    if (!value) return {};
    QString text = QString::number(*value, 'f', decimals);
    // A value that rounds to nothing is "0.00", not "-0.00".
    if (text.startsWith(QLatin1Char('-')) && text.mid(1).remove(QLatin1Char('0')).remove(QLatin1Char('.')).isEmpty())
        text.remove(0, 1);
    return text.replace(QLatin1Char('.'), decimal);
}

QString CsvDate(std::optional<QDate> date, const CsvStyle& style) {
    if (!date || !date->isValid()) return {};
    return style.dates ? FieldDateText(*date, *style.dates) : date->toString(Qt::ISODate);
}

QString HistoryCsv(const std::vector<HistoryTableRow>& rows, const CsvStyle& style) {
    const auto number = [&](std::optional<double> v, int decimals) { return CsvNumber(v, decimals, style.decimal); };
    std::vector<QStringList> lines;
    lines.reserve(rows.size());
    for (const HistoryTableRow& r : rows) {
        lines.push_back({CsvDate(r.date, style), number(r.oil, 0),
                         r.days ? QString::number(*r.days) : QString(), number(r.used, 0),
                         number(r.delivered, 0), number(r.perDay, 2), number(r.costPerDay, 2),
                         number(r.readingA, 1), number(r.readingB, 1), number(r.value, 2)});
    }
    return CsvText({QT_TRANSLATE_NOOP("CsvExport", "Date"), QT_TRANSLATE_NOOP("CsvExport", "Oil in tanks"),
                    QT_TRANSLATE_NOOP("CsvExport", "Days"), QT_TRANSLATE_NOOP("CsvExport", "Oil used"),
                    QT_TRANSLATE_NOOP("CsvExport", "Oil delivered"), QT_TRANSLATE_NOOP("CsvExport", "Use per day"),
                    QT_TRANSLATE_NOOP("CsvExport", "Cost per day"), QT_TRANSLATE_NOOP("CsvExport", "Tank A reading"),
                    QT_TRANSLATE_NOOP("CsvExport", "Tank B reading"), QT_TRANSLATE_NOOP("CsvExport", "Oil value")},
                   lines, style);
}

QString DeliveriesCsv(const std::vector<SavedDelivery>& deliveries,
                      const std::vector<SavedCalculation>& calcs, const CsvStyle& style) {
    std::map<int, QDate> periodEnd;  // by delivery log line
    for (const SavedCalculation& c : calcs)
        for (const SavedDelivery& d : c.deliveries) periodEnd[d.line] = c.to.date;
    const auto number = [&](std::optional<double> v, int decimals) { return CsvNumber(v, decimals, style.decimal); };
    const auto rate = [&](std::optional<double> r) {
        return r ? QString::number(*r, 'g', 10).replace(QLatin1Char('.'), style.decimal) : QString();
    };
    std::vector<QStringList> lines;
    for (const SavedDelivery& d : deliveries) {
        const auto end = periodEnd.find(d.line);
        lines.push_back({CsvDate(d.date, style), number(d.amount, 0), number(d.cost, 2),
                         number(d.price, 4), d.charge != 0 ? number(d.charge, 2) : QString(),
                         rate(d.oilTaxRate), rate(d.chargeTaxRate),
                         end == periodEnd.end() ? QString() : CsvDate(end->second, style)});
    }
    return CsvText({QT_TRANSLATE_NOOP("CsvExport", "Date"), QT_TRANSLATE_NOOP("CsvExport", "Amount"),
                    QT_TRANSLATE_NOOP("CsvExport", "Total cost"), QT_TRANSLATE_NOOP("CsvExport", "Price"),
                    QT_TRANSLATE_NOOP("CsvExport", "Delivery charge"), QT_TRANSLATE_NOOP("CsvExport", "Oil tax rate"),
                    QT_TRANSLATE_NOOP("CsvExport", "Charge tax rate"), QT_TRANSLATE_NOOP("CsvExport", "Reading date")},
                   lines, style);
}

QString ResultsCsv(const std::vector<SavedReport>& reports, const CsvStyle& style) {
    const auto number = [&](std::optional<double> v, int decimals) { return CsvNumber(v, decimals, style.decimal); };
    std::vector<QStringList> lines;
    for (const SavedReport& r : reports) {
        lines.push_back({CsvDate(r.from, style), CsvDate(r.to, style), number(r.days, 0),
                         number(r.oilUsed, 0), number(r.oilLeft, 0), number(r.usePerDay, 2),
                         number(r.co2, 0), number(r.co2PerDay, 2), number(r.totalCost, 2),
                         number(r.costPerDay, 2), number(r.predictedMonths, 0),
                         CsvDate(r.runOut, style), number(r.predictedOilUsed, 0),
                         number(r.predictedCost, 2)});
    }
    return CsvText({QT_TRANSLATE_NOOP("CsvExport", "From"), QT_TRANSLATE_NOOP("CsvExport", "To"),
                    QT_TRANSLATE_NOOP("CsvExport", "Days"), QT_TRANSLATE_NOOP("CsvExport", "Oil used"),
                    QT_TRANSLATE_NOOP("CsvExport", "Oil left"), QT_TRANSLATE_NOOP("CsvExport", "Use per day"),
                    QT_TRANSLATE_NOOP("CsvExport", "CO2"), QT_TRANSLATE_NOOP("CsvExport", "CO2 per day"),
                    QT_TRANSLATE_NOOP("CsvExport", "Total cost"), QT_TRANSLATE_NOOP("CsvExport", "Cost per day"),
                    QT_TRANSLATE_NOOP("CsvExport", "Prediction months"), QT_TRANSLATE_NOOP("CsvExport", "Tanks empty"),
                    QT_TRANSLATE_NOOP("CsvExport", "Predicted oil used"), QT_TRANSLATE_NOOP("CsvExport", "Predicted cost")},
                   lines, style);
}

void WriteCsvFile(const QString& absolutePath, const QString& text) {
    QSaveFile file(absolutePath);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(file.errorString().toStdString());
}

}  // namespace tw
