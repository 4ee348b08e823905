#include "app/ResetData.h"

#include <QCoreApplication>

#include "app/Clearing.h"
#include "app/Program.h"
#include "app/RefreshCurrency.h"
#include "app/ReadConfiguration.h"

namespace tw {

void ResetDefaultsClick(Program& p) {
    // No trap of its own: the reader and the clearing operations handle their failures.
    ReadConfiguration(p);
    RefreshCurrency(p, true, true);
    ClearActualResults(p);
    ClearPredictedResults(p);
    p.st.InputFingerprint.clear();
    p.st.LastInputFingerprint.clear();
    p.main.setEnabled(Ctl::Save, false);
    p.setStatus(QCoreApplication::translate("MainWindow", "Data Restored"));
}

}  // namespace tw
