#pragma once
#include "app/WindowModel.h"

namespace tw {
class Program;

#define TW_ABOUT_CONTROLS(X)                                                     \
    X(ProgName, Label, "Prog Name", "")                                          \
    X(ProgVersion, Label, "", "")                                                \
    X(Notice, Label, "", "")                                                     \
    X(WebSite, Label, "", "")                                                    \
    X(ExitAbout, Button, "&Exit", "Close Tankwise About Screen")

enum class AboutCtl {
#define TW_ENUM(name, kind, text, tip) name,
    TW_ABOUT_CONTROLS(TW_ENUM)
#undef TW_ENUM
};

class AboutModel : public Window<AboutCtl> {
public:
    AboutModel();
};

// The About button: shows the About window, modal, loading it first if needed.
void AboutClick(Program& p);
void AboutEvent(Program& p, AboutCtl control);
// Closing it hands control back to the main window, which is activated again.
void CloseAbout(Program& p);

}  // namespace tw
