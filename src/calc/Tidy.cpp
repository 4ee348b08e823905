#include "calc/Tidy.h"

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

}  // namespace

QString ShortenedDate(const QString& text, const QLocale& locale) {
    if (text.size() <= 11) return text;
    if (const auto date = ParseDate(text, locale)) return LongDate(*date, locale);
    return text;
}

FieldTexts BareResults(const FieldTexts& results, const QString& currencySymbol,
                       const QLocale& locale) {
    FieldTexts r = results;
    for (const FieldPattern& fp : kResultPatterns)
        if (fp.pattern == Pattern::Currency)
            r.setText(fp.field, StripCurrencySymbol(r.text(fp.field), currencySymbol));
    for (Ctl c : kBlankedWhenZero)
        if (ShownValue(r.text(c), locale) == 0) r.setText(c, QString());
    return r;
}

FieldTexts FormattedResults(const FieldTexts& results, const QLocale& locale) {
    FieldTexts r = results;
    for (const FieldPattern& fp : kResultPatterns) {
        const QString text = r.text(fp.field);
        if (!text.isEmpty()) r.setText(fp.field, Formatted(ShownValue(text, locale), fp.pattern, locale));
    }
    return r;
}

FieldTexts FinishedResults(const FieldTexts& results, const QLocale& locale) {
    FieldTexts r = results;
    r.setText(Ctl::FillDate, ShortenedDate(r.text(Ctl::FillDate), locale));
    // Without oil tax only the costs including tax are shown.
    if (ShownValue(r.text(Ctl::VRate), locale) == 0) {
        r.setText(Ctl::TCost, QString());
        r.setText(Ctl::TCostP, QString());
    }
    return r;
}

FieldTexts TidiedInput(const FieldTexts& fields, bool noOil, const QLocale& locale) {
    FieldTexts f = fields;
    if (ShownValue(f.text(Ctl::TankACap), locale) == 0 || noOil) {
        f.setText(Ctl::TARead1, QString());
        f.setText(Ctl::TARead2, QString());
    }
    if (ShownValue(f.text(Ctl::TankBCap), locale) == 0 || noOil) {
        f.setText(Ctl::TBRead1, QString());
        f.setText(Ctl::TBRead2, QString());
    }
    for (Ctl c : {Ctl::Date1, Ctl::Date2, Ctl::Date3, Ctl::Date4})
        f.setText(c, ShortenedDate(f.text(c), locale));
    return f;
}

}  // namespace tw
