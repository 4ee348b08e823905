#pragma once
#include <QLocale>
#include <QStringList>

#include "calc/FieldTexts.h"

namespace tw {

// Which readings the user left empty. Taken before the input checks, which write
// "0.0" into an empty reading, so that a missing reading is refused, not read as
// an empty tank.
struct EmptyReadings {
    bool a1 = false, a2 = false, b1 = false, b2 = false;
};
EmptyReadings EmptyReadingsOf(const FieldTexts& fields);

// The fields the cross checks read.
inline constexpr Ctl kCrossCheckFields[] = {
    Ctl::Date1,  Ctl::Date2,    Ctl::Date3,    Ctl::Date4,    Ctl::TARead1,  Ctl::TARead2,
    Ctl::TBRead1, Ctl::TBRead2, Ctl::LAdd1,    Ctl::LAdd2,    Ctl::OCost1,   Ctl::OCost2,
    Ctl::DCharge1, Ctl::DCharge2, Ctl::TankAD, Ctl::TankBD,   Ctl::TankOffA, Ctl::TankOffB,
    Ctl::TankACap, Ctl::TankBCap, Ctl::TankAU, Ctl::TankBU,   Ctl::Predict};

// Fields judged against each other: dates, half-filled deliveries, readings and
// tanks; one message per failed check, in the order shown to the user. Missing
// readings are judged on `typed`.
QStringList CrossCheckMessages(const FieldTexts& fields, const EmptyReadings& typed,
                               const QLocale& locale);

}  // namespace tw
