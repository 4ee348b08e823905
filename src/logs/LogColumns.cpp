#include "logs/LogColumns.h"

#include "calc/Currency.h"
#include "calc/Fields.h"
#include "calc/Formats.h"

namespace tw {

QString RawColumns(const QString& line, int first, int last) {
    if (first < 1 || last < first) return {};
    return line.mid(first - 1, last - first + 1);
}

namespace {
// Blanks cut from both ends of a view, without copying the text.
QStringView TrimmedView(QStringView text) {
    while (!text.isEmpty() && text.front() == QLatin1Char(' ')) text = text.sliced(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' ')) text.chop(1);
    return text;
}

QStringView ColumnView(const QString& line, int first, int last) {
    if (first < 1 || last < first) return {};
    return QStringView(line).mid(first - 1, last - first + 1);
}
}  // namespace

QString TrimBlanks(const QString& text) {
    const QStringView trimmed = TrimmedView(text);
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

// Copies only what the column holds: the logs are read a line at a time by the thousand.
QString ColumnText(const QString& line, int first, int last) {
    return TrimmedView(ColumnView(line, first, last)).toString();
}

bool IsColumnHeader(const QString& line) { return line.endsWith(QLatin1String(", HW ")); }

std::optional<QDate> LineDate(const QString& line, const QLocale& locale) {
    const QString text = ColumnText(line, 1, 11);
    if (text.isEmpty()) return std::nullopt;
    return ParseDate(text, locale);
}

namespace {

QStringView BlankTrimmed(QStringView text) {
    while (!text.isEmpty() && text.front() == QLatin1Char(' ')) text = text.sliced(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' ')) text.chop(1);
    return text;
}

// The leading number of a column. A column of plain digits, as the program writes
// amounts, is read on the spot; anything else by NumberValue.
double ColumnNumber(QStringView text) {
    if (text.isEmpty() || text.size() > 9) return NumberValue(text.toString());
    double value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return NumberValue(text.toString());
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

}  // namespace

bool IsSavedLine(const QString& line, const LineDateCheck& dates, int amountFirst,
                 int amountLast) {
    // A whole log is read line by line at every calculation: no copies here.
    const QStringView view(line);
    // The cheap number test first: header, dash and stamp lines end here.
    const QStringView amount = BlankTrimmed(view.mid(amountFirst - 1, amountLast - amountFirst + 1));
    if (!(ColumnNumber(amount) > 1)) return false;
    const QStringView date = BlankTrimmed(view.left(11));
    return !date.isEmpty() && dates.isDate(date);
}

bool IsHistoryDataLine(const QString& line, const LineDateCheck& dates) {
    return IsSavedLine(line, dates, 14, 20);
}

bool IsDeliveryLine(const QString& line, const LineDateCheck& dates) {
    return IsSavedLine(line, dates, 14, 22);
}

bool IsHistoryDataLine(const QString& line, const QLocale& locale) {
    return IsHistoryDataLine(line, LineDateCheck::of(locale));
}

bool IsDeliveryLine(const QString& line, const QLocale& locale) {
    return IsDeliveryLine(line, LineDateCheck::of(locale));
}

QString LogDate(const QString& text, const QLocale& locale) {
    if (text.size() <= 11) return text;
    if (const auto date = ParseDate(text, locale)) return LongDate(*date, locale);
    return text;
}

QString FitCurrency(const QString& shown, int width, const QLocale& locale) {
    const QString text = LogCurrencyText(shown, locale);
    if (text.size() <= width) return text;
    // Group separators go, the blank before a currency code stays ("1 234,50 PLN").
    QString plain = text;
    const QString group = locale.groupSeparator();
    for (qsizetype at = plain.indexOf(group); !group.isEmpty() && at > 0;
         at = plain.indexOf(group, at + 1)) {
        const qsizetype after = at + group.size();
        if (after < plain.size() && plain[at - 1].isDigit() && plain[after].isDigit())
            plain.remove(at--, group.size());
    }
    if (plain.size() <= width) return plain;
    return StripCurrencySymbol(plain, LogCurrencySymbol(locale)).trimmed();
}

QString JoinColumns(const std::vector<std::pair<QString, int>>& fields) {
    QStringList parts;
    for (const auto& [text, width] : fields) parts << RightAlign(text, width);
    return parts.join(QStringLiteral(", "));
}

QStringList SplitColumns(const QString& line, int count) {
    QStringList parts = line.split(QStringLiteral(", "));
    // Only a date typed with a comma ("Mar 5, 2025") holds the separator itself.
    while (parts.size() > count && parts.size() > 1) {
        parts[0] += QStringLiteral(", ") + parts[1];
        parts.removeAt(1);
    }
    for (QString& part : parts) part = TrimBlanks(part);
    return parts;
}

namespace {
// The date, volume and depth columns that every history line starts with.
std::vector<std::pair<QString, int>> ReadingColumns(const HistoryRow& row) {
    return {{row.date, 11}, {row.volumeA, 7}, {row.volumeB, 7}, {row.depthA, 6}, {row.depthB, 6}};
}
}  // namespace

QString HistoryDataLine(const HistoryRow& row) {
    auto columns = ReadingColumns(row);
    columns.insert(columns.end(), {{row.oilValue, 9},
                                   {HeatingFlag(row.centralHeating), 3},
                                   {HeatingFlag(row.waterHeating), 3}});
    return JoinColumns(columns);
}

// A first reading has no heating flags: their columns stay blank. It has an oil
// value only when the user priced the oil already in the tanks.
QString FirstReadingLine(const HistoryRow& row) {
    if (!row.oilValue.isEmpty()) {
        auto columns = ReadingColumns(row);
        columns.insert(columns.end(), {{row.oilValue, 9}, {QString(), 3}, {QString(), 3}});
        return JoinColumns(columns);
    }
    return JoinColumns(ReadingColumns(row)) + QLatin1Char(',') + QString(20, QLatin1Char(' '));
}

QStringList HistoryColumnLines(const QString& taxWord) {
    return {QStringLiteral("Date       , Tank A , Tank B , Tank A, Tank B, Oil Value, CH , HW "),
            "           , Volume , Volume , Depth , Depth , (no " + taxWord + ") ,    ,    ",
            QStringLiteral("-----------, -------, -------, ------, ------, ---------, ---, ---")};
}

QString DeliveryLineText(const DeliveryRow& row) {
    return JoinColumns({{row.date, 11},
                        {row.amount, 9},
                        {row.oilCost, 7},
                        {row.charge, 9},
                        {row.oilVat, 5},
                        {row.total, 8},
                        {row.deliveryVat, 5},
                        {HeatingFlag(row.centralHeating), 3},
                        {HeatingFlag(row.waterHeating), 3}});
}

QStringList DeliveryColumnLines(const QString& taxWord) {
    return {QStringLiteral(
                "Delivery   , Amount   , Oil    , Delivery , Oil  , Total   , Del  , CH , HW "),
            "Date       , Delivered, Cost   , Charge   , " + taxWord + "  , Cost    , " + taxWord +
                "  ,    ,    ",
            QStringLiteral(
                "-----------, ---------, -------, ---------, -----, --------, -----, ---, ---")};
}

HistoryPieces ReadHistoryColumns(const QString& line) {
    HistoryPieces pieces;
    // A line wider than the table keeps a figure the columns could not hold: its
    // fields are found by their separators instead.
    if (line.size() > 66) {
        const QStringList f = SplitColumns(line, 8);
        if (f.size() == 8) {
            pieces = {f[0], f[1], f[2], f[3], f[4], f[5], f[6] == QLatin1String("On"),
                      f[7] == QLatin1String("On")};
            return pieces;
        }
    }
    pieces.date = ColumnText(line, 1, 11);
    pieces.volumeA = ColumnText(line, 14, 20);
    pieces.volumeB = ColumnText(line, 23, 29);
    pieces.depthA = ColumnText(line, 32, 37);
    pieces.depthB = ColumnText(line, 40, 45);
    pieces.oilValue = ColumnText(line, 48, 56);
    pieces.centralHeating = ColumnView(line, 60, 61) == QLatin1String("On");
    pieces.waterHeating = ColumnView(line, 65, 66) == QLatin1String("On");
    return pieces;
}

DeliveryPieces ReadDeliveryColumns(const QString& line) {
    DeliveryPieces pieces;
    if (line.size() > 76) {
        const QStringList f = SplitColumns(line, 9);
        if (f.size() == 9) {
            pieces = {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7] == QLatin1String("On"),
                      f[8] == QLatin1String("On")};
            return pieces;
        }
    }
    pieces.date = ColumnText(line, 1, 11);
    pieces.amount = ColumnText(line, 14, 22);
    pieces.oilCost = ColumnText(line, 25, 31);
    pieces.charge = ColumnText(line, 34, 42);
    pieces.oilVat = ColumnText(line, 45, 49);
    pieces.total = ColumnText(line, 52, 59);
    pieces.deliveryVat = ColumnText(line, 62, 66);
    pieces.centralHeating = ColumnView(line, 70, 71) == QLatin1String("On");
    pieces.waterHeating = ColumnView(line, 75, 76) == QLatin1String("On");
    return pieces;
}

}  // namespace tw
