#pragma once
#include "platform/Version.h"
#include "platform/WindowModel.h"

namespace tw {
class Program;

// Design texts: ProgName and ProgVersion are replaced at load; the notice line and
// the maker's web address are fixed.
#define TW_ABOUT_CONTROLS(X)                                                     \
    X(ProgName, Label, QT_TRANSLATE_NOOP("AboutWindow", "Prog Name"), "")                                          \
    X(ProgVersion, Label, QT_TRANSLATE_NOOP("AboutWindow", "Prog Version"), "")                                    \
    X(Notice, Label, QT_TRANSLATE_NOOP("AboutWindow", "Keeps track of the oil you burn and what it costs."), "")   \
    X(WebSite, Label, kSiteBase, "")                                             \
    X(ExitAbout, Button, QT_TRANSLATE_NOOP("AboutWindow", "&Close"), QT_TRANSLATE_NOOP("AboutWindow", "Close Tankwise About Screen"))

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
// Each time the About window becomes active: topmost while the program runs on top.
void ActivateAbout(Program& p);
void AboutEvent(Program& p, AboutCtl control);
// Closing it hands control back to the main window, which is activated again.
void CloseAbout(Program& p);

}  // namespace tw
