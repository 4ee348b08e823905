#include "logs/HistoryLog.h"

#include <cmath>

#include "app/FatalDump.h"
#include "app/FolderChecks.h"
#include "app/Program.h"
#include "platform/TankControls.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"
#include "calc/TankVolume.h"
#include "logs/LogColumns.h"
#include "logs/LogFiles.h"
#include "logs/TankLines.h"

namespace tw {

namespace {

// A field's number read as the calculation reads it: plain number text, or the
// user's own separators once the field has been normalised.
double FieldNumber(Program& p, Ctl c) { return ShownValue(p.main.text(c), p.desktop.locale()); }

// A display pattern applied to a field text; an empty text stays empty.
QString Pattern(Program& p, Ctl c, int decimals) {
    if (p.main.text(c).isEmpty()) return {};
    return FixedNumber(FieldNumber(p, c), decimals, p.desktop.locale());
}

QString VolumeColumn(Program& p, const TankControls& tank, Ctl reading) {
    if (p.main.checked(tank.readsVolume)) return Pattern(p, reading, 0);
    const double oilDepth = FieldNumber(p, reading) - FieldNumber(p, tank.offset);
    const float volume = TankVolume(0, p.main.text(tank.capacity), p.main.text(tank.depth),
                                    GeneralNumber(oilDepth), p.main.index(tank.shape),
                                    p.desktop.locale());
    return FixedNumber(std::trunc(double(volume)), 0, p.desktop.locale());
}

QString DepthColumn(Program& p, const TankControls& tank, Ctl reading) {
    if (!p.main.checked(tank.readsVolume)) return Pattern(p, reading, 1);
    const double depth = FieldNumber(p, tank.depth);
    if (depth == 0) return {};
    const float oilDepth = DepthForVolume(float(FieldNumber(p, tank.capacity)), float(depth),
                                          float(FieldNumber(p, reading)), p.main.index(tank.shape));
    const double shown = std::nearbyint(double(oilDepth) * 100) / 100 + FieldNumber(p, tank.offset);
    return FixedNumber(shown, 1, p.desktop.locale());
}

QString TankBDepthColumn(Program& p, Ctl reading) {
    if (p.main.text(Ctl::TankBCap).isEmpty()) return {};
    if (FieldNumber(p, Ctl::TBRead1) == 0 && FieldNumber(p, Ctl::TBRead2) == 0) return {};
    return DepthColumn(p, kTankB, reading);
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

HistoryRow ReadingRow(Program& p, int reading) {
    const bool second = reading == 2;
    const Ctl readA = second ? kTankA.reading2 : kTankA.reading1;
    const Ctl readB = second ? kTankB.reading2 : kTankB.reading1;
    HistoryRow row;
    row.date = LogDate(p.main.text(second ? Ctl::Date2 : Ctl::Date1), p.desktop.locale());
    row.volumeA = VolumeColumn(p, kTankA, readA);
    row.volumeB = VolumeColumn(p, kTankB, readB);
    row.depthA = DepthColumn(p, kTankA, readA);
    row.depthB = TankBDepthColumn(p, readB);
    if (second) {
        row.oilValue = OilValueColumn(p.st.RemainingOilValue, p.desktop.locale());
        row.centralHeating = p.main.checked(Ctl::CHeat2);
        row.waterHeating = p.main.checked(Ctl::WHeat2);
    }
    return row;
}

// Two line breaks, the tank lines, an empty line and the column lines; the last
// line stays open for the save's own line end.
void WriteHistoryHeader(Program& p) {
    p.st.HistoryLine += "\r\n\r\n" + TankLine(p, false) + "\r\n" + TankLine(p, true) + "\r\n\r\n" +
                        HistoryColumnLines(p.st.TaxWord).join("\r\n");
}

}  // namespace

QString CurrentTankSignature(Program& p) {
    const MainModel& m = p.main;
    return QString::number(m.state(Ctl::TankAU)) + QString::number(m.state(Ctl::TankBU)) +
           m.text(Ctl::TankACap) + m.text(Ctl::TankAD) + m.itemText(Ctl::TankAS) +
           m.text(Ctl::TankBCap) + m.text(Ctl::TankBD) + m.itemText(Ctl::TankBS) +
           GeneralNumber(double(p.st.TUnitsA)) + GeneralNumber(double(p.st.TUnitsB));
}

void BuildHistoryLine(Program& p) {
    State& st = p.st;
    Trapped(p, "Generate History Log Error", [&] {
        p.step(211);
        st.HistoryLine.clear();
        int dataLines = 0;  // since the last column header
        bool headerSeen = false;
        QString lastLine;
        CheckDirectory(p, "Log");
        if (!CheckLogFile(p, LogKind::History)) {
            const LineDateCheck& dates = LineDateCheck::of(p.desktop.locale());
            const bool read = ReadLogOrWarn(
                p, LogKind::History, "Unable to read from log file " + st.HistoryLogName + ".",
                [&] {
                    // Back to the last column header only: the data lines since it
                    // decide the next header, and the last line holds the last date.
                    bool first = true;
                    p.files.forEachLineBackwards(
                        LogPath(p, LogKind::History), [&](const QString& line) {
                            if (first) lastLine = line;
                            first = false;
                            if (IsColumnHeader(line)) {
                                st.TankSetupChanged = false;
                                headerSeen = true;
                                return false;
                            }
                            if (IsHistoryDataLine(line, dates)) ++dataLines;
                            return true;
                        });
                });
            if (!read) return;
        }

        p.step(212);
        const QLocale locale = p.desktop.locale();
        const auto date2 = ParseDate(p.main.text(Ctl::Date2), locale);
        if (!date2) return;
        const HistoryRow first = ReadingRow(p, 1);
        const HistoryRow second = ReadingRow(p, 2);

        p.step(213);
        const auto lastDate = LineDate(lastLine, locale);
        if (lastDate && !p.main.checked(Ctl::NoHistory) && DaysBetween(*date2, *lastDate) >= 0)
            st.SaveError +=
                "Tank Reading Date 2 must be later than the last Tank Reading date saved\n";

        // The setup is remembered when the line is composed, not when it is saved.
        const QString signature = CurrentTankSignature(p);
        if (st.SaveError.isEmpty() && signature != st.TankSignature) {
            st.TankSignature = signature;
            st.TankSetupChanged = true;
        }

        // A header is only ever saved together with the data lines below it.
        const bool firstReadingNeeded = dataLines == 0 && !headerSeen;
        const bool fortiethLine = dataLines % 40 == 0 && dataLines > 35;
        if (firstReadingNeeded || st.TankSetupChanged || fortiethLine) WriteHistoryHeader(p);

        if (!st.SaveError.isEmpty()) return;
        if (firstReadingNeeded) {
            if (!st.HistoryLine.isEmpty()) st.HistoryLine += "\r\n";
            st.HistoryLine += FirstReadingLine(first);
        }
        if (!st.HistoryLine.isEmpty()) st.HistoryLine += "\r\n";
        st.HistoryLine += HistoryDataLine(second);
    });
}

}  // namespace tw
