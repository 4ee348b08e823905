#pragma once
#include "app/Timer.h"
#include "app/WindowModel.h"

namespace tw {
class Program;

#define TW_UPDATE_CONTROLS(X)                                                    \
    X(Logo, Picture, "", "")                                                     \
    X(Status, TextBox, "", "")                                                   \
    X(UVersion, TextBox, "", "")                                                 \
    X(Message, TextBox, "", "")                                                  \
    X(Download, Button, "&Download", "")                                         \
    X(History, Button, "&History", "")                                           \
    X(KIssues, Button, "&Known Issues", "")                                      \
    X(WebSite, Button, "&Web Site", "")                                          \
    X(Exit, Button, "&Exit", "")

enum class UpdateCtl {
#define TW_ENUM(name, kind, text, tip) name,
    TW_UPDATE_CONTROLS(TW_ENUM)
#undef TW_ENUM
};

class UpdateModel : public Window<UpdateCtl> {
public:
    UpdateModel();
};

// The update window: its model, its timer and the check it runs.
class UpdateWindow {
public:
    UpdateModel model;
    Timer timer1;
};

// The Update button: a manual check in a shown window.
void UpdateClick(Program& p);
// Start-up's automatic check in a hidden window.
void StartAutomaticUpdateCheck(Program& p);
void UpdateEvent(Program& p, UpdateCtl control);
void UpdateTimerTick(Program& p);
void CloseUpdate(Program& p);

}  // namespace tw
