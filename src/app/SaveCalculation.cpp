#include "app/SaveCalculation.h"

#include "app/Program.h"
#include "app/LogFileChecks.h"

namespace tw {

void SaveCalculation(Program& p) {
    State& st = p.st;
    if (p.savingRefused("Tankwise Save Data Error")) return;
    if (!st.SaveError.isEmpty()) {
        // A pending date or delivery fault blocks the whole save, the report included.
        st.SaveError += "No history or delivery data saved\n";
        p.desktop.message("Tankwise Save Data Error", st.SaveError, Icon::Warning, Buttons::Ok);
        return;
    }
    const bool noHistory = p.main.checked(Ctl::NoHistory);
    if (noHistory &&
        p.say("Tankwise Save Data",
              {"No history data will be saved", "To save history results click",
               "Cancel, reset the No History ", "check box and click Save again"},
              Icon::Warning, Buttons::OkCancel) == Answer::Cancel) {
        p.setStatus("No Calculation Saved");
        return;
    }
    // One save, one message however many logs refuse the write.
    QStringList unwritten;
    bool whole = AppendReport(p, false, &unwritten);
    if (!noHistory) {
        whole = AppendHistory(p, &unwritten) && whole;
        whole = AppendDeliveries(p, &unwritten) && whole;
    }
    ReportUnwrittenLogs(p, unwritten);
    // Records that could not be written stay pending for the next Save.
    if (!whole) return;
    p.main.setEnabled(Ctl::Save, false);
    st.FieldsTyped = false;
    p.setStatus("Calculation Saved");
    // The restored oil value and deliveries belong to this one saved calculation.
    st.OilValue.clear();
    st.RetrievedDelivery1.clear();
    st.RetrievedDelivery2.clear();
}

void SaveClick(Program& p) {
    if (p.main.enabled(Ctl::Save)) SaveCalculation(p);
}

}  // namespace tw
