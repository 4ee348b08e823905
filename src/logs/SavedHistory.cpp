#include "logs/SavedHistory.h"

#include "platform/Files.h"
#include "calc/Currency.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "logs/LogColumns.h"

namespace tw {

namespace {

// A data line is whole when it has its full width and its ", " separators stand
// where the program puts them.
bool SeparatorsAt(const QString& line, std::initializer_list<int> columns, int width) {
    if (line.size() != width) return false;
    for (int column : columns) {
        if (line.at(column - 1) != QLatin1Char(',') || line.at(column) != QLatin1Char(' '))
            return false;
    }
    return true;
}

// Amounts are numbers in the user's locale; anything else marks a damaged line.
std::optional<double> AmountValue(const QString& text, const QLocale& locale) {
    return LocaleNumber(text, locale);
}

}  // namespace

std::optional<double> MoneyValue(const QString& text, const QString& symbol,
                                 const QLocale& locale) {
    const QString bare = TrimBlanks(StripCurrencySymbol(TrimBlanks(text), symbol));
    if (bare.isEmpty()) return std::nullopt;
    return LocaleNumber(bare, locale);
}

SavedHistoryReader::SavedHistoryReader(const QLocale& locale)
    : locale_(locale),
      dates_(locale),
      currencySymbol_(LogCurrencySymbol(locale)),
      // The creation block's time stamp: a short date, a blank and "hh:mm:ss".
      stamp_(QStringLiteral("^\\S+ \\d\\d:\\d\\d:\\d\\d$")) {}

bool SavedHistoryReader::isOwnNonDataLine(const QString& line) const {
    if (TrimBlanks(line).isEmpty()) return true;
    if (IsColumnHeader(line)) return true;
    static const QLatin1String prefixes[] = {
        QLatin1String("Tankwise "),    QLatin1String("Version "),
        QLatin1String("File Created"), QLatin1String("Tank A: "),
        QLatin1String("Tank B: "),     QLatin1String("           , Volume , Volume"),
        QLatin1String("Date       , Delivered"), QLatin1String("-----------, ---"),
    };
    for (const auto& prefix : prefixes) {
        if (line.startsWith(prefix)) return true;
    }
    return line.size() < 40 && stamp_.match(line).hasMatch();
}

std::optional<QDate> SavedHistoryReader::dateOf(const QString& line) const {
    const QString text = ColumnText(line, 1, 11);
    if (text.isEmpty() || !dates_.isDate(text)) return std::nullopt;
    return ParseDate(text, locale_);
}

void SavedHistoryReader::addHistoryLine(const QString& line) {
    if (isOwnNonDataLine(line)) return;
    // Date, two volumes, two depths, then either the value and flags or, on a
    // first reading, a lone comma. Empty tanks are readings too.
    const bool whole = SeparatorsAt(line, {12, 21, 30, 38}, 66) && line.at(45) == QLatin1Char(',');
    const auto date = whole ? dateOf(line) : std::nullopt;
    const HistoryPieces pieces = date ? ReadHistoryColumns(line) : HistoryPieces{};
    const auto oilA = AmountValue(pieces.volumeA, locale_);
    const auto oilB = pieces.volumeB.isEmpty() ? 0.0 : AmountValue(pieces.volumeB, locale_);
    if (!date || !oilA || !oilB) {
        ++history_.skippedHistoryLines;
        return;
    }
    SavedReading reading;
    reading.date = *date;
    reading.oil = *oilA + *oilB;
    // A value of nothing is no value: the log leaves the column blank then.
    const auto value = MoneyValue(pieces.oilValue, currencySymbol_, locale_);
    if (value && *value != 0) reading.value = value;
    history_.readings.push_back(reading);
}

void SavedHistoryReader::addDeliveryLine(const QString& line) {
    if (isOwnNonDataLine(line)) return;
    const bool whole = SeparatorsAt(line, {12, 23, 32, 43, 50, 60, 67, 72}, 76);
    const auto date = whole ? dateOf(line) : std::nullopt;
    const auto amount = date ? AmountValue(ColumnText(line, 14, 22), locale_) : std::nullopt;
    if (!amount) {
        ++history_.skippedDeliveryLines;
        return;
    }
    SavedDelivery delivery;
    delivery.date = *date;
    delivery.amount = *amount;
    delivery.cost = MoneyValue(ColumnText(line, 52, 59), currencySymbol_, locale_);
    history_.deliveries.push_back(delivery);
}

SavedHistory ReadSavedHistory(const Files& files, const QString& historyPath,
                              const QString& deliveryPath, const QLocale& locale) {
    SavedHistoryReader reader(locale);
    files.forEachLine(historyPath, [&](const QString& line) { reader.addHistoryLine(line); });
    files.forEachLine(deliveryPath, [&](const QString& line) { reader.addDeliveryLine(line); });
    return reader.take();
}

}  // namespace tw
