#include "app/MainControls.h"

namespace tw {

namespace {
const ControlSpec kMainSpecs[] = {
#define TW_SPEC(name, kind, text, tip) {#name, Kind::kind, text, tip},
    TW_MAIN_CONTROLS(TW_SPEC)
#undef TW_SPEC
};
}  // namespace

QStringList TankShapeNames() {
    return {"Cylindrical (H)", "Cylindrical (V)", "Rectangular"};
}

MainModel::MainModel()
    : Window<Ctl>("Main", kMainSpecs, static_cast<int>(std::size(kMainSpecs))) {
    setItems(int(Ctl::TankAS), TankShapeNames());
    setItems(int(Ctl::TankBS), TankShapeNames());
    setCaption("Form1");
}

}  // namespace tw
