#pragma once
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "logs/HistoryTable.h"
#include "logs/SavedHistory.h"
#include "logs/SavedReports.h"

namespace tw {

// Spreadsheet files: UTF-8, a header row, commas, fields quoted where they hold a
// comma, a quote or a line break, CR LF line ends, numbers with a period and
// dates as yyyy-MM-dd whatever the user's locale.

QString CsvField(const QString& text);
// Empty when there is no value.
QString CsvNumber(std::optional<double> value, int decimals);
QString CsvDate(std::optional<QDate> date);

QString HistoryCsv(const std::vector<HistoryTableRow>& rows);
// Each delivery with what an import needs to type it again: its price, charge and
// tax rates, and the date of the reading that ends the calculation it was saved with.
QString DeliveriesCsv(const std::vector<SavedDelivery>& deliveries,
                      const std::vector<SavedCalculation>& calcs = {});
QString ResultsCsv(const std::vector<SavedReport>& reports);

// Writes a temporary file beside the target and renames it over the target, so a
// failure leaves any earlier file as it was. Throws FileError with a reason.
void WriteCsvFile(const QString& absolutePath, const QString& text);

}  // namespace tw
