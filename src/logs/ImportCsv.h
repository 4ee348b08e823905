#pragma once
#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "logs/CsvRead.h"

namespace tw {

// What a column of a spreadsheet holds, as its header names it.
enum class ImportField {
    Ignored, Date, TankA, TankB, Amount, Price, Charge, OilTax, ChargeTax, Value, ReadingDate
};
// The field a header names, in English, German or French; Ignored when none.
ImportField FieldOfHeader(const QString& header);

// One spreadsheet file: its header, the field of each column, its data rows.
struct ImportTable {
    QString file;
    QStringList header;
    std::vector<ImportField> columns;
    std::vector<CsvRow> rows;
    QChar decimal = QLatin1Char('.');
    // A date column and a Tank A reading or an amount: enough to read rows by.
    bool recognised() const;
};
ImportTable ReadImportTable(const QString& file, const QByteArray& bytes, const QLocale& locale);

// A number as spreadsheets write it: grouped or not, a decimal comma or period
// (`decimal` is the file's), a currency, unit or percent sign around it.
std::optional<double> ImportNumber(const QString& text, QChar decimal);

enum class DayOrder { Unknown, DayFirst, MonthFirst };

struct ImportedReading {
    QString file;
    int line = 0;
    QDate date;
    double readingA = 0;
    std::optional<double> readingB, value;
};
struct ImportedDelivery {
    QString file;
    int line = 0;
    QDate date;
    double amount = 0, price = 0;
    std::optional<double> charge, oilTaxRate, chargeTaxRate;
    std::optional<QDate> readingDate;  // the reading that ends its period, when given
};
struct ImportProblem {
    QString file;
    int line = 0;  // 0: the whole file
    QString message;
};
struct ImportRecords {
    std::vector<ImportedReading> readings;
    std::vector<ImportedDelivery> deliveries;
    std::vector<ImportProblem> problems;
    // Dates such as 03/04/2024 with nothing in the files to say which is the day.
    bool dayOrderNeeded = false;
};
// The readings and deliveries of the rows. A row with a Tank A reading is a reading,
// one with an amount a delivery (a row may be both). Dates are ISO 8601 or numeric
// in either day order; with `order` unknown, the files' own dates must tell it.
ImportRecords ReadImportRecords(const std::vector<ImportTable>& tables, DayOrder order,
                                const QLocale& locale);

}  // namespace tw
