#include "app/Startup.h"

#include "app/FatalDump.h"
#include "app/FolderChecks.h"
#include "app/Program.h"
#include "platform/Version.h"
#include "app/RefreshCurrency.h"
#include "calc/Formats.h"
#include "app/Units.h"
#include "app/ReadConfiguration.h"
#include "app/GetLast.h"
#include "app/LogFileChecks.h"
#include "app/UpdateWindow.h"

namespace tw {

int InhibitModeFor(const QString& arguments) {
    int mode = 0;
    if (arguments == "-InhibitErrorCheck") mode = 1;
    if (arguments == "-InhibitCombCheck") mode = 2;
    if (arguments.startsWith("-ShortUpdateTime")) mode = 5;
    if (arguments.startsWith("-InhibitUpdate")) mode = 6;
    return mode;
}

QString NowStamp(Program& p) {
    return TimeStamp(p.desktop.now(), p.desktop.locale());
}

void LoadMainWindow(Program& p, const QString& arguments) {
    Trapped(p, "Loading Error", [&] {
        p.step(151);
        CheckDirectory(p, "Data");
        CheckDirectory(p, "Help");
        p.main.setCaption("Tankwise");

        p.step(152);
        p.st.InhibitMode = InhibitModeFor(arguments);

        p.step(153);
        p.st.StartupComplete = false;
        RefreshCurrency(p, false, false);
        ReadConfiguration(p);

        p.step(154);
        p.st.ResultsLogName = "Tankwise.log";
        p.st.HistoryLogName = "Tankwise_H.log";
        p.st.DeliveryLogName = "Tankwise_D.log";
        // A run that may write nothing only reads the logs that are there.
        if (p.st.SavingRefused.isEmpty()) CreateLogFiles(p);

        p.step(155);
        p.st.ReportText = "Tankwise Started\r\nVersion " + VersionText() + "\r\n" + NowStamp(p) +
                          "\r\n\r\n";
        if (p.st.SavingRefused.isEmpty()) AppendReport(p, true);
        ApplyUnits(p);
        p.st.StartupComplete = true;
        const int mode = p.st.InhibitMode;
        if (p.st.UpEnable == 2.0f && (mode == 0 || mode == 5)) {
            p.st.ManualUpdateCheck = false;
            StartAutomaticUpdateCheck(p);
        }
    });
}

void ActivateMainWindow(Program& p) {
    if (p.main.checked(Ctl::OnTop)) p.desktop.setTopmost(WindowId::Main, true);
    // Coming back to the window never throws away typing or a result not yet saved.
    const bool resultWaiting = p.main.enabled(Ctl::Save) && !p.st.LastInputFingerprint.isEmpty();
    if (p.st.FieldsTyped || resultWaiting) return;
    p.main.setEnabled(Ctl::Save, false);
    GetLastClick(p);
}

}  // namespace tw
