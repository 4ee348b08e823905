#include "platform/MainControls.h"

namespace tw {

namespace {
const ControlDesign kMainDesigns[] = {
#define TW_DESIGN(name, kind, text, tip) {#name, Kind::kind, text, tip},
    TW_MAIN_CONTROLS(TW_DESIGN)
#undef TW_DESIGN
};
}  // namespace

QString DesignTooltip(Ctl control) {
    return QString::fromUtf8(kMainDesigns[size_t(control)].tooltip);
}

QStringList TankShapeNames() {
    return {QT_TRANSLATE_NOOP("MainWindow", "Cylindrical (H)"), QT_TRANSLATE_NOOP("MainWindow", "Cylindrical (V)"),
            QT_TRANSLATE_NOOP("MainWindow", "Rectangular")};
}

MainModel::MainModel()
    : Window<Ctl>("Main", kMainDesigns, static_cast<int>(std::size(kMainDesigns))) {
    setItems(int(Ctl::TankAS), TankShapeNames());
    setItems(int(Ctl::TankBS), TankShapeNames());
    setCaption("Form1");
}

}  // namespace tw
