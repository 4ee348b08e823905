#include "update/UpdateWindow.h"

#include "app/Program.h"

namespace tw {

namespace {
const ControlSpec kUpdateSpecs[] = {
#define TW_SPEC(name, kind, text, tip) {#name, Kind::kind, text, tip},
    TW_UPDATE_CONTROLS(TW_SPEC)
#undef TW_SPEC
};
}  // namespace

UpdateModel::UpdateModel()
    : Window<UpdateCtl>("Update", kUpdateSpecs, static_cast<int>(std::size(kUpdateSpecs))) {}

void UpdateClick(Program&) {}
void StartAutomaticUpdateCheck(Program&) {}
void UpdateEvent(Program&, UpdateCtl) {}
void UpdateTimerTick(Program&) {}
void CloseUpdate(Program&) {}

}  // namespace tw
