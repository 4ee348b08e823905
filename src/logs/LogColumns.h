#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

#include "logs/LineDateCheck.h"

namespace tw {

// The fixed-column tables of the history and delivery logs: every field is
// right-aligned in its width (cut to its last characters) and fields are joined
// by ", ". Columns are counted from 1, as a reader of the file counts them.

// Characters first..last of the line with surrounding blanks removed; a line that
// is too short simply gives fewer (or no) characters.
QString ColumnText(const QString& line, int first, int last);
// Columns first..last exactly as they stand (for the "On" flags).
QString RawColumns(const QString& line, int first, int last);
// Only blanks are trimmed; a tab is part of the text.
QString TrimBlanks(const QString& text);

// A column header line ends with ", HW ".
bool IsColumnHeader(const QString& line);
// The date in columns 1-11, when they hold one.
std::optional<QDate> LineDate(const QString& line, const QLocale& locale);
// A saved line of a table: a date in columns 1-11 and a number greater than 1 in
// the amount columns (Tank A volume, or the delivered amount). Header, dash and
// time-stamp lines never qualify. A scan of a whole log passes one LineDateCheck.
bool IsSavedLine(const QString& line, const LineDateCheck& dates, int amountFirst,
                 int amountLast);
bool IsHistoryDataLine(const QString& line, const LineDateCheck& dates);
bool IsDeliveryLine(const QString& line, const LineDateCheck& dates);
bool IsHistoryDataLine(const QString& line, const QLocale& locale);
bool IsDeliveryLine(const QString& line, const QLocale& locale);

// Fields right-aligned in their widths and joined by ", ". A field wider than its
// column widens the line rather than lose a digit.
QString JoinColumns(const std::vector<std::pair<QString, int>>& fields);
// The fields of a line split at their ", " separators, trimmed; surplus fields
// at the front belong to the date.
QStringList SplitColumns(const QString& line, int count);

// A date field as the tables keep it: a text longer than 11 characters is first
// rewritten as "dd-mmm-yyyy"; a shorter one stays as typed.
QString LogDate(const QString& text, const QLocale& locale);

// A currency text for a column of the width: as it is when it fits; otherwise
// without its group separators, then also without its symbol, and only then cut,
// so that no digit of an amount is lost while the column could hold it.
QString FitCurrency(const QString& text, int width, const QLocale& locale);

// " On" or "Off" for a heating check box.
inline QString HeatingFlag(bool on) { return on ? QStringLiteral(" On") : QStringLiteral("Off"); }

// One reading as the history log shows it.
struct HistoryRow {
    QString date, volumeA, volumeB, depthA, depthB, oilValue;
    bool centralHeating = false, waterHeating = false;
};
// The 66-character data line.
QString HistoryDataLine(const HistoryRow& row);
// The first reading of a fresh log: no oil value and no heating flags.
QString FirstReadingLine(const HistoryRow& row);
// The three column lines of a history header block, for a three-letter tax word.
QStringList HistoryColumnLines(const QString& taxWord);

// One delivery as the delivery log shows it.
struct DeliveryRow {
    QString date, amount, oilCost, charge, oilVat, total, deliveryVat;
    bool centralHeating = false, waterHeating = false;
};
// The 76-character delivery line.
QString DeliveryLineText(const DeliveryRow& row);
// The three column lines of a delivery header block.
QStringList DeliveryColumnLines(const QString& taxWord);

// A history line read back by its columns.
struct HistoryPieces {
    QString date, volumeA, volumeB, depthA, depthB, oilValue;
    bool centralHeating = false, waterHeating = false;
};
HistoryPieces ReadHistoryColumns(const QString& line);

// A delivery line read back by its columns.
struct DeliveryPieces {
    QString date, amount, oilCost, charge, oilVat, total, deliveryVat;
    bool centralHeating = false, waterHeating = false;
};
DeliveryPieces ReadDeliveryColumns(const QString& line);

}  // namespace tw
