#include "calc/InputChecks.h"

#include <QDate>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "app/FatalDump.h"
#include "app/Program.h"
#include "calc/FieldDate.h"
#include "calc/Fields.h"
#include "calc/Formats.h"

namespace tw {

namespace {

// The dates the program accepts, held as dates so that no locale can misread them.
struct DateRange {
    Ctl field;
    QDate first;
    QDate last;
    const char* message;
};

const DateRange kReadingDates[] = {
    {Ctl::Date1, QDate(2000, 1, 1), QDate(2099, 12, 28),
     "Tank Reading Date 1 must be between 1st Jan 2000 and 28th Dec 2099"},
    // Reading 2 needs room for the three days that must separate the readings.
    {Ctl::Date2, QDate(2000, 1, 4), QDate(2099, 12, 31),
     "Tank Reading Date 2 must be between 4th Jan 2000 and 31st Dec 2099"},
};

const DateRange kDeliveryDates[] = {
    {Ctl::Date3, QDate(2000, 1, 1), QDate(2099, 12, 31),
     "Delivery Date 1 must be between 1st Jan 2000 and 31st Dec 2099"},
    {Ctl::Date4, QDate(2000, 1, 1), QDate(2099, 12, 31),
     "Delivery Date 2 must be between 1st Jan 2000 and 31st Dec 2099"},
};

// A reading, with the bound of each reading mode.
struct Reading {
    Ctl field;
    Ctl modeBox;  // ticked: the reading is a volume
    const char* name;
};

const Reading kReadings[] = {
    {Ctl::TARead1, Ctl::TankAU, "Tank A Reading 1"},
    {Ctl::TARead2, Ctl::TankAU, "Tank A Reading 2"},
    {Ctl::TBRead1, Ctl::TankBU, "Tank B Reading 1"},
    {Ctl::TBRead2, Ctl::TankBU, "Tank B Reading 2"},
};

// An optional delivery field: empty, or a number within its bounds.
struct Amount {
    Ctl field;
    double low;
    double high;
    const char* message;
};

const Amount kAmounts[] = {
    {Ctl::LAdd1, 100, 9999, "Delivery 1 oil added must be either empty or between 100 and 9999"},
    {Ctl::LAdd2, 100, 9999, "Delivery 2 oil added must be either empty or between 100 and 9999"},
    {Ctl::OCost1, 0.1, 9.99, "Delivery 1 oil cost must be either empty or between 0.10 and 9.99"},
    {Ctl::OCost2, 0.1, 9.99, "Delivery 2 oil cost must be either empty or between 0.10 and 9.99"},
    {Ctl::DCharge1, 5, 100, "Delivery Charge 1 must be either empty or between 5 and 100"},
    {Ctl::DCharge2, 5, 100, "Delivery Charge 2 must be either empty or between 5 and 100"},
};

const Ctl kCheckedFields[] = {Ctl::Date1,   Ctl::Date2,  Ctl::TARead1,  Ctl::TARead2, Ctl::TBRead1,
                              Ctl::TBRead2, Ctl::Date3,  Ctl::Date4,    Ctl::LAdd1,   Ctl::LAdd2,
                              Ctl::OCost1,  Ctl::OCost2, Ctl::DCharge1, Ctl::DCharge2};

void Fail(Program& p, const QString& message) { p.st.SaveError += message + QLatin1Char('\n'); }

bool OutsideRange(const QDate& date, const DateRange& range) {
    return DaysBetween(range.first, date) < 0 || DaysBetween(range.last, date) > 0;
}

void CheckDateRange(Program& p, const DateRange& range, const QLocale& locale) {
    const auto date = ParseDate(p.main.text(range.field), locale);
    if (date && OutsideRange(*date, range)) Fail(p, QString::fromLatin1(range.message));
}

// A reading that is not a number has value 0; only the zero forms of its mode may
// stand for a real 0 (so "00" and "0.00" are refused, "12abc" is 12).
bool ReadingFails(const QString& text, double maximum, std::initializer_list<const char*> zeros,
                  const QLocale& locale) {
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

void CheckFields(Program& p, const QLocale& locale) {
    const auto text = [&](Ctl c) { return p.main.text(c); };

    for (const DateRange& range : kReadingDates) {
        const QString t = text(range.field);
        if (!t.isEmpty() && !IsDateText(t, locale))
            Fail(p, QStringLiteral("Tank Reading Date %1 must be a valid date")
                        .arg(range.field == Ctl::Date1 ? 1 : 2));
    }
    for (const DateRange& range : kReadingDates) CheckDateRange(p, range, locale);

    p.step(122);
    for (const Reading& r : kReadings) {
        if (p.main.checked(r.modeBox) && ReadingFails(text(r.field), 9999, {"0"}, locale))
            Fail(p, QString::fromLatin1(r.name) + " must be between 0 and 9999");
    }
    for (const Reading& r : kReadings) {
        if (!p.main.checked(r.modeBox) && ReadingFails(text(r.field), 300, {"0.0", "0"}, locale))
            Fail(p, QString::fromLatin1(r.name) + " must be between 0 and 300");
    }

    p.step(123);
    for (const DateRange& range : kDeliveryDates) {
        const QString t = text(range.field);
        if (!t.isEmpty() && !IsDateText(t, locale))
            Fail(p, QStringLiteral("Delivery Date %1 must be empty or a valid date")
                        .arg(range.field == Ctl::Date3 ? 1 : 2));
    }
    for (const DateRange& range : kDeliveryDates) CheckDateRange(p, range, locale);

    p.step(124);
    for (const Amount& amount : kAmounts) {
        if (AmountFails(text(amount.field), amount, locale))
            Fail(p, QString::fromLatin1(amount.message));
    }
}

void EmptyWhenZero(Program& p, std::initializer_list<Ctl> fields, const QLocale& locale) {
    for (Ctl c : fields) {
        if (NumberValue(p.main.text(c), locale) == 0) p.main.setText(c, QString());
    }
}

}  // namespace

void NormaliseInputFields(Program& p) {
    p.st.FieldsTyped = false;
    const QLocale locale = p.desktop.locale();
    const auto value = [&](Ctl c) { return NumberValue(p.main.text(c), locale); };

    for (const Reading& r : kReadings)
        p.main.setText(r.field, FixedNumber(TruncatedToHundredths(value(r.field)), 1, locale));
    for (Ctl c : {Ctl::LAdd1, Ctl::LAdd2})
        p.main.setText(c, FixedNumber(std::floor(value(c)), 0, locale));
    for (Ctl c : {Ctl::OCost1, Ctl::OCost2}) p.main.setText(c, FixedNumber(value(c), 4, locale));
    for (Ctl c : {Ctl::DCharge1, Ctl::DCharge2})
        p.main.setText(c, FixedNumber(value(c), 2, locale));

    // Volume readings are whole: the "0.0" text just written is read back by the locale.
    for (const Reading& r : kReadings) {
        if (!p.main.checked(r.modeBox)) continue;
        const QString t = p.main.text(r.field);
        const double volume = LocaleNumber(t, locale).value_or(NumberValue(t, locale));
        p.main.setText(r.field, FixedNumber(std::floor(volume), 0, locale));
    }

    // A tank read as empty twice is a tank not in use.
    for (auto [first, second] :
         {std::pair{Ctl::TARead1, Ctl::TARead2}, std::pair{Ctl::TBRead1, Ctl::TBRead2}}) {
        if (value(first) == 0 && value(second) == 0) {
            p.main.setText(first, QString());
            p.main.setText(second, QString());
        }
    }
    EmptyWhenZero(p,
                  {Ctl::LAdd1, Ctl::LAdd2, Ctl::OCost1, Ctl::OCost2, Ctl::DCharge1, Ctl::DCharge2},
                  locale);

    p.step(127);
    for (Ctl c : {Ctl::Date1, Ctl::Date2, Ctl::Date3, Ctl::Date4}) {
        if (const auto date = ParseDate(p.main.text(c), locale))
            p.main.setText(c, FieldDateText(*date, locale));
    }
}

void CheckInputFields(Program& p) {
    Trapped(p, "Check Data Error", [&] {
        p.step(121);
        const QLocale locale = p.desktop.locale();
        QString all;
        for (Ctl c : kCheckedFields) all += p.main.text(c);
        if (all.isEmpty()) {
            Fail(p, QStringLiteral("No Tank Readings or Deliveries to Calculate"));
        } else {
            CheckFields(p, locale);
        }

        p.step(125);
        if (p.st.InhibitMode == 1) p.st.SaveError.clear();

        p.step(126);
        if (p.st.SaveError.isEmpty()) NormaliseInputFields(p);
    });
}

}  // namespace tw
