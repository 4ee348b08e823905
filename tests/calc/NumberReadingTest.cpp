// Over generated typings in six locales: a text the checks accept is read by the
// normalisation and the calculation as the value the field then shows.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <cmath>

#include "calc/Fields.h"
#include "calc/InputChecks.h"

using namespace tw;

namespace {

// One field, its reading mode and how its normalised form rounds the typed value.
struct Target {
    Ctl field;
    bool volume;
    double low, high;
    double step;     // the shown form's unit: 0.1, 1, 0.0001, 0.01
    bool floored;    // whole amounts and volumes are cut, not rounded
};

// A volume reading passes through its tenths form before it is made whole, so it
// may end a whole unit above its floor.
const Target kTargets[] = {
    {Ctl::TARead1, false, 0, 300, 0.1, false}, {Ctl::TARead2, true, 0, 9999, 2, false},
    {Ctl::LAdd1, false, 100, 9999, 1, true},   {Ctl::OCost1, false, 0.1, 9.99, 0.0001, false},
    {Ctl::DCharge1, false, 5, 100, 0.01, false},
};

// The ways a household types one value: the locale's own grouped form, plain
// digits, a period as the point, blanks as group separators, a stray letter.
QStringList Typings(double value, int decimals, const QLocale& locale, QRandomGenerator& random) {
    QStringList texts;
    texts << locale.toString(value, 'f', decimals);
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    texts << plain.toString(value, 'f', decimals);
    texts << QString::number(value, 'f', decimals);
    QString blanks = locale.toString(value, 'f', decimals);
    blanks.replace(locale.groupSeparator(), QStringLiteral(" "));
    texts << blanks;
    texts << QString::number(value, 'f', decimals) + QLatin1Char("Ol,."[random.bounded(4)]);
    texts << QString::number(value, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
    return texts;
}

}  // namespace

TEST(NumberReading, AcceptedTextIsReadAsTheValueItShows) {
    QRandomGenerator random(19);
    for (const char* name : {"en_GB", "en_US", "de_DE", "de_CH", "fr_FR", "pl_PL"}) {
        const QLocale locale(QString::fromLatin1(name));
        int accepted = 0;
        for (const Target& t : kTargets) {
            for (int round = 0; round < 60; ++round) {
                const double value = t.low + random.generateDouble() * (t.high - t.low) * 1.2;
                for (const QString& text : Typings(value, random.bounded(5), locale, random)) {
                    FieldTexts f;
                    f.setTicked(Ctl::TankAU, t.volume);
                    f.setText(t.field, text);
                    if (!InputFieldMessages(f, locale).isEmpty()) continue;
                    ++accepted;
                    SCOPED_TRACE(QStringLiteral("%1 %2 \"%3\"").arg(name).arg(int(t.field)).arg(text).toStdString());
                    const auto typed = LocaleNumber(text, locale);
                    ASSERT_TRUE(typed.has_value());
                    if (*typed != 0) {  // 0 stands for an empty delivery field
                        EXPECT_GE(*typed, t.low);
                        EXPECT_LE(*typed, t.high);
                    }
                    const QString shown = NormalisedNumbers(f, locale).text(t.field);
                    // What the calculation reads is what the field shows (an emptied
                    // zero reads as 0), and the checks read that form back the same.
                    if (!shown.isEmpty()) {
                        ASSERT_TRUE(LocaleNumber(shown, locale).has_value()) << shown.toStdString();
                    }
                    const double read = NumberValue(shown, locale);
                    const double expected = t.floored ? std::floor(*typed) : *typed;
                    EXPECT_NEAR(read, expected, t.step / 2 + 1e-9) << shown.toStdString();
                    f.setText(t.field, shown);
                    if (!shown.isEmpty()) {
                        EXPECT_EQ(InputFieldMessages(f, locale), QStringList());
                    }
                }
            }
        }
        EXPECT_GT(accepted, 200) << name;  // the generator reaches the checks' ranges
    }
}
