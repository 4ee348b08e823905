#include "app/SaveCalculation.h"

#include <QCoreApplication>

#include "app/DeliveryLines.h"
#include "app/FolderChecks.h"
#include "app/ForecastRun.h"
#include "app/HistoryLine.h"
#include "app/LogFileChecks.h"
#include "app/Program.h"
#include "app/Startup.h"
#include "platform/Files.h"

namespace tw {

namespace {

// A log deleted since the calculation is started again with its creation block,
// and the calculation's lines for it are composed anew against the fresh log (a
// header block and, for the history, the first reading), so that no record of the
// save goes missing. Where it cannot be created, the append reports the failure.
void RecreateMissingLogs(Program& p, bool withHistory) {
    const LogPaths paths = LogPathsOf(p);
    const bool historyMissing = withHistory && !p.files.fileExists(paths.history);
    const bool deliveryMissing = withHistory && !p.files.fileExists(paths.delivery);
    if (!historyMissing && !deliveryMissing && p.files.fileExists(paths.results)) return;
    CheckDirectory(p, "Log");
    if (!CreateMissingLogs(p.files, paths, NowStamp(p))) return;
    if (historyMissing) BuildHistoryLine(p);
    if (deliveryMissing) BuildDeliveryLines(p);
}

}  // namespace

void SaveCalculation(Program& p) {
    State& st = p.st;
    const QString refused = QCoreApplication::translate("Messages", "Tankwise Save Data Error");
    if (p.savingRefused(refused)) return;
    if (!st.SaveError.isEmpty()) {
        // A pending date or delivery fault blocks the whole save, the report included.
        st.SaveError += QCoreApplication::translate("Messages", "No history or delivery data saved") + '\n';
        p.desktop.message(refused, st.SaveError, Icon::Warning, Buttons::Ok);
        return;
    }
    const bool noHistory = p.main.checked(Ctl::NoHistory);
    if (noHistory &&
        p.say(QCoreApplication::translate("Messages", "Tankwise Save Data"),
              QCoreApplication::translate("Messages",
                                          "No history data will be saved\nTo save history results click\n"
                                          "Cancel, reset the No History \ncheck box and click Save again")
                  .split('\n'),
              Icon::Warning, Buttons::OkCancel) == Answer::Cancel) {

        p.setStatus(QCoreApplication::translate("MainWindow", "No Calculation Saved"));
        return;
    }
    RecreateMissingLogs(p, !noHistory);
    // One save, one message however many logs refuse the write.
    QStringList unwritten;
    bool whole = AppendReport(p, false, &unwritten);
    if (!noHistory) {
        whole = AppendHistory(p, &unwritten) && whole;
        whole = AppendDeliveries(p, &unwritten) && whole;
    }
    ReportUnwrittenLogs(p, unwritten);
    // Records that could not be written stay pending for the next Save, which
    // stays enabled: the calculation is not saved until every record is in its log.
    if (!whole) {
        p.setStatus(QCoreApplication::translate("MainWindow", "Calculation Not Saved"));
        return;
    }
    p.main.setEnabled(Ctl::Save, false);
    st.FieldsTyped = false;
    p.setStatus(QCoreApplication::translate("MainWindow", "Calculation Saved"));
    // The restored oil value and deliveries belong to this one saved calculation.
    st.OilValue.clear();
    st.RetrievedDelivery1.clear();
    st.RetrievedDelivery2.clear();
    // The forecast follows the saved logs.
    ShowOrderBy(p);
}

void SaveClick(Program& p) {
    if (p.main.enabled(Ctl::Save)) SaveCalculation(p);
}

}  // namespace tw
