#pragma once
#include <QString>

#include "calc/FieldTexts.h"

namespace tw {

// The fields a calculation depends on, in the order the fingerprint joins them: text
// fields and combo boxes give their text, check boxes 1 or 0. The heating boxes of
// reading 1 (CHeat1, WHeat1) are left out: they describe the previous period and do
// not change the result.
inline constexpr Ctl kFingerprintFields[] = {
    Ctl::Date1,    Ctl::Date2,    Ctl::Date3,    Ctl::Date4,   Ctl::TARead1,  Ctl::TARead2,
    Ctl::TBRead1,  Ctl::TBRead2,  Ctl::CHeat2,   Ctl::WHeat2,  Ctl::LAdd1,    Ctl::LAdd2,
    Ctl::Notes,    Ctl::TankACap, Ctl::TankBCap, Ctl::TankAS,  Ctl::TankBS,   Ctl::TankAD,
    Ctl::TankBD,   Ctl::TankAU,   Ctl::TankBU,   Ctl::TankOffA, Ctl::TankOffB, Ctl::TUnitsAT,
    Ctl::TUnitsBT, Ctl::TUnitsCT, Ctl::DCharge1, Ctl::CORate,  Ctl::Predict,  Ctl::VRate,
    Ctl::DCharge2, Ctl::OCost1,   Ctl::OCost2,   Ctl::DVRate,  Ctl::NoHistory};

// Everything a calculation depends on, joined into one text, so that a second click
// on unchanged data can be refused.
QString InputFingerprint(const QString& currencySymbol, const FieldTexts& fields);

}  // namespace tw
