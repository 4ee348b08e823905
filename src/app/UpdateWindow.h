#pragma once
#include <QString>

#include "platform/Timer.h"
#include "platform/WindowModel.h"
#include "update/UpdateProtocol.h"
#include "update/UrlGet.h"

namespace tw {
class Program;

#define TW_UPDATE_CONTROLS(X)                                                    \
    X(Logo, Picture, "", "")                                                     \
    X(Status, TextBox, "", "")                                                   \
    X(UVersion, TextBox, "", "")                                                 \
    X(Message, TextBox, "", "")                                                  \
    X(Download, Button, QT_TRANSLATE_NOOP("UpdateWindow", "&Download"), "")                                         \
    X(History, Button, QT_TRANSLATE_NOOP("UpdateWindow", "&History"), "")                                           \
    X(KIssues, Button, QT_TRANSLATE_NOOP("UpdateWindow", "&Known Issues"), "")                                      \
    X(WebSite, Button, QT_TRANSLATE_NOOP("UpdateWindow", "&Web Site"), "")                                          \
    X(Exit, Button, QT_TRANSLATE_NOOP("UpdateWindow", "&Exit"), "")

enum class UpdateCtl {
#define TW_ENUM(name, kind, text, tip) name,
    TW_UPDATE_CONTROLS(TW_ENUM)
#undef TW_ENUM
};

class UpdateModel : public Window<UpdateCtl> {
public:
    UpdateModel();
};

// The update window: its model, its timer and the check it runs. It lives as long
// as the program; loading it again starts a fresh check.
class UpdateWindow {
public:
    UpdateWindow();

    UpdateModel model;
    Timer timer1;
    UrlGet urlGet1;

    QString localVersion;   // "3.0", or "0.9" in the short-update mode
    QString localMinor;     // "0.0"
    QString requestAddress;
    UpdateReply reply;      // the values of the last reply read
    int missingTags = 0;    // elements missing from this check's reply (the updater log)
    int ticks = 0;          // Timer1 ticks since the window was loaded
    bool answered = false;  // this check's download completed or failed
    bool wired = false;     // urlGet1's signals reach the program
};

// The Update button: a manual check in a shown window.
void UpdateClick(Program& p);
// Start-up's automatic check in a hidden window.
void StartAutomaticUpdateCheck(Program& p);
// Buttons and the logo of the update window.
void UpdateEvent(Program& p, UpdateCtl control);
// Every 100 ms: the download starts at the 2nd tick; the window closes at the
// 1201st (the 31st in the short-update mode).
void UpdateTimerTick(Program& p);
// Unloads the window (Exit, the title-bar button, the checker's own rules).
void CloseUpdate(Program& p);

// What urlGet1 reports.
void UpdateDownloadProgress(Program& p);
void UpdateDownloadComplete(Program& p);
void UpdateDownloadFailed(Program& p);

}  // namespace tw
