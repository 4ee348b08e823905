#include "app/AboutWindow.h"

#include <QCoreApplication>

#include "app/DesktopServices.h"
#include "app/Program.h"

namespace tw {

namespace {
const ControlDesign kAboutDesigns[] = {
#define TW_DESIGN(name, kind, text, tip) {#name, Kind::kind, text, tip},
    TW_ABOUT_CONTROLS(TW_DESIGN)
#undef TW_DESIGN
};

void LoadAbout(Program& p) {
    AboutModel& about = *p.about;
    about.setCaption(QT_TRANSLATE_NOOP("AboutWindow", "About Tankwise"));
    about.setText(AboutCtl::ProgName, QString::fromLatin1(kProgramName));
    about.setText(AboutCtl::ProgVersion, QCoreApplication::translate("AboutWindow", "Version %1").arg(VersionText()));
    // The notice and the web address keep their design texts.
}
}  // namespace

AboutModel::AboutModel()
    : Window<AboutCtl>("About", kAboutDesigns, static_cast<int>(std::size(kAboutDesigns))) {}

void AboutClick(Program& p) {
    if (!p.about->open()) LoadAbout(p);
    p.about->setOpen(true, true);
    ActivateAbout(p);
}

void ActivateAbout(Program& p) {
    // Above a topmost main window, so that the modal window is never hidden behind it;
    // otherwise an About window left topmost from an earlier opening leaves that band.
    p.desktop.setTopmost(WindowId::About, p.st.RunOnTop == 2.0f);
}

void AboutEvent(Program& p, AboutCtl control) {
    switch (control) {
    case AboutCtl::WebSite: return OpenWebPage(p, WindowId::About, QString());
    case AboutCtl::ExitAbout: return CloseAbout(p);
    default: return;
    }
}

void CloseAbout(Program& p) {
    p.about->setOpen(false, false);
    p.activate();
}

}  // namespace tw
