#include "logs/CsvExport.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <unordered_map>

#include "calc/FieldDate.h"
#include "calc/NumberText.h"
#include "platform/Files.h"

namespace tw {

namespace {

// The headers are marked for the translations; a spreadsheet in the user's language
// gets them in that language (the import reads them back).
QString Header(const char* text, const CsvStyle& style) {
    return style.headersInLanguage ? QCoreApplication::translate("CsvExport", text)
                                   : QString::fromLatin1(text);
}

// A CSV file written field by field straight into its UTF-8 bytes: an export of
// years of daily readings writes a million fields, and a text built first and then
// encoded would take three times the memory.
class CsvLines {
public:
    CsvLines(const std::vector<const char*>& header, size_t rows, const CsvStyle& style)
        : style_(style), separator_(QString(style.separator).toUtf8()), decimal_(QString(style.decimal).toUtf8()) {
        bytes_.reserve(qsizetype(rows + 1) * 72);
        if (style_.byteOrderMark) bytes_ += "\xEF\xBB\xBF";
        for (const char* name : header) field(Header(name, style_));
        end();
    }
    CsvLines& field(const QString& value) {
        separate();
        bytes_ += CsvField(value, style_.separator).toUtf8();
        return *this;
    }
    CsvLines& number(std::optional<double> value, int decimals) {
        separate();
        char digits[48];
        const int count = value ? WriteFixedDigits(*value, decimals, digits) : 0;
        if (count < 0) {
            bytes_ += CsvNumber(value, decimals, style_.decimal).toUtf8();
        } else if (decimal_ == ".") {
            bytes_.append(digits, count);
        } else {
            for (int i = 0; i < count; ++i) {
                if (digits[i] == '.') bytes_ += decimal_;
                else bytes_ += digits[i];
            }
        }
        return *this;
    }
    CsvLines& date(std::optional<QDate> value) {
        separate();
        bytes_ += CsvDate(value, style_).toUtf8();
        return *this;
    }
    void end() {
        bytes_ += "\r\n";
        first_ = true;
    }
    QByteArray take() { return std::move(bytes_); }

private:
    void separate() {
        if (!first_) bytes_ += separator_;
        first_ = false;
    }
    const CsvStyle& style_;
    const QByteArray separator_, decimal_;
    QByteArray bytes_;
    bool first_ = true;
};

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
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        quote = quote || c == separator || u == '"' || u == '\r' || u == '\n';
    }
    if (!quote) return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString CsvNumber(std::optional<double> value, int decimals, QChar decimal) {
    if (!value) return {};
    QString text = FixedDigits(*value, decimals);
    // A value that rounds to nothing is "0.00", not "-0.00".
    if (text.startsWith(QLatin1Char('-')) && text.mid(1).remove(QLatin1Char('0')).remove(QLatin1Char('.')).isEmpty())
        text.remove(0, 1);
    return text.replace(QLatin1Char('.'), decimal);
}

QString CsvDate(std::optional<QDate> date, const CsvStyle& style) {
    if (!date || !date->isValid()) return {};
    if (style.dates) return FieldDateText(*date, *style.dates);
    int y = 0, m = 0, d = 0;
    date->getDate(&y, &m, &d);
    if (y < 1 || y > 9999) return date->toString(Qt::ISODate);
    // Written by hand: the calendar's own ISO writer costs more than the rest of a row.
    const char text[10] = {char('0' + y / 1000), char('0' + y / 100 % 10), char('0' + y / 10 % 10),
                           char('0' + y % 10), '-', char('0' + m / 10), char('0' + m % 10), '-',
                           char('0' + d / 10), char('0' + d % 10)};
    return QString::fromLatin1(text, 10);
}

QByteArray HistoryCsv(const std::vector<HistoryTableRow>& rows, const CsvStyle& style) {
    CsvLines csv({QT_TRANSLATE_NOOP("CsvExport", "Date"), QT_TRANSLATE_NOOP("CsvExport", "Oil in tanks"),
                  QT_TRANSLATE_NOOP("CsvExport", "Days"), QT_TRANSLATE_NOOP("CsvExport", "Oil used"),
                  QT_TRANSLATE_NOOP("CsvExport", "Oil delivered"), QT_TRANSLATE_NOOP("CsvExport", "Use per day"),
                  QT_TRANSLATE_NOOP("CsvExport", "Cost per day"), QT_TRANSLATE_NOOP("CsvExport", "Tank A reading"),
                  QT_TRANSLATE_NOOP("CsvExport", "Tank B reading"), QT_TRANSLATE_NOOP("CsvExport", "Oil value")},
                 rows.size(), style);
    for (const HistoryTableRow& r : rows) {
        csv.date(r.date).number(r.oil, 0).number(r.days ? std::optional<double>(*r.days) : std::nullopt, 0);
        csv.number(r.used, 0).number(r.delivered, 0).number(r.perDay, 2).number(r.costPerDay, 2);
        csv.number(r.readingA, 1).number(r.readingB, 1).number(r.value, 2).end();
    }
    return csv.take();
}

QByteArray DeliveriesCsv(const std::vector<SavedDelivery>& deliveries,
                      const std::vector<SavedCalculation>& calcs, const CsvStyle& style) {
    std::unordered_map<int, QDate> periodEnd;  // by delivery log line
    for (const SavedCalculation& c : calcs)
        for (const SavedDelivery& d : c.deliveries) periodEnd[d.line] = c.to.date;
    const auto rate = [&](std::optional<double> r) {
        return r ? GeneralDigits(*r, 10).replace(QLatin1Char('.'), style.decimal) : QString();
    };
    CsvLines csv({QT_TRANSLATE_NOOP("CsvExport", "Date"), QT_TRANSLATE_NOOP("CsvExport", "Amount"),
                  QT_TRANSLATE_NOOP("CsvExport", "Total cost"), QT_TRANSLATE_NOOP("CsvExport", "Price"),
                  QT_TRANSLATE_NOOP("CsvExport", "Delivery charge"), QT_TRANSLATE_NOOP("CsvExport", "Oil tax rate"),
                  QT_TRANSLATE_NOOP("CsvExport", "Charge tax rate"), QT_TRANSLATE_NOOP("CsvExport", "Reading date")},
                 deliveries.size(), style);
    for (const SavedDelivery& d : deliveries) {
        const auto end = periodEnd.find(d.line);
        csv.date(d.date).number(d.amount, 0).number(d.cost, 2).number(d.price, 4);
        csv.number(d.charge != 0 ? std::optional<double>(d.charge) : std::nullopt, 2);
        csv.field(rate(d.oilTaxRate)).field(rate(d.chargeTaxRate));
        csv.date(end == periodEnd.end() ? std::nullopt : std::optional<QDate>(end->second)).end();
    }
    return csv.take();
}

QByteArray ResultsCsv(const std::vector<SavedReport>& reports, const CsvStyle& style) {
    CsvLines csv({QT_TRANSLATE_NOOP("CsvExport", "From"), QT_TRANSLATE_NOOP("CsvExport", "To"),
                  QT_TRANSLATE_NOOP("CsvExport", "Days"), QT_TRANSLATE_NOOP("CsvExport", "Oil used"),
                  QT_TRANSLATE_NOOP("CsvExport", "Oil left"), QT_TRANSLATE_NOOP("CsvExport", "Use per day"),
                  QT_TRANSLATE_NOOP("CsvExport", "CO2"), QT_TRANSLATE_NOOP("CsvExport", "CO2 per day"),
                  QT_TRANSLATE_NOOP("CsvExport", "Total cost"), QT_TRANSLATE_NOOP("CsvExport", "Cost per day"),
                  QT_TRANSLATE_NOOP("CsvExport", "Prediction months"), QT_TRANSLATE_NOOP("CsvExport", "Tanks empty"),
                  QT_TRANSLATE_NOOP("CsvExport", "Predicted oil used"), QT_TRANSLATE_NOOP("CsvExport", "Predicted cost")},
                 reports.size(), style);
    for (const SavedReport& r : reports) {
        csv.date(r.from).date(r.to).number(r.days, 0).number(r.oilUsed, 0).number(r.oilLeft, 0);
        csv.number(r.usePerDay, 2).number(r.co2, 0).number(r.co2PerDay, 2).number(r.totalCost, 2);
        csv.number(r.costPerDay, 2).number(r.predictedMonths, 0).date(r.runOut);
        csv.number(r.predictedOilUsed, 0).number(r.predictedCost, 2).end();
    }
    return csv.take();
}

QString CsvFileText(const QByteArray& bytes) {
    // Qt's UTF-8 reader drops a byte order mark; the file written from the text needs it.
    static const QByteArray mark("\xEF\xBB\xBF");
    if (!bytes.startsWith(mark)) return QString::fromUtf8(bytes);
    return QChar(0xFEFF) + QString::fromUtf8(QByteArrayView(bytes).sliced(mark.size()));
}

void WriteCsvFile(const QString& absolutePath, const QString& text) {
    WriteCsvFile(absolutePath, text.toUtf8());
}

void WriteCsvFile(const QString& absolutePath, const QByteArray& bytes) {
    QSaveFile file(absolutePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(file.errorString().toStdString());
}

}  // namespace tw
