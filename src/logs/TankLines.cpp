#include "logs/TankLines.h"

#include "app/Program.h"
#include "calc/Fields.h"
#include "calc/Formats.h"

namespace tw {

namespace {

// "Not Set" without a tank depth; otherwise depth, offset and the reading mode.
QString DepthPhrase(Program& p, Ctl depth, Ctl offset, Ctl readsVolume) {
    const QString d = p.main.text(depth);
    if (d.isEmpty()) return QStringLiteral("Not Set");
    const QString unit = p.st.DepthUnit;
    const QString off = FixedNumber(NumberValue(p.main.text(offset), p.desktop.locale()), 1,
                                    p.desktop.locale());
    return d + unit + " Offset: " + off + unit +
           (p.main.checked(readsVolume) ? " (Volume)" : " (Depth)");
}

}  // namespace

QString VolumeWord(Program& p) { return p.st.VolumeUnit.toLower(); }

QString TankLine(Program& p, bool tankB) {
    const Ctl cap = tankB ? Ctl::TankBCap : Ctl::TankACap;
    const Ctl shape = tankB ? Ctl::TankBS : Ctl::TankAS;
    QString line = tankB ? QStringLiteral("Tank B: ") : QStringLiteral("Tank A: ");
    // Tank A is always described; Tank B only when it has a capacity.
    if (!tankB || !p.main.text(cap).isEmpty())
        line += p.main.text(cap) + VolumeWord(p) + "s " + p.main.itemText(shape) + ", Depth: ";
    if (tankB) return line + DepthPhrase(p, Ctl::TankBD, Ctl::TankOffB, Ctl::TankBU);
    return line + DepthPhrase(p, Ctl::TankAD, Ctl::TankOffA, Ctl::TankAU);
}

}  // namespace tw
