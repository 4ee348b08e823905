#include "app/AboutWindow.h"

#include "app/Program.h"

namespace tw {

namespace {
const ControlSpec kAboutSpecs[] = {
#define TW_SPEC(name, kind, text, tip) {#name, Kind::kind, text, tip},
    TW_ABOUT_CONTROLS(TW_SPEC)
#undef TW_SPEC
};
}  // namespace

AboutModel::AboutModel()
    : Window<AboutCtl>("About", kAboutSpecs, static_cast<int>(std::size(kAboutSpecs))) {}

void AboutClick(Program&) {}
void AboutEvent(Program&, AboutCtl) {}
void CloseAbout(Program&) {}

}  // namespace tw
