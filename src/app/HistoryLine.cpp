#include "app/HistoryLine.h"

#include <QCoreApplication>

#include "app/FatalDump.h"
#include "app/FolderChecks.h"
#include "app/LogFileChecks.h"
#include "app/Program.h"
#include "app/StartingReading.h"
#include "app/TankSetup.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"
#include "logs/HistoryLog.h"
#include "platform/TankControls.h"

namespace tw {

namespace {

HistoryTank HistoryTankOf(Program& p, const TankControls& tank) {
    const MainModel& m = p.main;
    HistoryTank t;
    t.capacity = m.text(tank.capacity);
    t.depth = m.text(tank.depth);
    t.offset = m.text(tank.offset);
    t.reading1 = m.text(tank.reading1);
    t.reading2 = m.text(tank.reading2);
    t.shape = m.index(tank.shape);
    t.readsVolume = m.checked(tank.readsVolume);
    return t;
}

HistoryReadings HistoryReadingsOf(Program& p) {
    HistoryReadings r;
    r.date1 = p.main.text(Ctl::Date1);
    r.date2 = p.main.text(Ctl::Date2);
    r.tankA = HistoryTankOf(p, kTankA);
    r.tankB = HistoryTankOf(p, kTankB);
    r.remainingOilValue = p.st.RemainingOilValue;
    const QLocale locale = p.desktop.locale();
    const double opening = ShownValue(p.st.OilValue, locale);
    if (opening > 0) r.openingOilValue = CurrencyText(opening, locale);
    r.centralHeating = p.main.checked(Ctl::CHeat2);
    r.waterHeating = p.main.checked(Ctl::WHeat2);
    return r;
}

}  // namespace

void BuildHistoryLine(Program& p) {
    State& st = p.st;
    Trapped(p, "Generate History Log Error", [&] {
        p.step(211);
        st.HistoryLine.clear();
        HistoryLogEnd logEnd;
        CheckDirectory(p, "Log");
        if (!CheckLogFile(p, LogKind::History)) {
            const bool read = ReadLogOrWarn(
                p, LogKind::History,
                QCoreApplication::translate("Messages", "Unable to read from log file %1.").arg(LogFullPath(p, LogKind::History)),
                [&] {
                    logEnd = ScanHistoryLog(p.files, LogPath(p, LogKind::History),
                                            p.desktop.locale());
                });
            if (!read) return;
        }

        p.step(212);
        const QLocale locale = p.desktop.locale();
        const auto date2 = ParseDate(p.main.text(Ctl::Date2), locale);
        const bool starting = !date2 && IsStartingReading(p);
        if (!date2 && !starting) return;
        HistoryLineInput in;
        in.readings = HistoryReadingsOf(p);
        if (date2) in.date2 = *date2;

        p.step(213);
        in.logEnd = logEnd;
        in.checkDate = !p.main.checked(Ctl::NoHistory);
        in.saveError = st.SaveError;
        in.tankLineA = TankLineOf(p, false);
        in.tankLineB = TankLineOf(p, true);
        in.taxWord = st.TaxWord;
        const HistoryLineResult out =
            starting ? ComposeStartingReading(in, locale) : ComposeHistoryLine(in, locale);
        st.HistoryLine = out.text;
        st.SaveError = out.saveError;
    });
}

}  // namespace tw
