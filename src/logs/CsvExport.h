#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "logs/HistoryTable.h"
#include "logs/SavedHistory.h"
#include "logs/SavedReports.h"

namespace tw {

// Spreadsheet files: UTF-8, a header row, fields quoted where they hold the
// separator, a quote or a line break, CR LF line ends.

// How the fields are written. The default is the portable form, the same whatever
// the user's locale: commas, numbers with a period, dates as yyyy-MM-dd, English
// headers, no byte order mark.
struct CsvStyle {
    QChar separator = QLatin1Char(',');
    QChar decimal = QLatin1Char('.');
    std::optional<QLocale> dates;    // the locale's short dates, else ISO dates
    bool byteOrderMark = false;      // spreadsheets take a file for UTF-8 only with one
    bool headersInLanguage = false;  // the headers in the windows' language
};
// The form a spreadsheet of the user's locale opens as columns: the locale's
// decimal mark, semicolons where that mark is a comma (as German and French
// spreadsheets expect), the locale's short dates with the year in full, a byte
// order mark and headers in the windows' language.
CsvStyle LocalCsvStyle(const QLocale& locale);

QString CsvField(const QString& text, QChar separator = QLatin1Char(','));
// Empty when there is no value.
QString CsvNumber(std::optional<double> value, int decimals, QChar decimal = QLatin1Char('.'));
QString CsvDate(std::optional<QDate> date, const CsvStyle& style = {});

// The files' UTF-8 bytes.
QByteArray HistoryCsv(const std::vector<HistoryTableRow>& rows, const CsvStyle& style = {});
// Each delivery with what an import needs to type it again: its price, charge and
// tax rates, and the date of the reading that ends the calculation it was saved with.
QByteArray DeliveriesCsv(const std::vector<SavedDelivery>& deliveries,
                      const std::vector<SavedCalculation>& calcs = {}, const CsvStyle& style = {});
QByteArray ResultsCsv(const std::vector<SavedReport>& reports, const CsvStyle& style = {});

// Writes a temporary file beside the target and renames it over the target, so a
// failure leaves any earlier file as it was. Throws FileError with a reason.
// A CSV file's bytes as text, its byte order mark kept as U+FEFF.
QString CsvFileText(const QByteArray& bytes);

void WriteCsvFile(const QString& absolutePath, const QString& text);
void WriteCsvFile(const QString& absolutePath, const QByteArray& bytes);

}  // namespace tw
