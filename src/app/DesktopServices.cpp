#include "app/DesktopServices.h"

#include <QCoreApplication>

#include "app/FolderChecks.h"
#include "app/Program.h"
#include "platform/ProgramEnded.h"

namespace tw {

namespace {

const QString kHelpFile = "Help/index.htm";

// The help page in the windows' language; the English one where that is missing.
QString HelpFileFor(const Program& p) {
    const QString own = "Help/" + p.st.WindowLanguage + "/index.htm";
    return p.st.WindowLanguage != QLatin1String("en") && p.files.fileExists(own) ? own : kHelpFile;
}

void BrowserFailed(Program& p) {
    p.say(QCoreApplication::translate("Messages", "Tankwise Error"),
          {QCoreApplication::translate("Messages", "Unable to launch Browser.")}, Icon::None);
}

}  // namespace

void OpenWebPage(Program& p, WindowId, const QString& pagePath) {
    bool launched = false;
    try {
        launched = p.desktop.openUrl(p.siteBase + pagePath);
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception& e) {
        // The desktop carries no error numbers of its own; 0 marks "not numbered".
        p.say(QCoreApplication::translate("Messages", "Tankwise Error"),
              QCoreApplication::translate("Messages", "A program error has occured\nError Number: 0\nError description: %1")
                  .arg(QString::fromLocal8Bit(e.what()))
                  .split('\n'),
              Icon::None);
        return;
    }
    if (!launched) BrowserFailed(p);
}

void HelpClick(Program& p) {
    CheckDirectory(p, "Help");
    bool launched = false;
    try {
        if (!p.files.fileExists(kHelpFile)) {
            // The text ends with a line break, as the message has always shown it.
            p.say(QCoreApplication::translate("Messages", "Tankwise Help File Error"),
                  QCoreApplication::translate("Messages", "The help file is either missing or\n"
                                                          "corrupted. Reinstall the program\nto correct the error.")
                          .split('\n')
                      << QString(),
                  Icon::Warning);
            return;
        }
        launched = p.desktop.openFile(HelpFileFor(p));
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception&) {
        p.say(QCoreApplication::translate("Messages", "Tankwise Help File Error"),
              {QCoreApplication::translate("Messages", "Unable to opem the help file."),
               QCoreApplication::translate("Messages", "This may be a permissions problem.")},
              Icon::Warning);

        return;
    }
    if (!launched) BrowserFailed(p);
}

void LogoClick(Program& p) { OpenWebPage(p, WindowId::Main, QString()); }

void OnTopClick(Program& p) {
    const bool on = p.main.checked(Ctl::OnTop);
    // Only the stored value changes here; Save Data writes it to the file.
    p.st.RunOnTop = on ? 2.0f : 1.0f;
    p.desktop.setTopmost(WindowId::Main, on);
}

void AutoSaveClick(Program& p) {
    // A ticked box saves every calculation at once, so nothing waits for Save.
    if (p.main.checked(Ctl::AutoSave)) p.main.setEnabled(Ctl::Save, false);
}

}  // namespace tw
