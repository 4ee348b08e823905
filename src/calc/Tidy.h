#pragma once
#include <QLocale>
#include <QString>

#include "calc/FieldTexts.h"

namespace tw {

// The result fields the tidying rewrites, and the oil tax rate it reads.
inline constexpr Ctl kResultFields[] = {
    Ctl::TankT, Ctl::TankTP, Ctl::TCost, Ctl::TCostP, Ctl::TVCost, Ctl::TVCostP, Ctl::DCost,
    Ctl::VCost, Ctl::VCostP, Ctl::TCO2,  Ctl::TCO2P,  Ctl::DCO2,   Ctl::OLeft,   Ctl::FillDate,
    Ctl::VRate};

// Every result field in its display form, in three passes the window shows one after
// the other: currency symbols stripped and zero results emptied; currency amounts in
// the user's currency format, quantities whole (CO2 per day to tenths); the run-dry
// date shortened, and the costs before tax emptied where oil carries no tax. Running
// them again on their own output changes nothing.
FieldTexts BareResults(const FieldTexts& results, const QString& currencySymbol,
                       const QLocale& locale);
FieldTexts FormattedResults(const FieldTexts& results, const QLocale& locale);
FieldTexts FinishedResults(const FieldTexts& results, const QLocale& locale);

// The fields the input tidying rewrites and reads.
inline constexpr Ctl kTidiedInputFields[] = {Ctl::TARead1, Ctl::TARead2, Ctl::TBRead1,
                                             Ctl::TBRead2, Ctl::Date1,   Ctl::Date2,
                                             Ctl::Date3,   Ctl::Date4,   Ctl::TankACap,
                                             Ctl::TankBCap};

// After a calculation: the readings of a tank without capacity (or of both tanks when
// no oil was found at either reading) emptied, over-long dates as "dd-mmm-yyyy".
FieldTexts TidiedInput(const FieldTexts& fields, bool noOil, const QLocale& locale);

// A date text longer than the "dd-mmm-yyyy" form shortened to it; shorter texts and
// texts that hold no date stay as they are.
QString ShortenedDate(const QString& text, const QLocale& locale);

}  // namespace tw
