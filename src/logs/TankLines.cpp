#include "logs/TankLines.h"

#include "calc/Fields.h"
#include "calc/Formats.h"

#include <QRegularExpression>

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

namespace tw {

std::optional<TankLineRead> ReadTankLine(const QString& line) {
    static const QRegularExpression pattern(QStringLiteral(
        "^Tank ([AB]): (?:(.*?)(litre|gal)s (Cylindrical \\(H\\)|Cylindrical \\(V\\)|Rectangular), "
        "Depth: )?(?:Not Set|(.*?)(cm|inches) Offset: (.*?)(?:cm|inches) \\((Volume|Depth)\\))$"));
    const QRegularExpressionMatch m = pattern.match(line);
    if (!m.hasMatch()) return std::nullopt;
    TankLineRead read;
    read.tank.tankB = m.captured(1) == QLatin1String("B");
    read.described = m.hasCaptured(4);
    read.tank.capacity = m.captured(2);
    read.tank.volumeUnit = m.captured(3) == QLatin1String("gal") ? QStringLiteral("Gal")
                                                                 : QStringLiteral("Litre");
    read.tank.shape = m.captured(4);
    read.shape = read.tank.shape == QLatin1String("Cylindrical (V)") ? 1
                 : read.tank.shape == QLatin1String("Rectangular")   ? 2
                                                                      : 0;
    read.tank.depth = m.captured(5);
    read.tank.depthUnit = m.captured(6);
    read.tank.offset = m.captured(7);
    read.tank.readsVolume = m.captured(8) == QLatin1String("Volume");
    return read;
}

}  // namespace tw
