#pragma once
#include <QLocale>
#include <QStringList>

#include "calc/FieldTexts.h"

namespace tw {

// The reading and delivery fields the checks read and rewrite, and the reading-mode
// boxes (ticked: the tank is read as a volume).
inline constexpr Ctl kInputFields[] = {
    Ctl::Date1,   Ctl::Date2,  Ctl::TARead1, Ctl::TARead2,  Ctl::TBRead1,  Ctl::TBRead2,
    Ctl::Date3,   Ctl::Date4,  Ctl::LAdd1,   Ctl::LAdd2,    Ctl::OCost1,   Ctl::OCost2,
    Ctl::DCharge1, Ctl::DCharge2, Ctl::TankAU, Ctl::TankBU};

// True when not one reading or delivery field holds text.
bool NothingToCalculate(const FieldTexts& fields);

// Each reading and delivery field on its own; one message per failed check.
QStringList InputFieldMessages(const FieldTexts& fields, const QLocale& locale);

// The rewrite that follows passing checks, in the passes the window shows. First the
// written forms: readings to tenths, amounts whole, prices to four decimals, charges
// to two.
FieldTexts NumbersWritten(const FieldTexts& fields, const QLocale& locale);
// Then, on top of that, volume readings made whole, a tank read as empty twice
// emptied and zero amounts emptied.
FieldTexts NormalisedNumbers(const FieldTexts& fields, const QLocale& locale);
// Last, the dates in the user's short form.
FieldTexts NormalisedDates(const FieldTexts& fields, const QLocale& locale);

}  // namespace tw
