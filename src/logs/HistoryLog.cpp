#include "logs/HistoryLog.h"

#include <QCoreApplication>

#include <cmath>

#include "calc/Fields.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"
#include "calc/TankVolume.h"
#include "platform/Files.h"

namespace tw {

namespace {

// A field's number read as the calculation reads it: plain number text, or the
// user's own separators once the field has been normalised.
double FieldNumber(const QString& text, const QLocale& locale) { return ShownValue(text, locale); }

// A display pattern applied to a field text; an empty text stays empty.
QString Pattern(const QString& text, int decimals, const QLocale& locale) {
    if (text.isEmpty()) return {};
    return FixedNumber(FieldNumber(text, locale), decimals, locale);
}

QString VolumeColumn(const HistoryTank& tank, const QString& reading, const QLocale& locale) {
    if (tank.readsVolume) return Pattern(reading, 0, locale);
    const double oilDepth = FieldNumber(reading, locale) - FieldNumber(tank.offset, locale);
    const float volume = TankVolume(0, tank.capacity, tank.depth, GeneralNumber(oilDepth),
                                    tank.shape, locale);
    // Rounded as the report rounds the oil left, so both show the same litres.
    return FixedNumber(double(volume), 0, locale);
}

QString DepthColumn(const HistoryTank& tank, const QString& reading, const QLocale& locale) {
    if (!tank.readsVolume) return Pattern(reading, 1, locale);
    const double depth = FieldNumber(tank.depth, locale);
    if (depth == 0) return {};
    const float oilDepth = DepthForVolume(float(FieldNumber(tank.capacity, locale)), float(depth),
                                          float(FieldNumber(reading, locale)), tank.shape);
    const double shown =
        std::nearbyint(double(oilDepth) * 100) / 100 + FieldNumber(tank.offset, locale);
    return FixedNumber(shown, 1, locale);
}

QString TankBDepthColumn(const HistoryTank& tank, const QString& reading, const QLocale& locale) {
    if (tank.capacity.isEmpty()) return {};
    if (FieldNumber(tank.reading1, locale) == 0 && FieldNumber(tank.reading2, locale) == 0)
        return {};
    return DepthColumn(tank, reading, locale);
}

// The value of the oil left, carried to the next calculation by Get Last. Oil worth
// nothing shows no value; nor does a negative amount, which only arises when the
// oil at the first reading had no known value, and which would price the next
// period wrongly if it were carried on.
QString OilValueColumn(const QString& value, const QLocale& locale) {
    if (value == CurrencyText(0, locale)) return {};
    if (value.contains(QLatin1Char('-')) || value.contains(QLatin1Char('('))) return {};
    return FitCurrency(value, 9, locale);
}

// Two line breaks, the tank lines, an empty line and the column lines; the last
// line stays open for the save's own line end.
QString HistoryHeader(const HistoryLineInput& in) {
    return "\r\n\r\n" + in.tankLineA + "\r\n" + in.tankLineB + "\r\n\r\n" +
           HistoryColumnLines(in.taxWord).join("\r\n");
}

}  // namespace

HistoryRow ReadingRow(const HistoryReadings& readings, int reading, const QLocale& locale) {
    const bool second = reading == 2;
    const HistoryTank& a = readings.tankA;
    const HistoryTank& b = readings.tankB;
    const QString& readA = second ? a.reading2 : a.reading1;
    const QString& readB = second ? b.reading2 : b.reading1;
    HistoryRow row;
    row.date = LogDate(second ? readings.date2 : readings.date1, locale);
    row.volumeA = VolumeColumn(a, readA, locale);
    row.volumeB = VolumeColumn(b, readB, locale);
    row.depthA = DepthColumn(a, readA, locale);
    row.depthB = TankBDepthColumn(b, readB, locale);
    if (second) {
        row.oilValue = OilValueColumn(readings.remainingOilValue, locale);
        row.centralHeating = readings.centralHeating;
        row.waterHeating = readings.waterHeating;
    } else if (!readings.openingOilValue.isEmpty()) {
        row.oilValue = OilValueColumn(readings.openingOilValue, locale);
    }
    return row;
}

HistoryLogEnd ScanHistoryLog(const Files& files, const QString& path, const QLocale& locale) {
    const LineDateCheck& dates = LineDateCheck::of(locale);
    HistoryLogEnd end;
    // Back to the tank lines of the last header block only: the data lines since it
    // decide the next header, and the last line holds the last date.
    bool first = true;
    files.forEachLineBackwards(path, [&](const QString& line) {
        if (first) end.lastLine = line;
        first = false;
        if (end.headerSeen) {
            if (line.startsWith(QLatin1String("Tank B: "))) end.tankLineB = line;
            if (line.startsWith(QLatin1String("Tank A: "))) {
                end.tankLineA = line;
                return false;
            }
            // A block without tank lines ends at the data lines before it.
            return !IsHistoryDataLine(line, dates);
        }
        if (IsColumnHeader(line)) end.headerSeen = true;
        else if (IsHistoryDataLine(line, dates)) ++end.dataLines;
        return true;
    });
    return end;
}

namespace {

bool Near(const QString& a, const QString& b, double tolerance, const QLocale& locale) {
    if (a.isEmpty() || b.isEmpty()) return a.isEmpty() == b.isEmpty();
    const auto x = LocaleNumber(a, locale), y = LocaleNumber(b, locale);
    return x && y && std::abs(*x - *y) < tolerance;
}

// Reading 1 is not the log's last reading: typed over after Get Last (a second dip
// that day), or a later first date. The save then records it too, so that every
// view of the past starts the period where the calculation did. An earlier date
// cannot stand after the log's last line and is left as it was.
bool ReadingOneDiffers(const HistoryLineInput& in, const QDate& lastDate, const QLocale& locale) {
    const auto date1 = ParseDate(in.readings.date1, locale);
    if (!date1 || *date1 < lastDate) return false;
    if (*date1 > lastDate) return true;
    const HistoryRow one = ReadingRow(in.readings, 1, locale);
    const HistoryPieces last = ReadHistoryColumns(in.logEnd.lastLine);
    // A dipstick tank by its depth (older logs cut the volume the depth gives where
    // they now round it), a gauge by its volume.
    auto same = [&](const QString& depth1, const QString& depth2, const QString& volume1,
                    const QString& volume2) {
        if (!depth1.isEmpty() && !depth2.isEmpty()) return Near(depth1, depth2, 0.05, locale);
        return Near(volume1, volume2, 0.5, locale);
    };
    return !same(one.depthA, last.depthA, one.volumeA, last.volumeA) ||
           !same(one.depthB, last.depthB, one.volumeB, last.volumeB);
}

}  // namespace

HistoryLineResult ComposeHistoryLine(const HistoryLineInput& in, const QLocale& locale) {
    HistoryLineResult out;
    out.saveError = in.saveError;

    const auto lastDate = LineDate(in.logEnd.lastLine, locale);
    if (lastDate && in.checkDate && DaysBetween(in.date2, *lastDate) >= 0)
        out.saveError += QCoreApplication::translate(
                             "Messages", "Tank Reading Date 2 must be later than the last Tank Reading date saved") +
                         '\n';

    // The log itself says which tanks its last lines were saved with, whatever was
    // calculated or restarted since. A header is only ever saved together with the
    // data lines below it.
    const int dataLines = in.logEnd.dataLines;
    const bool firstReadingNeeded =
        (dataLines == 0 && !in.logEnd.headerSeen) ||
        (lastDate && ReadingOneDiffers(in, *lastDate, locale));
    const bool setupChanged =
        in.logEnd.tankLineA != in.tankLineA || in.logEnd.tankLineB != in.tankLineB;
    const bool fortiethLine = dataLines % 40 == 0 && dataLines > 35;
    if ((dataLines == 0 && !in.logEnd.headerSeen) || setupChanged || fortiethLine)
        out.text = HistoryHeader(in);

    if (!out.saveError.isEmpty()) return out;
    if (firstReadingNeeded) {
        if (!out.text.isEmpty()) out.text += "\r\n";
        out.text += FirstReadingLine(ReadingRow(in.readings, 1, locale));
    }
    if (!out.text.isEmpty()) out.text += "\r\n";
    out.text += HistoryDataLine(ReadingRow(in.readings, 2, locale));
    return out;
}

HistoryLineResult ComposeStartingReading(const HistoryLineInput& in, const QLocale& locale) {
    HistoryLineResult out;
    out.saveError = in.saveError;
    if (in.logEnd.dataLines > 0 || LineDate(in.logEnd.lastLine, locale))
        out.saveError += QCoreApplication::translate("Messages", "Tank Reading Date 2 must be set") + '\n';

    if (!out.saveError.isEmpty()) return out;
    out.text = HistoryHeader(in) + "\r\n" + FirstReadingLine(ReadingRow(in.readings, 1, locale));
    return out;
}

}  // namespace tw
