#include "calc/Tidy.h"

#include "app/FatalDump.h"
#include "app/Program.h"
#include "calc/Currency.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"

namespace tw {

namespace {

enum class Pattern { Whole, OneDecimal, Currency };

struct FieldPattern {
    Ctl field;
    Pattern pattern;
};

// In the order the fields are formatted.
const FieldPattern kResultPatterns[] = {
    {Ctl::TankT, Pattern::Whole},       {Ctl::TankTP, Pattern::Whole},
    {Ctl::TCost, Pattern::Currency},    {Ctl::TCostP, Pattern::Currency},
    {Ctl::TVCost, Pattern::Currency},   {Ctl::TVCostP, Pattern::Currency},
    {Ctl::DCost, Pattern::Currency},    {Ctl::VCost, Pattern::Currency},
    {Ctl::VCostP, Pattern::Currency},   {Ctl::TCO2, Pattern::Whole},
    {Ctl::TCO2P, Pattern::Whole},       {Ctl::DCO2, Pattern::OneDecimal},
    {Ctl::OLeft, Pattern::Whole},
};

const Ctl kCurrencyFields[] = {Ctl::TCost, Ctl::TCostP, Ctl::TVCost, Ctl::TVCostP,
                               Ctl::DCost, Ctl::VCost,  Ctl::VCostP};

// A zero result says nothing; the oil left (OLeft) is not among these, 0 left is news.
const Ctl kBlankedWhenZero[] = {Ctl::TankT, Ctl::TankTP, Ctl::TCost,  Ctl::TCostP,
                                Ctl::TVCost, Ctl::TVCostP, Ctl::DCost, Ctl::VCost,
                                Ctl::VCostP, Ctl::TCO2,   Ctl::TCO2P, Ctl::DCO2};

QString Formatted(double value, Pattern pattern, const QLocale& locale) {
    switch (pattern) {
    case Pattern::Whole: return FixedNumber(value, 0, locale);
    case Pattern::OneDecimal: return FixedNumber(value, 1, locale);
    case Pattern::Currency: return CurrencyText(value, locale);
    }
    return {};
}

// A date text longer than the "dd-mmm-yyyy" form is shortened to it; shorter texts
// and texts that hold no date stay as they are.
void ShortenLongDate(Program& p, Ctl field, const QLocale& locale) {
    const QString text = p.main.text(field);
    if (text.size() <= 11) return;
    if (const auto date = ParseDate(text, locale)) p.main.setText(field, LongDate(*date, locale));
}

}  // namespace

void TidyOutput(Program& p) {
    Trapped(p, "Tidy Output Error", [&] {
        MainModel& m = p.main;
        const QLocale locale = p.desktop.locale();
        p.step(231);
        for (Ctl c : kCurrencyFields)
            m.setText(c, StripCurrencySymbol(m.text(c), p.st.CurrencySymbol));
        for (Ctl c : kBlankedWhenZero)
            if (ShownValue(m.text(c), locale) == 0) m.setText(c, QString());

        p.step(232);
        for (const FieldPattern& fp : kResultPatterns) {
            const QString text = m.text(fp.field);
            if (text.isEmpty()) continue;
            m.setText(fp.field, Formatted(ShownValue(text, locale), fp.pattern, locale));
        }

        p.step(233);
        ShortenLongDate(p, Ctl::FillDate, locale);
        // Without oil tax only the costs including tax are shown.
        if (ShownValue(m.text(Ctl::VRate), locale) == 0) {
            m.setText(Ctl::TCost, QString());
            m.setText(Ctl::TCostP, QString());
        }
    });
}

void TidyInput(Program& p) {
    Trapped(p, "Tidy Input Error", [&] {
        MainModel& m = p.main;
        const QLocale locale = p.desktop.locale();
        p.step(261);
        const bool noOil = p.st.OilAtReading1 == 0 && p.st.OilAtReading2 == 0;
        if (ShownValue(m.text(Ctl::TankACap), locale) == 0 || noOil) {
            m.setText(Ctl::TARead1, QString());
            m.setText(Ctl::TARead2, QString());
        }
        if (ShownValue(m.text(Ctl::TankBCap), locale) == 0 || noOil) {
            m.setText(Ctl::TBRead1, QString());
            m.setText(Ctl::TBRead2, QString());
        }
        for (Ctl c : {Ctl::Date1, Ctl::Date2, Ctl::Date3, Ctl::Date4}) ShortenLongDate(p, c, locale);
    });
}

}  // namespace tw
