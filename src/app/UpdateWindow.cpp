#include "app/UpdateWindow.h"

#include <QCoreApplication>

#include "app/DesktopServices.h"
#include "platform/Files.h"
#include "app/FolderChecks.h"
#include "app/Program.h"
#include "platform/ProgramEnded.h"
#include "platform/Version.h"
#include "app/UpdaterLogging.h"

namespace tw {

namespace {
const ControlDesign kUpdateDesigns[] = {
#define TW_DESIGN(name, kind, text, tip) {#name, Kind::kind, text, tip},
    TW_UPDATE_CONTROLS(TW_DESIGN)
#undef TW_DESIGN
};

constexpr int kTickLimit = 1201;
constexpr int kShortTickLimit = 31;
constexpr int kDownloadTick = 2;
// A web site that has not answered after 30 seconds is given up on.
constexpr int kSilenceLimit = 301;
constexpr int kShortUpdateMode = 5;

const UpdateCtl kPageButtons[] = {UpdateCtl::Download, UpdateCtl::History, UpdateCtl::KIssues,
                                  UpdateCtl::WebSite};

// A freshly loaded window looks as it was designed: empty texts, page buttons off.
void ResetControls(UpdateModel& m) {
    m.setText(UpdateCtl::Status, QString());
    m.setText(UpdateCtl::UVersion, QString());
    m.setText(UpdateCtl::Message, QString());
    for (const UpdateCtl button : kPageButtons) m.setEnabled(button, false);
}

// Signals arrive from the event loop, which must not see the end of the program
// as an exception: the program has already marked itself ended.
template <class Handler>
void Deliver(Program& p, Handler handler) {
    if (p.ended()) return;
    try {
        handler(p);
    } catch (const ProgramEnded&) {
    }
}

void Wire(Program& p) {
    UpdateWindow& w = *p.update;
    if (w.wired) return;
    w.wired = true;
    QObject::connect(&w.urlGet1, &UrlGet::DownloadProgress,
                     [&p](int) { Deliver(p, UpdateDownloadProgress); });
    QObject::connect(&w.urlGet1, &UrlGet::DownloadComplete,
                     [&p](int) { Deliver(p, UpdateDownloadComplete); });
    QObject::connect(&w.urlGet1, &UrlGet::DownloadFailed,
                     [&p](int, const QString&) { Deliver(p, UpdateDownloadFailed); });
}

void LoadUpdateWindow(Program& p, bool shown) {
    UpdateWindow& w = *p.update;
    Wire(p);
    ResetControls(w.model);
    w.model.setOpen(true, false);
    p.main.setEnabled(Ctl::Update, false);
    CheckDirectory(p, "log");
    CreateUpdaterLog(p);

    w.localVersion = p.st.InhibitMode == kShortUpdateMode ? QStringLiteral("0.9") : VersionText();
    w.localMinor = QStringLiteral("0.0");
    w.requestAddress = UpdateRequestAddress(p.siteBase, w.localVersion, w.localMinor);
    WriteUpdaterLog(p, UpdaterStamp(p) + "\r\n\r\nWeb URL\r\n-------\r\n" + w.requestAddress +
                           "\r\n\r\n\r\n");

    const QString program = QString::fromLatin1(kProgramName);
    w.model.setCaption(QCoreApplication::translate("UpdateWindow", "%1 Update Check").arg(program));
    w.model.setText(UpdateCtl::Status, QCoreApplication::translate("UpdateWindow", "Please Wait - Checking for the latest version"));
    w.model.setText(UpdateCtl::UVersion, QCoreApplication::translate("UpdateWindow", "%1 Version %2").arg(program, VersionText()));
    w.model.setTooltip(UpdateCtl::Exit, QCoreApplication::translate("UpdateWindow", "Close %1 update check").arg(program));
    w.model.setTooltip(UpdateCtl::WebSite, QCoreApplication::translate("UpdateWindow", "%1 website").arg(program));
    w.model.setTooltip(UpdateCtl::KIssues, QCoreApplication::translate("UpdateWindow", "%1 known issues").arg(program));
    w.model.setTooltip(UpdateCtl::History, QCoreApplication::translate("UpdateWindow", "%1 change history").arg(program));
    w.model.setTooltip(UpdateCtl::Download, QCoreApplication::translate("UpdateWindow", "Download the latest version of %1").arg(program));


    WriteUpdaterLog(p, UpdaterStamp(p) + "\r\nUpdate Check\r\n\r\nProgram Data\r\n------------\r\n" +
                           "Control Mode :  " + QString::number(p.st.InhibitMode) + "\r\n" +
                           "Program Name :  " + program + "\r\n" +
                           "Major Version:  " + w.localVersion + "\r\n" +
                           "Minor Version:  " + w.localMinor + "\r\n\r\n");

    // Each check starts from nothing: no value of an earlier reply is carried over.
    w.reply = UpdateReply();
    w.missingTags = 0;
    w.answered = false;
    w.ticks = 0;
    w.timer1.start(p.desktop.ticks());
    if (shown) w.model.setOpen(true, true);
}

// Only spaces are trimmed: the log shows the reply's own line ends.
QString TrimSpaces(const QString& text) {
    qsizetype from = 0, to = text.size();
    while (from < to && text.at(from) == ' ') ++from;
    while (to > from && text.at(to - 1) == ' ') --to;
    return text.mid(from, to - from);
}

void ReadReply(Program& p, const QString& text) {
    UpdateWindow& w = *p.update;
    WriteUpdaterLog(p, UpdaterStamp(p) + "\r\n");
    WriteUpdaterLog(p, "Web Page xml\r\n------------");
    WriteUpdaterLog(p, TrimSpaces(text) + "\r\n");

    w.reply = ParseUpdateReply(text);
    w.missingTags = w.reply.missing;

    const UpdateReply& r = w.reply;
    WriteUpdaterLog(p, "Web Page Data\r\n-------------\r\n"
                       "Program Name :  " + r.Name + "\r\n" +
                       "Major Version:  " + r.Version1 + "\r\n" +
                       "Minor Version:  " + r.Version2 + "\r\n" +
                       "Download url :  " + r.Download + "\r\n" +
                       "Known Issues :  " + r.KIssues + "\r\n" +
                       "History      :  " + r.History + "\r\n" +
                       "Home Page    :  " + r.Index + "\r\n" +
                       "Message      :  " + r.Message + "\r\n" +
                       "Uninstall    :  " + r.Uninstall + "\r\n" +
                       "Error Count  :  " + QString::number(w.missingTags) + "\r\n\r\n");
}

void ShowOutcome(UpdateModel& m, const UpdateOutcome& out) {
    m.setText(UpdateCtl::Status, out.status);
    m.setText(UpdateCtl::Message, out.message);
    if (out.website) m.setEnabled(UpdateCtl::WebSite, true);
    if (out.kissues) m.setEnabled(UpdateCtl::KIssues, true);
    if (out.history) m.setEnabled(UpdateCtl::History, true);
    if (out.download) m.setEnabled(UpdateCtl::Download, true);
}

void OpenReplyPage(Program& p, const QString& value) {
    // The button is only enabled for a usable path; the reply is not trusted twice.
    if (IsUsablePagePath(value)) OpenWebPage(p, WindowId::Update, value);
}

}  // namespace

UpdateModel::UpdateModel()
    : Window<UpdateCtl>("Update", kUpdateDesigns, static_cast<int>(std::size(kUpdateDesigns))) {
    for (const UpdateCtl button : kPageButtons) setEnabled(button, false);
}

UpdateWindow::UpdateWindow() { timer1.interval = 100; }

void UpdateClick(Program& p) {
    p.st.ManualUpdateCheck = true;
    if (p.update->model.open()) {
        // Already loaded by the automatic check: showing it is all that is left.
        p.update->model.setOpen(true, true);
        return;
    }
    LoadUpdateWindow(p, true);
}

void StartAutomaticUpdateCheck(Program& p) {
    if (p.update->model.open()) return;
    LoadUpdateWindow(p, false);
}

void UpdateEvent(Program& p, UpdateCtl control) {
    UpdateWindow& w = *p.update;
    if (!w.model.open()) return;
    switch (control) {
    case UpdateCtl::Download: return OpenReplyPage(p, w.reply.Download);
    case UpdateCtl::History: return OpenReplyPage(p, w.reply.History);
    case UpdateCtl::KIssues: return OpenReplyPage(p, w.reply.KIssues);
    case UpdateCtl::WebSite: return OpenReplyPage(p, w.reply.Index);
    case UpdateCtl::Logo: return OpenWebPage(p, WindowId::Update, QString());
    case UpdateCtl::Exit: return CloseUpdate(p);
    default: return;
    }
}

void UpdateTimerTick(Program& p) {
    UpdateWindow& w = *p.update;
    if (!w.model.open() || !w.timer1.enabled) return;
    ++w.ticks;
    if (w.ticks >= kTickLimit) return CloseUpdate(p);
    if (w.ticks == kShortTickLimit && p.st.InhibitMode == kShortUpdateMode) return CloseUpdate(p);
    if (w.ticks == kSilenceLimit && !w.answered) {
        w.answered = true;
        w.urlGet1.DownloadCancel();
        w.model.setText(UpdateCtl::Status, QCoreApplication::translate("UpdateWindow", "Unable to contact web site - try later"));
        if (!p.st.ManualUpdateCheck) CloseUpdate(p);
        return;
    }
    if (w.ticks != kDownloadTick) return;
    w.urlGet1.DownloadStart(w.requestAddress.trimmed(), UrlGet::kFreshCopy);
}

void CloseUpdate(Program& p) {
    UpdateWindow& w = *p.update;
    if (!w.model.open()) return;
    const bool wasShown = w.model.shown();
    w.timer1.stop();
    w.urlGet1.DownloadCancel();
    w.model.setOpen(false, false);
    p.main.setEnabled(Ctl::Update, true);
    // Leaving a visible update window makes the main window active again.
    if (wasShown) p.activate();
}

void UpdateDownloadProgress(Program& p) {
    UpdateWindow& w = *p.update;
    if (!w.model.open() || w.answered) return;
    w.model.setText(UpdateCtl::Status, QCoreApplication::translate("UpdateWindow", "Getting latest version of %1").arg(QString::fromLatin1(kProgramName)));
}

void UpdateDownloadFailed(Program& p) {
    UpdateWindow& w = *p.update;
    if (!w.model.open() || w.answered) return;
    w.answered = true;
    w.model.setText(UpdateCtl::Status, QCoreApplication::translate("UpdateWindow", "Unable to contact web site"));
    if (!p.st.ManualUpdateCheck) CloseUpdate(p);
}

void UpdateDownloadComplete(Program& p) {
    UpdateWindow& w = *p.update;
    if (!w.model.open() || w.answered) return;
    w.answered = true;
    ReadReply(p, Files::decode(w.urlGet1.Bytes()));
    // Every reply ends the check: a reply that cannot be used says so.
    const UpdateOutcome out = CompareUpdateReply(w.reply, w.localVersion, w.localMinor);
    ShowOutcome(w.model, out);
    if (out.newer) w.model.setOpen(true, true);
    if (!p.st.ManualUpdateCheck && !out.newer) CloseUpdate(p);
}

}  // namespace tw
