#include "calc/CrossChecks.h"

#include <QCoreApplication>
#include <QDate>
#include <algorithm>
#include <cmath>
#include <optional>

#include "calc/Fields.h"

namespace tw {

namespace {

// Far beyond any prediction period; keeps the month arithmetic inside QDate's range.
constexpr double kMonthLimit = 1'200'000;

// The date moved on by whole calendar months; a day missing from the target month
// becomes that month's last day.
QDate AddedMonths(const QDate& date, double months) {
    const double whole = std::clamp(std::trunc(months), -kMonthLimit, kMonthLimit);
    return date.addMonths(static_cast<int>(whole));
}

// Reads the fields of one check run; every check reads the same texts.
class Combination {
public:
    Combination(const FieldTexts& fields, const EmptyReadings& typed, const QLocale& locale)
        : typed(typed), fields_(fields), locale_(locale) {}

    const EmptyReadings typed;
    QStringList messages;

    QString text(Ctl c) const { return fields_.text(c); }
    bool empty(Ctl c) const { return text(c).isEmpty(); }
    double value(Ctl c) const { return NumberValue(text(c), locale_); }
    std::optional<QDate> date(Ctl c) const { return ParseDate(text(c), locale_); }
    bool volumeMode(Ctl box) const { return fields_.ticked(box); }
    // A reading that counts as given: not empty, with value 0 or more.
    bool readingGiven(Ctl c) const { return !empty(c) && value(c) >= 0; }

    // `message` is marked for the translations and shown in the user's language.
    void failIf(bool failed, const char* message) {
        if (failed) messages << QCoreApplication::translate("Messages", message);
    }

private:
    const FieldTexts& fields_;
    QLocale locale_;
};

// Both dates known and the second earlier than the first.
bool Earlier(const std::optional<QDate>& later, const std::optional<QDate>& earlier) {
    return later && earlier && DaysBetween(*earlier, *later) < 0;
}

void CheckDates(Combination& c) {
    const auto d1 = c.date(Ctl::Date1), d2 = c.date(Ctl::Date2);
    const auto d3 = c.date(Ctl::Date3), d4 = c.date(Ctl::Date4);
    c.failIf(d1 && d2 && DaysBetween(*d1, *d2) < 3,
             QT_TRANSLATE_NOOP("Messages", "Date 2 must be at least 3 days later than Date 1"));
    c.failIf(Earlier(d3, d1), QT_TRANSLATE_NOOP("Messages", "Delivery Date 1 cannot be earlier than Tank Reading 1 Date"));
    c.failIf(Earlier(d2, d3), QT_TRANSLATE_NOOP("Messages", "Delivery Date 1 cannot be later than Tank Reading 2 Date"));
    c.failIf(Earlier(d4, d1), QT_TRANSLATE_NOOP("Messages", "Delivery Date 2 cannot be earlier than Tank Reading 1 Date"));
    c.failIf(Earlier(d2, d4), QT_TRANSLATE_NOOP("Messages", "Delivery Date 2 cannot be later than Tank Reading 2 Date"));
    c.failIf(Earlier(d4, d3), QT_TRANSLATE_NOOP("Messages", "Delivery Date 2 cannot be earlier than Delivery Date 1"));
}

// A delivery is date, amount and price together; its charge alone is never required.
void CheckDeliveries(Combination& c) {
    const auto halfFilled = [&](Ctl date, Ctl added, Ctl cost, Ctl charge) {
        const bool started =
            !c.empty(date) || !c.empty(added) || !c.empty(cost) || !c.empty(charge);
        return started && (c.empty(date) || c.empty(added) || c.empty(cost));
    };
    c.failIf(halfFilled(Ctl::Date3, Ctl::LAdd1, Ctl::OCost1, Ctl::DCharge1),
             QT_TRANSLATE_NOOP("Messages", "Delivery 1 Date, Litres Added and Oil Cost must all be either set or empty"));
    c.failIf(halfFilled(Ctl::Date4, Ctl::LAdd2, Ctl::OCost2, Ctl::DCharge2),
             QT_TRANSLATE_NOOP("Messages", "Delivery 2 Date, Litres Added and Oil Cost must all be either set or empty"));
}

void CheckReadingDates(Combination& c) {
    const bool date1 = c.date(Ctl::Date1).has_value();
    const bool date2 = c.date(Ctl::Date2).has_value();
    // Reading 1 alone, with nothing else typed, is a starting reading of its own.
    const bool startingReading = date1 && c.typed.a2 && c.typed.b2 && c.empty(Ctl::Date2) &&
                                 c.empty(Ctl::Date3) && c.empty(Ctl::LAdd1) &&
                                 c.empty(Ctl::Date4) && c.empty(Ctl::LAdd2);
    c.failIf(!date1 && (c.readingGiven(Ctl::TARead1) || c.readingGiven(Ctl::TBRead1)),
             QT_TRANSLATE_NOOP("Messages", "Tank Reading Date 1 must be set"));
    c.failIf(!date2 && !startingReading &&
                 (c.readingGiven(Ctl::TARead2) || c.readingGiven(Ctl::TBRead2)),
             QT_TRANSLATE_NOOP("Messages", "Tank Reading Date 2 must be set"));
    // Tank A is always in use; Tank B readings are optional.
    c.failIf(c.typed.a1 && date1, QT_TRANSLATE_NOOP("Messages", "Tank A Reading 1 must be set if Tank Reading Date 1 is set"));
    c.failIf(c.typed.a2 && date2, QT_TRANSLATE_NOOP("Messages", "Tank A Reading 2 must be set if Tank Reading Date 2 is set"));
    // Tank B may be left out, but not half of it.
    c.failIf(c.typed.b1 && !c.typed.b2,
             QT_TRANSLATE_NOOP("Messages", "Tank B Reading 1 must be set if Tank B Reading 2 is set"));
    c.failIf(c.typed.b2 && !c.typed.b1 && !startingReading,
             QT_TRANSLATE_NOOP("Messages", "Tank B Reading 2 must be set if Tank B Reading 1 is set"));
}

void CheckReadingsFitTanks(Combination& c) {
    const double depthA = c.value(Ctl::TankAD) + c.value(Ctl::TankOffA);
    const double depthB = c.value(Ctl::TankBD) + c.value(Ctl::TankOffB);
    const bool depthModeA = !c.volumeMode(Ctl::TankAU);
    const bool depthModeB = !c.volumeMode(Ctl::TankBU);
    c.failIf(depthModeA && c.value(Ctl::TARead1) > depthA,
             QT_TRANSLATE_NOOP("Messages", "Tank A Reading 1 must be less than or equal to Tank A Depth plus Offset"));
    c.failIf(depthModeA && c.value(Ctl::TARead2) > depthA,
             QT_TRANSLATE_NOOP("Messages", "Tank A Reading 2 must be less than or equal to Tank A Depth plus Offset"));
    c.failIf(depthModeB && c.value(Ctl::TBRead1) > depthB,
             QT_TRANSLATE_NOOP("Messages", "Tank B Reading 1 must be less than or equal to Tank B Depth plus Offset"));
    c.failIf(depthModeB && c.value(Ctl::TBRead2) > depthB,
             QT_TRANSLATE_NOOP("Messages", "Tank B Reading 2 must be less than or equal to Tank B Depth plus Offset"));

    const double capacityA = c.value(Ctl::TankACap);
    const double capacityB = c.value(Ctl::TankBCap);
    c.failIf(!depthModeA && c.value(Ctl::TARead1) > capacityA,
             QT_TRANSLATE_NOOP("Messages", "Tank A Reading 1 must be less than or equal to Tank A Capacity"));
    c.failIf(!depthModeA && c.value(Ctl::TARead2) > capacityA,
             QT_TRANSLATE_NOOP("Messages", "Tank A Reading 2 must be less than or equal to Tank A Capacity"));
    c.failIf(!depthModeB && c.value(Ctl::TBRead1) > capacityB,
             QT_TRANSLATE_NOOP("Messages", "Tank B Reading 1 must be less than or equal to Tank B Capacity"));
    c.failIf(!depthModeB && c.value(Ctl::TBRead2) > capacityB,
             QT_TRANSLATE_NOOP("Messages", "Tank B Reading 2 must be less than or equal to Tank B Capacity"));
    c.failIf((c.value(Ctl::TARead1) > 0 || c.value(Ctl::TARead2) > 0) && capacityA == 0,
             QT_TRANSLATE_NOOP("Messages", "Tank A Readings cannot be set if Tank A Capacity is not set"));
    c.failIf((c.value(Ctl::TBRead1) > 0 || c.value(Ctl::TBRead2) > 0) && capacityB == 0,
             QT_TRANSLATE_NOOP("Messages", "Tank B Readings cannot be set if Tank B Capacity is not set"));
}

// The prediction runs from reading 1, so it must reach at least as far as reading 2.
void CheckPrediction(Combination& c) {
    const auto d1 = c.date(Ctl::Date1), d2 = c.date(Ctl::Date2);
    const double months = c.value(Ctl::Predict);
    if (!d1 || !d2 || months == 0) return;
    c.failIf(DaysBetween(*d2, AddedMonths(*d1, months)) < 0,
             QT_TRANSLATE_NOOP("Messages", "Tank Reading Date 1 plus number months to predict forward must be greater than "
             "or equal to Tank Reading Date 2"));
}

}  // namespace

EmptyReadings EmptyReadingsOf(const FieldTexts& f) {
    const auto empty = [&](Ctl c) { return f.text(c).isEmpty(); };
    return {empty(Ctl::TARead1), empty(Ctl::TARead2), empty(Ctl::TBRead1), empty(Ctl::TBRead2)};
}

QStringList CrossCheckMessages(const FieldTexts& fields, const EmptyReadings& typed,
                               const QLocale& locale) {
    Combination c(fields, typed, locale);
    CheckDates(c);
    CheckDeliveries(c);
    CheckReadingDates(c);
    CheckReadingsFitTanks(c);
    CheckPrediction(c);
    c.failIf(
        c.value(Ctl::LAdd1) + c.value(Ctl::LAdd2) > c.value(Ctl::TankACap) + c.value(Ctl::TankBCap),
        QT_TRANSLATE_NOOP("Messages", "The amount of oil added is greater than the capacity of the tank(s)"));
    return c.messages;
}

}  // namespace tw
