#pragma once
#include <QLocale>
#include <QString>
#include <optional>

namespace tw {

// One tank as its header line describes it: the field texts and the unit names.
struct TankLineInput {
    bool tankB = false;
    QString capacity, shape, depth, offset;
    bool readsVolume = false;
    QString volumeUnit;  // "Litre" or "Gal", as the units are shown
    QString depthUnit;   // "cm" or "inches"
};

// The volume unit as the logs write it: "litre" or "gal", always followed by "s".
QString VolumeWord(const QString& volumeUnit);
// "Tank A: 1200litres Cylindrical (H), Depth: 120cm Offset: 2.0cm (Depth)"; a tank
// without capacity shows only its depth phrase ("Tank B: Not Set").
QString TankLine(const TankLineInput& tank, const QLocale& locale);

}  // namespace tw

namespace tw {

// A tank line read back: the texts it was written from, the shape as its list
// position (0, 1, 2); nothing when the line is no tank line.
struct TankLineRead {
    TankLineInput tank;
    int shape = 0;
    bool described = false;  // capacity and shape are given
};
std::optional<TankLineRead> ReadTankLine(const QString& line);

}  // namespace tw
