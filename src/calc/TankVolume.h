#pragma once
#include <QLocale>
#include <QString>

namespace tw {

// The tank volume model: a reading of one tank becomes a volume, and a volume a
// dipstick depth. Pure functions; no units are converted (every formula is a ratio
// of like quantities). Shapes: 0 horizontal cylinder, 1 vertical cylinder,
// 2 rectangular.

// readingIsVolume 1: the reading is a gauge volume and passes through; 0: the
// reading is an oil depth (reading minus offset) measured in the tank's depth unit.
// The texts are read as the window's fields are, by the user's locale.
float TankVolume(int readingIsVolume, const QString& capacity, const QString& depth,
                 const QString& reading, int shape, const QLocale& locale = QLocale::c());

// The volume at an oil depth (reading less offset) in a tank of capacity c and depth
// d, both numbers: the dipstick half of the above, for a reader that has the tank's
// figures already.
float DepthVolume(double c, double d, double oilDepth, int shape);

// Volume of oil at depth h in a horizontal cylinder of diameter d and capacity c,
// rounded to one decimal.
float HorizontalCylinderVolume(float h, float d, float c);

// The oil depth (without offset) at which the tank holds the volume.
float DepthForVolume(float capacity, float depth, float volume, int shape);

}  // namespace tw
