#include "app/DeliveryLines.h"

#include <QCoreApplication>

#include "app/FatalDump.h"
#include "app/FolderChecks.h"
#include "app/LogFileChecks.h"
#include "app/Program.h"
#include "logs/DeliveryLog.h"

namespace tw {

namespace {

DeliveryInput DeliveryInputOf(Program& p) {
    const MainModel& m = p.main;
    const State& st = p.st;
    DeliveryInput in;
    in.first = {m.text(Ctl::Date3),  m.text(Ctl::LAdd1), m.text(Ctl::OCost1),
                m.text(Ctl::DCharge1), st.Delivery1Cost, st.RetrievedDelivery1, 1};
    in.second = {m.text(Ctl::Date4),  m.text(Ctl::LAdd2), m.text(Ctl::OCost2),
                 m.text(Ctl::DCharge2), st.Delivery2Cost, st.RetrievedDelivery2, 2};
    in.vatRate = m.text(Ctl::VRate);
    in.deliveryVatRate = m.text(Ctl::DVRate);
    in.centralHeating = m.checked(Ctl::CHeat2);
    in.waterHeating = m.checked(Ctl::WHeat2);
    return in;
}

}  // namespace

void BuildDeliveryLines(Program& p) {
    State& st = p.st;
    // Lines of an earlier calculation must never be saved with this one.
    st.DeliveryLine1.clear();
    st.DeliveryLine2.clear();
    DeliveryInput in;
    DeliveryLogEnd logEnd;
    const bool read = ReadLogOrWarn(
        p, LogKind::Delivery,
        QCoreApplication::translate("Messages", "Unable to read from the log file %1.").arg(LogFullPath(p, LogKind::Delivery)), [&] {
            p.step(251);
            in = DeliveryInputOf(p);
            CheckDirectory(p, "Log");
            if (CheckLogFile(p, LogKind::Delivery)) return;
            logEnd = ScanDeliveryLog(p.files, LogPath(p, LogKind::Delivery), p.desktop.locale());
        });
    if (!read) return;

    Trapped(p, "Generate Delivery Log Error", [&] {
        p.step(252);
        const QLocale locale = p.desktop.locale();
        if (!p.main.checked(Ctl::NoHistory))
            st.SaveError += DeliveryFaults(in, logEnd, st.CurrencySymbol, locale);

        p.step(253);
        const DeliveryLines lines =
            ComposeDeliveryLines(in, logEnd, st.TaxWord, !st.SaveError.isEmpty(), locale);
        st.DeliveryLine1 = lines.line1;
        st.DeliveryLine2 = lines.line2;
    });
}

}  // namespace tw
