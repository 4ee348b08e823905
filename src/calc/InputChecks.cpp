#include "calc/InputChecks.h"

#include <QCoreApplication>
#include <QDate>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "calc/FieldDate.h"
#include "calc/Fields.h"
#include "calc/Formats.h"

namespace tw {

namespace {

// A data error in the user's language.
QString Said(const char* text) { return QCoreApplication::translate("Messages", text); }

// The dates the program accepts, held as dates so that no locale can misread them.
struct DateRange {
    Ctl field;
    QDate first;
    QDate last;
    const char* message;
};

const DateRange kReadingDates[] = {
    {Ctl::Date1, QDate(2000, 1, 1), QDate(2099, 12, 28),
     QT_TRANSLATE_NOOP("Messages", "Tank Reading Date 1 must be between 1st Jan 2000 and 28th Dec 2099")},
    // Reading 2 needs room for the three days that must separate the readings.
    {Ctl::Date2, QDate(2000, 1, 4), QDate(2099, 12, 31),
     QT_TRANSLATE_NOOP("Messages", "Tank Reading Date 2 must be between 4th Jan 2000 and 31st Dec 2099")},
};

const DateRange kDeliveryDates[] = {
    {Ctl::Date3, QDate(2000, 1, 1), QDate(2099, 12, 31),
     QT_TRANSLATE_NOOP("Messages", "Delivery Date 1 must be between 1st Jan 2000 and 31st Dec 2099")},
    {Ctl::Date4, QDate(2000, 1, 1), QDate(2099, 12, 31),
     QT_TRANSLATE_NOOP("Messages", "Delivery Date 2 must be between 1st Jan 2000 and 31st Dec 2099")},
};

// A reading, with the bound of each reading mode.
struct Reading {
    Ctl field;
    Ctl modeBox;  // ticked: the reading is a volume
    const char* name;
};

const Reading kReadings[] = {
    {Ctl::TARead1, Ctl::TankAU, QT_TRANSLATE_NOOP("Messages", "Tank A Reading 1")},
    {Ctl::TARead2, Ctl::TankAU, QT_TRANSLATE_NOOP("Messages", "Tank A Reading 2")},
    {Ctl::TBRead1, Ctl::TankBU, QT_TRANSLATE_NOOP("Messages", "Tank B Reading 1")},
    {Ctl::TBRead2, Ctl::TankBU, QT_TRANSLATE_NOOP("Messages", "Tank B Reading 2")},
};

// An optional delivery field: empty, or a number within its bounds.
struct Amount {
    Ctl field;
    double low;
    double high;
    const char* message;
};

const Amount kAmounts[] = {
    {Ctl::LAdd1, 100, 9999, QT_TRANSLATE_NOOP("Messages", "Delivery 1 oil added must be either empty or between 100 and 9999")},
    {Ctl::LAdd2, 100, 9999, QT_TRANSLATE_NOOP("Messages", "Delivery 2 oil added must be either empty or between 100 and 9999")},
    {Ctl::OCost1, 0.1, 9.99, QT_TRANSLATE_NOOP("Messages", "Delivery 1 oil cost must be either empty or between 0.10 and 9.99")},
    {Ctl::OCost2, 0.1, 9.99, QT_TRANSLATE_NOOP("Messages", "Delivery 2 oil cost must be either empty or between 0.10 and 9.99")},
    {Ctl::DCharge1, 5, 100, QT_TRANSLATE_NOOP("Messages", "Delivery Charge 1 must be either empty or between 5 and 100")},
    {Ctl::DCharge2, 5, 100, QT_TRANSLATE_NOOP("Messages", "Delivery Charge 2 must be either empty or between 5 and 100")},
    {Ctl::OCost0, 0.1, 9.99, QT_TRANSLATE_NOOP("Messages", "Price of oil in tank must be either empty or between 0.10 and 9.99")},
};


bool OutsideRange(const QDate& date, const DateRange& range) {
    return DaysBetween(range.first, date) < 0 || DaysBetween(range.last, date) > 0;
}

void CheckDateRange(QStringList& fails, const FieldTexts& f, const DateRange& range,
                    const QLocale& locale) {
    const auto date = ParseDate(f.text(range.field), locale);
    if (date && OutsideRange(*date, range)) fails << Said(range.message);
}

// A reading must be a number ("12abc" and "8O" are not); only the zero forms of its
// mode may stand for a real 0 (so "00" and "0.00" are refused).
bool ReadingFails(const QString& text, double maximum, std::initializer_list<const char*> zeros,
                  const QLocale& locale) {
    if (!text.isEmpty() && !IsNumberText(text, locale)) return true;
    const double value = NumberValue(text, locale);
    bool typedZero = false;
    for (const char* zero : zeros) {
        // The zero the program itself writes, in the locale's form too ("0,0").
        const QString localZero = QString::fromLatin1(zero).replace('.', locale.decimalPoint());
        typedZero = typedZero || text == QLatin1String(zero) || text == localZero;
    }
    const bool notNumber = !text.isEmpty() && !typedZero && value == 0;
    return notNumber || value > maximum || value < 0;
}

bool AmountFails(const QString& text, const Amount& amount, const QLocale& locale) {
    if (!text.isEmpty() && !IsNumberText(text, locale)) return true;
    const double value = NumberValue(text, locale);
    return value != 0 && (value < amount.low || value > amount.high);
}

// The largest multiple of 0.01 not above the value. The next multiple is tested
// as well, since 1.15 * 100 is 114.99999... in binary and must still give 1.15.
// Values too large to hold hundredths are kept as they are.
double TruncatedToHundredths(double value) {
    if (!(std::fabs(value) < 1e13)) return value;
    double hundredths = std::floor(value * 100);
    if ((hundredths + 1) / 100 <= value) hundredths += 1;
    return hundredths / 100;
}

void CheckFields(QStringList& fails, const FieldTexts& f, const QLocale& locale) {
    for (const DateRange& range : kReadingDates) {
        const QString t = f.text(range.field);
        if (!t.isEmpty() && !IsDateText(t, locale))
            fails << QCoreApplication::translate("Messages", "Tank Reading Date %1 must be a valid date")
                         .arg(range.field == Ctl::Date1 ? 1 : 2);
    }
    for (const DateRange& range : kReadingDates) CheckDateRange(fails, f, range, locale);

    for (const Reading& r : kReadings) {
        if (f.ticked(r.modeBox) && ReadingFails(f.text(r.field), 9999, {"0"}, locale))
            fails << QCoreApplication::translate("Messages", "%1 must be between 0 and 9999").arg(Said(r.name));
    }
    for (const Reading& r : kReadings) {
        if (!f.ticked(r.modeBox) && ReadingFails(f.text(r.field), 300, {"0.0", "0"}, locale))
            fails << QCoreApplication::translate("Messages", "%1 must be between 0 and 300").arg(Said(r.name));
    }

    for (const DateRange& range : kDeliveryDates) {
        const QString t = f.text(range.field);
        if (!t.isEmpty() && !IsDateText(t, locale))
            fails << QCoreApplication::translate("Messages", "Delivery Date %1 must be empty or a valid date")
                         .arg(range.field == Ctl::Date3 ? 1 : 2);
    }
    for (const DateRange& range : kDeliveryDates) CheckDateRange(fails, f, range, locale);

    for (const Amount& amount : kAmounts) {
        if (AmountFails(f.text(amount.field), amount, locale))
            fails << Said(amount.message);
    }
}

}  // namespace

bool NothingToCalculate(const FieldTexts& f) {
    // A price for the oil in the tank alone gives nothing to work out.
    for (Ctl c : kInputFields)
        if (c != Ctl::OCost0 && !f.text(c).isEmpty()) return false;
    return true;
}

QStringList InputFieldMessages(const FieldTexts& f, const QLocale& locale) {
    QStringList fails;
    if (NothingToCalculate(f)) fails << QCoreApplication::translate("Messages", "No Tank Readings or Deliveries to Calculate");
    else CheckFields(fails, f, locale);
    return fails;
}

FieldTexts NumbersWritten(const FieldTexts& in, const QLocale& locale) {
    FieldTexts f = in;
    const auto value = [&](Ctl c) { return NumberValue(f.text(c), locale); };
    for (const Reading& r : kReadings)
        f.setText(r.field, FixedNumber(TruncatedToHundredths(value(r.field)), 1, locale));
    for (Ctl c : {Ctl::LAdd1, Ctl::LAdd2}) f.setText(c, FixedNumber(std::floor(value(c)), 0, locale));
    for (Ctl c : {Ctl::OCost0, Ctl::OCost1, Ctl::OCost2})
        f.setText(c, FixedNumber(value(c), 4, locale));
    for (Ctl c : {Ctl::DCharge1, Ctl::DCharge2}) f.setText(c, FixedNumber(value(c), 2, locale));
    return f;
}

FieldTexts NormalisedNumbers(const FieldTexts& in, const QLocale& locale) {
    FieldTexts f = NumbersWritten(in, locale);
    const auto value = [&](Ctl c) { return NumberValue(f.text(c), locale); };

    // Volume readings are whole: the "0.0" text just written is read back by the locale.
    for (const Reading& r : kReadings) {
        if (!f.ticked(r.modeBox)) continue;
        f.setText(r.field, FixedNumber(std::floor(value(r.field)), 0, locale));
    }

    // A tank read as empty twice is a tank not in use.
    for (auto [first, second] :
         {std::pair{Ctl::TARead1, Ctl::TARead2}, std::pair{Ctl::TBRead1, Ctl::TBRead2}}) {
        if (value(first) == 0 && value(second) == 0) {
            f.setText(first, QString());
            f.setText(second, QString());
        }
    }
    for (Ctl c : {Ctl::LAdd1, Ctl::LAdd2, Ctl::OCost0, Ctl::OCost1, Ctl::OCost2, Ctl::DCharge1,
                  Ctl::DCharge2})
        if (value(c) == 0) f.setText(c, QString());
    return f;
}

FieldTexts NormalisedDates(const FieldTexts& in, const QLocale& locale) {
    FieldTexts f = in;
    for (Ctl c : {Ctl::Date1, Ctl::Date2, Ctl::Date3, Ctl::Date4}) {
        if (const auto date = ParseDate(f.text(c), locale)) f.setText(c, FieldDateText(*date, locale));
    }
    return f;
}

}  // namespace tw
