#pragma once
#include <QLocale>
#include <QStringList>

#include "calc/FieldTexts.h"

namespace tw {

// The tank description and oil settings as the window shows them.
inline constexpr Ctl kTankOilFields[] = {Ctl::TankACap, Ctl::TankBCap, Ctl::TankAD,  Ctl::TankBD,
                                         Ctl::TankOffA, Ctl::TankOffB, Ctl::Predict, Ctl::VRate,
                                         Ctl::DVRate,   Ctl::CORate};

// The switches and codes the configuration file stores as numbers.
struct StoredSwitches {
    float logLevel = 0, runOnTop = 0, tankAU = 0, tankBU = 0, tUnitsA = 0, tUnitsB = 0,
          tUnitsC = 0, upEnable = 0, tankAS = 0, tankBS = 0;
};

struct TankOilInput {
    FieldTexts fields;
    StoredSwitches stored;
    bool aIsVolume = false, bIsVolume = false;  // each tank's reading mode
    QString depthUnit, taxWord;                 // as the messages name them
};

// The tank description and oil settings against their bounds; one message per
// failed check.
QStringList TankOilMessages(const TankOilInput& in, const QLocale& locale);

// The normal form of the settings that passed: fixed decimals, whole capacities, and
// zero depths, offsets, rates and prediction emptied.
FieldTexts NormalisedTankOil(const FieldTexts& fields, const QLocale& locale);

}  // namespace tw
