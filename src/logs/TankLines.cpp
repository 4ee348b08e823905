#include "logs/TankLines.h"

#include "calc/Fields.h"
#include "calc/Formats.h"

namespace tw {

namespace {

// "Not Set" without a tank depth; otherwise depth, offset and the reading mode.
QString DepthPhrase(const TankLineInput& tank, const QLocale& locale) {
    if (tank.depth.isEmpty()) return QStringLiteral("Not Set");
    const QString& unit = tank.depthUnit;
    const QString off = FixedNumber(NumberValue(tank.offset, locale), 1, locale);
    return tank.depth + unit + " Offset: " + off + unit +
           (tank.readsVolume ? " (Volume)" : " (Depth)");
}

}  // namespace

QString VolumeWord(const QString& volumeUnit) { return volumeUnit.toLower(); }

QString TankLine(const TankLineInput& tank, const QLocale& locale) {
    QString line = tank.tankB ? QStringLiteral("Tank B: ") : QStringLiteral("Tank A: ");
    // Tank A is always described; Tank B only when it has a capacity.
    if (!tank.tankB || !tank.capacity.isEmpty())
        line += tank.capacity + VolumeWord(tank.volumeUnit) + "s " + tank.shape + ", Depth: ";
    return line + DepthPhrase(tank, locale);
}

}  // namespace tw
