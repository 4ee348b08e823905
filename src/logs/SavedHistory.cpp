#include "logs/SavedHistory.h"

#include <algorithm>
#include <cmath>

#include "calc/Currency.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"
#include "calc/TankVolume.h"
#include "logs/LogColumns.h"
#include "platform/Files.h"

namespace tw {

namespace {

bool IsFlag(const QString& field) {
    return field.isEmpty() || field == QLatin1String("On") || field == QLatin1String("Off");
}

// A line of the table's own width has its ", " separators where the program puts
// them; a wider one (a figure that outgrew its column) has as many fields, and
// its last two are heating flags.
bool WholeLine(const QString& line, std::initializer_list<int> columns, int width) {
    if (line.size() > width) {
        const QStringList fields = SplitColumns(line, int(columns.size()) + 1);
        return fields.size() == qsizetype(columns.size()) + 1 && IsFlag(fields.last()) &&
               IsFlag(fields.at(fields.size() - 2));
    }
    if (line.size() != width) return false;
    for (int column : columns) {
        if (line.at(column - 1) != QLatin1Char(',') || line.at(column) != QLatin1Char(' '))
            return false;
    }
    return true;
}

// The first reading of a log has no heating flags: it ends in a lone comma and
// blanks, or, when it carries the value of the oil in the tanks, in blank flags.
bool IsFirstReadingLine(const QString& line) {
    if (line.size() == 66) {
        if (line.at(45) != QLatin1Char(',')) return false;
        // Nothing but blanks and separators where the heating flags would stand.
        for (qsizetype i = 58; i < line.size(); ++i)
            if (line.at(i) != QLatin1Char(',') && !line.at(i).isSpace()) return false;
        return true;
    }
    const QStringList fields = SplitColumns(line, 8);
    return fields.size() == 8 && fields[6].isEmpty() && fields[7].isEmpty();
}

// Digits with at most one decimal separator, as the program writes its columns,
// read on the spot; nothing for any other form.
std::optional<double> PlainNumber(QStringView text, QChar decimal) {
    if (text.isEmpty() || text.size() > 15) return std::nullopt;
    double value = 0, scale = 0;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            value = value * 10 + (c.unicode() - u'0');
            if (scale > 0) scale *= 10;
        } else if (c == decimal && scale == 0) {
            scale = 1;
        } else {
            return std::nullopt;
        }
    }
    if (scale == 1) return std::nullopt;  // a separator with no digits after it
    return scale > 0 ? value / scale : value;
}

std::optional<double> OptionalNumber(const QString& text, const QLocale& locale) {
    if (text.isEmpty()) return std::nullopt;
    const QString decimal = locale.decimalPoint();
    if (decimal.size() == 1)
        if (const auto plain = PlainNumber(text, decimal.front())) return plain;
    return LocaleNumber(text, locale);
}



// "5%" or "17,5%"; nothing when the column is blank.
std::optional<double> RateValue(const QString& text, const QLocale& locale) {
    if (!text.endsWith(QLatin1Char('%'))) return std::nullopt;
    return OptionalNumber(text.chopped(1), locale);
}

}  // namespace

double SavedReading::oil() const { return FloatDecimal(oilFloat()); }

std::optional<double> MoneyValue(const QString& text, const QString& symbol,
                                 const QLocale& locale) {
    // As the program writes it, "£300.00": the symbol, then plain digits.
    const QString decimal = locale.decimalPoint();
    if (!symbol.isEmpty() && decimal.size() == 1 && text.startsWith(symbol))
        if (const auto plain = PlainNumber(QStringView(text).sliced(symbol.size()), decimal.front())) return plain;
    const QString bare = TrimBlanks(StripCurrencySymbol(TrimBlanks(text), symbol));
    if (bare.isEmpty()) return std::nullopt;
    return OptionalNumber(bare, locale);
}

SavedHistoryReader::SavedHistoryReader(const QLocale& locale)
    : locale_(locale),
      dates_(LineDateCheck::of(locale)),  // its tables built once a locale
      currencySymbol_(LogCurrencySymbol(locale)),
      // The creation block's time stamp: a short date, a blank and "hh:mm:ss".
      stamp_(QStringLiteral("^\\S+ \\d\\d:\\d\\d:\\d\\d$")) {}

bool SavedHistoryReader::isOwnNonDataLine(const QString& line) const {
    qsizetype start = 0;
    while (start < line.size() && line.at(start) == QLatin1Char(' ')) ++start;
    if (start == line.size()) return true;
    // A data line starts with its date; of the program's own lines only the creation
    // block's time stamp does too.
    if (line.at(start).isDigit()) return line.size() < 40 && stamp_.match(line).hasMatch();
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

std::optional<QDate> SavedHistoryReader::dateOf(const QString& text) const {
    if (text.isEmpty()) return std::nullopt;
    return dates_.date(text);
}

// The volume the calculation worked with. A dipstick reading is worked out again
// from the tank its block describes, as the calculation did, because the volume
// column keeps whole units only; where that disagrees with the column (a block
// that does not describe the tank the line was saved with) the column holds.
double SavedHistoryReader::volumeOf(const std::optional<BlockTank>& tank,
                                    const QString& volumeText,
                                    const std::optional<double>& depth) const {
    const double column = volumeText.isEmpty() ? 0 : OptionalNumber(volumeText, locale_).value_or(0);
    if (!tank || !tank->read.described || tank->read.tank.readsVolume || tank->depth <= 0 || !depth)
        return column;
    double oilDepth = std::max(*depth - tank->offset, 0.0);
    oilDepth = std::min(oilDepth, tank->depth);
    // Through plain number text, as the calculation hands the model its depth.
    const double worked = double(DepthVolume(tank->capacity, tank->depth,
                                             NumberValue(GeneralNumber(oilDepth)), tank->read.shape));
    return std::abs(worked - column) < 1 ? worked : column;
}

void SavedHistoryReader::expectBytes(qint64 historyBytes, qint64 deliveryBytes) {
    // A data line takes 68 bytes in the history log and 78 in the delivery log.
    constexpr qint64 kMost = 10'000'000;  // a damaged size never asks for more
    history_.readings.reserve(size_t(std::clamp<qint64>(historyBytes / 68 + 1, 0, kMost)));
    history_.deliveries.reserve(size_t(std::clamp<qint64>(deliveryBytes / 78 + 1, 0, kMost)));
}

void SavedHistoryReader::addHistoryLine(const QString& line) {
    ++historyLine_;
    if (line.startsWith(QLatin1String("Tank A: ")) || line.startsWith(QLatin1String("Tank B: "))) {
        std::optional<BlockTank> tank;
        if (const auto read = ReadTankLine(line)) {
            tank = BlockTank{*read, LocaleNumber(read->tank.capacity, locale_).value_or(0),
                             LocaleNumber(read->tank.depth, locale_).value_or(0),
                             LocaleNumber(read->tank.offset, locale_).value_or(0)};
        }
        (line.at(5) == QLatin1Char('A') ? tankA_ : tankB_) = tank;
        return;
    }
    if (isOwnNonDataLine(line)) return;
    const bool first = IsFirstReadingLine(line);
    const bool whole = first || WholeLine(line, {12, 21, 30, 38, 46, 57, 62}, 66);
    const HistoryPieces pieces = whole ? ReadHistoryColumns(line) : HistoryPieces{};
    const auto date = whole ? dateOf(pieces.date) : std::nullopt;
    const auto oilA = OptionalNumber(pieces.volumeA, locale_);
    const auto oilB = pieces.volumeB.isEmpty() ? 0.0 : OptionalNumber(pieces.volumeB, locale_);
    const auto value = MoneyValue(pieces.oilValue, currencySymbol_, locale_);
    const bool valueRead = pieces.oilValue.isEmpty() || value;
    if (!date || !oilA || !oilB || !valueRead) {
        history_.skippedHistory.push_back(historyLine_);
        ++history_.skippedHistoryLines;
        return;
    }
    SavedReading reading;
    reading.date = *date;
    reading.line = historyLine_;
    reading.first = first;
    reading.depthA = OptionalNumber(pieces.depthA, locale_);
    reading.depthB = OptionalNumber(pieces.depthB, locale_);
    reading.volumeA = volumeOf(tankA_, pieces.volumeA, reading.depthA);
    reading.volumeB = pieces.volumeB.isEmpty() ? 0 : volumeOf(tankB_, pieces.volumeB, reading.depthB);
    const bool gaugeA = !tankA_ || tankA_->read.tank.readsVolume || !reading.depthA;
    reading.readingA = gaugeA ? *oilA : *reading.depthA;
    const bool tankBUsed = !tankB_ || tankB_->read.described;
    const bool gaugeB = !tankB_ || tankB_->read.tank.readsVolume || !reading.depthB;
    if (tankBUsed && !pieces.volumeB.isEmpty())
        reading.readingB = gaugeB ? *oilB : *reading.depthB;
    // A value of nothing is no value: the log leaves the column blank then.
    if (value && *value != 0) reading.value = value;
    reading.centralHeating = pieces.centralHeating;
    reading.waterHeating = pieces.waterHeating;
    history_.readings.push_back(reading);
}

void SavedHistoryReader::addDeliveryLine(const QString& line) {
    ++deliveryLine_;
    if (isOwnNonDataLine(line)) return;
    const bool whole = WholeLine(line, {12, 23, 32, 43, 50, 60, 67, 72}, 76);
    const DeliveryPieces pieces = whole ? ReadDeliveryColumns(line) : DeliveryPieces{};
    const auto date = whole ? dateOf(pieces.date) : std::nullopt;
    const auto amount = date ? OptionalNumber(pieces.amount, locale_) : std::nullopt;
    if (!amount) {
        history_.skippedDelivery.push_back(deliveryLine_);
        ++history_.skippedDeliveryLines;
        return;
    }
    SavedDelivery delivery;
    delivery.date = *date;
    delivery.line = deliveryLine_;
    delivery.amount = *amount;
    delivery.price = MoneyValue(pieces.oilCost, currencySymbol_, locale_).value_or(0);
    delivery.charge = MoneyValue(pieces.charge, currencySymbol_, locale_).value_or(0);
    delivery.oilTaxRate = RateValue(pieces.oilVat, locale_);
    delivery.chargeTaxRate = RateValue(pieces.deliveryVat, locale_);
    delivery.cost = MoneyValue(pieces.total, currencySymbol_, locale_);
    delivery.centralHeating = pieces.centralHeating;
    delivery.waterHeating = pieces.waterHeating;
    history_.deliveries.push_back(delivery);
}

SavedHistory ReadSavedHistory(const Files& files, const QString& historyPath,
                              const QString& deliveryPath, const QLocale& locale) {
    SavedHistoryReader reader(locale);
    reader.expectBytes(files.fileExists(historyPath) ? files.fileSize(historyPath) : 0,
                       files.fileExists(deliveryPath) ? files.fileSize(deliveryPath) : 0);
    if (files.fileExists(historyPath))
        files.forEachLine(historyPath, [&](const QString& line) { reader.addHistoryLine(line); });
    if (files.fileExists(deliveryPath))
        files.forEachLine(deliveryPath, [&](const QString& line) { reader.addDeliveryLine(line); });
    return reader.take();
}

}  // namespace tw
