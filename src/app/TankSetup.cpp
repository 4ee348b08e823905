#include "app/TankSetup.h"

#include "app/Program.h"
#include "calc/Formats.h"

namespace tw {

TankLineInput TankLineInputOf(Program& p, bool tankB) {
    const MainModel& m = p.main;
    TankLineInput tank;
    tank.tankB = tankB;
    tank.capacity = m.text(tankB ? Ctl::TankBCap : Ctl::TankACap);
    tank.shape = m.itemText(tankB ? Ctl::TankBS : Ctl::TankAS);
    tank.depth = m.text(tankB ? Ctl::TankBD : Ctl::TankAD);
    tank.offset = m.text(tankB ? Ctl::TankOffB : Ctl::TankOffA);
    tank.readsVolume = m.checked(tankB ? Ctl::TankBU : Ctl::TankAU);
    tank.volumeUnit = p.st.VolumeUnit;
    tank.depthUnit = p.st.DepthUnit;
    return tank;
}

QString TankLineOf(Program& p, bool tankB) {
    return TankLine(TankLineInputOf(p, tankB), p.desktop.locale());
}


}  // namespace tw
