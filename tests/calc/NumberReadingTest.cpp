// Over generated typings in six locales: a text the checks accept is read by the
// normalisation and the calculation as the value the field then shows.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <cmath>

#include "calc/Fields.h"
#include "calc/InputChecks.h"

using namespace tw;

TEST(NumberReading, AcceptedTextIsReadAsTheValueItShows) {
    // A field, its mode, its bounds and how far its shown form may lie from the
    // typed value: tenths, a volume made whole through its tenths form, whole
    // litres cut down, four and two decimals.
    const struct { Ctl field; bool volume; double low, high, off; bool cut; } targets[] = {
        {Ctl::TARead1, false, 0, 300, 0.05, false}, {Ctl::TARead2, true, 0, 9999, 1, false},
        {Ctl::LAdd1, false, 100, 9999, 0, true}, {Ctl::OCost1, false, 0.1, 9.99, 0.00005, false},
        {Ctl::DCharge1, false, 5, 100, 0.005, false}};
    QRandomGenerator random(19);
    for (const char* name : {"en_GB", "en_US", "de_DE", "de_CH", "fr_FR", "pl_PL"}) {
        const QLocale locale(QString::fromLatin1(name));
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        int accepted = 0;
        for (const auto& t : targets) {
            for (int round = 0; round < 60; ++round) {
                const double value = t.low + random.generateDouble() * (t.high - t.low) * 1.2;
                const int decimals = random.bounded(5);
                // The locale's grouped and plain forms, a period point, blanks for the
                // groups, a comma point and a stray letter.
                const QString c = QString::number(value, 'f', decimals);
                const QString typings[] = {
                    locale.toString(value, 'f', decimals), plain.toString(value, 'f', decimals), c,
                    locale.toString(value, 'f', decimals).replace(locale.groupSeparator(), " "),
                    QString(c).replace('.', ','), c + QLatin1Char("Ol"[random.bounded(2)])};
                for (const QString& text : typings) {
                    FieldTexts f;
                    f.setTicked(Ctl::TankAU, t.volume);
                    f.setText(t.field, text);
                    if (!InputFieldMessages(f, locale).isEmpty()) continue;
                    ++accepted;
                    SCOPED_TRACE(QStringLiteral("%1 %2 \"%3\"").arg(name).arg(int(t.field)).arg(text).toStdString());
                    const auto typed = LocaleNumber(text, locale);
                    ASSERT_TRUE(typed.has_value());
                    EXPECT_TRUE(*typed == 0 || (*typed >= t.low && *typed <= t.high));  // 0: empty
                    // The calculation reads the shown form (an emptied zero as 0), and
                    // the checks accept that form again.
                    const QString shown = NormalisedNumbers(f, locale).text(t.field);
                    EXPECT_TRUE(shown.isEmpty() || LocaleNumber(shown, locale)) << shown.toStdString();
                    EXPECT_NEAR(NumberValue(shown, locale), t.cut ? std::floor(*typed) : *typed, t.off + 1e-9);
                    f.setText(t.field, shown);
                    EXPECT_TRUE(shown.isEmpty() || InputFieldMessages(f, locale).isEmpty());
                }
            }
        }
        EXPECT_GT(accepted, 200) << name;  // the generator reaches the checks' ranges
    }
}
