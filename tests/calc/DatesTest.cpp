// Dates typed into fields and the forms the program writes, in several locales.
#include <gtest/gtest.h>

#include "calc/FieldDate.h"
#include "calc/Fields.h"
#include "calc/Formats.h"

using namespace tw;

static QString Iso(const std::optional<QDate>& date) {
    return date ? date->toString(Qt::ISODate) : QStringLiteral("none");
}

TEST(Dates, ReadByTheLocalesRules) {
    struct Row { const char* name; const char* locale; QString text; const char* iso; };
    const Row rows[] = {
        {"gbDashes", "en_GB", "01-01-2000", "2000-01-01"}, {"gbDayFirst", "en_GB", "05/03/2010", "2010-03-05"},
        {"gbDots", "en_GB", "5.3.2010", "2010-03-05"}, {"gbYear29", "en_GB", "01/01/29", "2029-01-01"},
        {"gbYear30", "en_GB", "01/01/30", "2030-01-01"}, {"gbThreeDigitYear", "en_GB", "01/01/200", "none"},
        {"gbMixedSeparators", "en_GB", "01-01/2000", "none"}, {"gbIso", "en_GB", "2010-03-05", "2010-03-05"},
        {"gbMonthName", "en_GB", "05-mar-2010", "2010-03-05"}, {"gbFullMonth", "en_GB", "5 March 2010", "2010-03-05"},
        {"gbSept", "en_GB", "15-Sept-2010", "2010-09-15"}, {"gbLeapDay", "en_GB", "29/02/2012", "2012-02-29"},
        {"gbNoLeapDay", "en_GB", "29/02/2010", "none"}, {"gbMonthFirstRefused", "en_GB", "12/31/2010", "none"},
        {"gbDayZero", "en_GB", "00/03/2010", "none"}, {"gbWithTime", "en_GB", "05/03/2010 10:30", "none"},
        {"gbNumber", "en_GB", "12.30", "none"}, {"gbEmpty", "en_GB", "", "none"},
        {"usShort", "en_US", "3/5/10", "2010-03-05"}, {"usDayFirstRefused", "en_US", "31/12/2010", "none"},
        {"deShort", "de_DE", "05.03.10", "2010-03-05"}, {"usYear30", "en_US", "5/1/30", "2030-05-01"}, {"deYear99", "de_DE", "31.12.99", "2099-12-31"}, {"deMonthName", "de_DE", QString::fromUtf8("5. März 2010"), "2010-03-05"},
        {"deAbbreviation", "de_DE", "05-Jan.-2010", "2010-01-05"}, {"deEnglishName", "de_DE", "24-Dec-2010", "2010-12-24"},
        {"deInvalidDay", "de_DE", "31.02.2010", "none"}, {"frJuly", "fr_FR", "14-juil.-2010", "2010-07-14"}, {"frShort", "fr_FR", "14/07/2010", "2010-07-14"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QLocale locale(QString::fromLatin1(r.locale));
        EXPECT_EQ(Iso(ParseDate(r.text, locale)), r.iso);
        EXPECT_EQ(IsDateText(r.text, locale), QString(r.iso) != "none");
    }
}

TEST(Dates, WrittenFormsPerLocale) {
    struct Row { const char* locale; QDateTime when; const char* longDate, *shortDate, *stamp, *shortStamp; };
    const Row rows[] = {
        {"en_GB", {{2010, 3, 5}, {7, 8, 9}}, "05-Mar-2010", "05/03/2010", "05/03/2010 07:08:09", "05-Mar-10 07:08:09"},
        {"en_US", {{2050, 12, 31}, {13, 0, 0}}, "31-Dec-2050", "12/31/2050", "12/31/2050 13:00:00", "31-Dec-50 13:00:00"},
        {"de_DE", {{2000, 12, 24}, {18, 30, 5}}, "24-Dez-2000", "24.12.2000", "24.12.2000 18:30:05", "24-Dez-00 18:30:05"},
        // The French cut names collide ("jui"), so the English ones stand in.
        {"fr_FR", {{2010, 7, 14}, {12, 0, 0}}, "14-Jul-2010", "14/07/2010", "14/07/2010 12:00:00", "14-Jul-10 12:00:00"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.locale);
        const QLocale locale(QString::fromLatin1(r.locale));
        EXPECT_EQ(LongDate(r.when.date(), locale), QString::fromUtf8(r.longDate));
        EXPECT_EQ(ShortDate(r.when.date(), locale), r.shortDate);
        EXPECT_EQ(TimeStamp(r.when, locale), r.stamp);
        EXPECT_EQ(ShortStamp(r.when, locale), QString::fromUtf8(r.shortStamp));
        // Whatever the locale writes reads back as the same date; a shown date is the
        // date written into a field.
        for (int month = 1; month <= 12; ++month) {
            const QDate d(2031, month, 28);
            EXPECT_EQ(LongDate(d, locale).size(), 11);
            EXPECT_EQ(ParseDate(LongDate(d, locale), locale), d);
            EXPECT_EQ(ParseDate(FieldDateText(d, locale), locale), d);
            EXPECT_EQ(ShortDate(d, locale), FieldDateText(d, locale));
        }
    }
}

