// The display form of the results, the tax captions and the calculation fingerprint.
#include <gtest/gtest.h>

#include "calc/Currency.h"
#include "calc/Fingerprint.h"
#include "calc/Formats.h"
#include "calc/Tidy.h"

using namespace tw;

static FieldTexts Tidied(const FieldTexts& f, const QLocale& locale) {
    const QString symbol = CurrencySymbolOf(locale);
    return FinishedResults(FormattedResults(BareResults(f, symbol, locale), locale), locale);
}

TEST(Tidy, ResultsTakeTheirDisplayFormOnce) {
    struct Row { const char* name; const char* locale; Ctl field; const char* before, *after; };
    const Row rows[] = {
        {"negativeCost", "en_GB", Ctl::TCostP, "-5", "(£5.00)"}, {"formattedCostKept", "en_GB", Ctl::VCost, "£1,234.50", "£1,234.50"},
        {"wholeLitres", "en_GB", Ctl::TankT, "1234.5", "1235"},
        {"co2PerDayTenths", "en_GB", Ctl::DCO2, "3.14159", "3.1"}, {"zeroBlank", "en_GB", Ctl::TCO2, "0", ""},
        {"zeroCostBlank", "en_GB", Ctl::DCost, "£0.00", ""}, {"zeroLeftShown", "en_GB", Ctl::OLeft, "0", "0"},
        {"usDollars", "en_US", Ctl::TVCost, "1234.5", "$1,234.50"}, {"euroAfter", "de_DE", Ctl::TCost, "60", "60,00\u00a0€"},
        {"deThousandthsNotThousands", "de_DE", Ctl::TCost, "1.234", "1,23\u00a0€"},
        {"deTenths", "de_DE", Ctl::DCO2, "3.14159", "3,1"}, {"frEuros", "fr_FR", Ctl::VCostP, "12.5", "12,50\u00a0€"},
        {"noSymbolInC", "C", Ctl::TCost, "12.5", "12.50"}, {"longDateShortened", "en_GB", Ctl::FillDate, "05-March-2011", "05-Mar-2011"},
        {"elevenKept", "en_GB", Ctl::FillDate, "14/10/2009", "14/10/2009"}, {"longNoDateKept", "en_GB", Ctl::FillDate, "not a date!!", "not a date!!"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QLocale locale(QString::fromLatin1(r.locale));
        FieldTexts f{{Ctl::VRate, "5.0"}};
        f.setText(r.field, QString::fromUtf8(r.before));
        const FieldTexts once = Tidied(f, locale);
        EXPECT_EQ(once.text(r.field), QString::fromUtf8(r.after));
        EXPECT_EQ(Tidied(once, locale), once);
    }
    // Without oil tax only the costs including tax are shown.
    const FieldTexts noTax = Tidied({{Ctl::TCost, "5"}, {Ctl::TCostP, "6"}, {Ctl::TVCost, "7"}}, QLocale("en_GB"));
    EXPECT_EQ(noTax.text(Ctl::TCost) + noTax.text(Ctl::TCostP) + noTax.text(Ctl::TVCost), "£7.00");
}

TEST(Tidy, InputKeepsOnlyReadingsOfOil) {
    struct Row { const char* name; const char* capacityB; bool noOil; const char* tankA, *tankB; };
    const Row rows[] = {{"tankWithoutCapacity", "", false, "50.0", ""}, {"zeroCapacity", "0", false, "50.0", ""},
                        {"noOilAtEitherReading", "1000", true, "", ""}, {"bothInUse", "1000", false, "50.0", "50.0"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FieldTexts f{{Ctl::TankACap, "1200"}, {Ctl::TankBCap, r.capacityB}, {Ctl::Date3, "05-March-2011"}};
        for (Ctl c : {Ctl::TARead1, Ctl::TARead2, Ctl::TBRead1, Ctl::TBRead2}) f.setText(c, "50.0");
        const FieldTexts t = TidiedInput(f, r.noOil, QLocale("en_GB"));
        EXPECT_EQ(t.text(Ctl::TARead1) + "|" + t.text(Ctl::TARead2), QString(r.tankA) + "|" + r.tankA);
        EXPECT_EQ(t.text(Ctl::TBRead1) + "|" + t.text(Ctl::TBRead2), QString(r.tankB) + "|" + r.tankB);
        EXPECT_EQ(t.text(Ctl::Date3), "05-Mar-2011");
    }
}

TEST(Fingerprint, JoinsEveryInputInOrderButTheFirstHeatingBoxes) {
    FieldTexts f;
    int n = 0;
    for (Ctl c : kFingerprintFields) f.setText(c, QString::number(++n % 10));
    for (Ctl c : {Ctl::CHeat2, Ctl::TankBU, Ctl::NoHistory}) f.setTicked(c, true);
    const QString print = InputFingerprint("£", f);
    EXPECT_EQ(print, "£1234567810123456789012,30007890123416.");
    for (Ctl c : kFingerprintFields) {
        FieldTexts changed = f;
        changed.setText(c, f.text(c) + "x");
        changed.setTicked(c, !f.ticked(c));
        EXPECT_NE(InputFingerprint("£", changed), print) << int(c);
    }
    f.setTicked(Ctl::CHeat1, true);
    f.setTicked(Ctl::WHeat1, true);
    EXPECT_EQ(InputFingerprint("£", f), print);
    EXPECT_NE(InputFingerprint("€", f), print);
}
