#include "calc/Currency.h"

#include "app/FatalDump.h"
#include "app/Program.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"

namespace tw {

namespace {

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F); }

const Ctl kPriceFields[] = {Ctl::OCost1, Ctl::OCost2, Ctl::DCharge1, Ctl::DCharge2};

// Captions and tooltips that name the tax, in the column for no oil tax or with it.
void SetTaxTexts(Program& p, bool oilTaxed) {
    MainModel& m = p.main;
    const QString w = p.st.TaxWord;
    auto choose = [&](const QString& none, const QString& taxed) { return oilTaxed ? taxed : none; };
    for (int n : {1, 2}) {
        const QString d = QString::number(n);
        m.setTooltip(n == 1 ? Ctl::DCharge1 : Ctl::DCharge2,
                     choose("Delivery cost for delivery " + d + " ( 0 or between 5 and 100)",
                            "Delivery cost for delivery " + d + " less " + w +
                                " ( 0 or between 5 and 100)"));
        m.setTooltip(n == 1 ? Ctl::OCost1 : Ctl::OCost2,
                     choose("Oil cost for delivery " + d + " (0 or between 0.10 and 9.99)",
                            "Oil cost for delivery " + d + " less " + w +
                                " (0 or between 0.10 and 9.99)"));
    }
    m.setText(Ctl::THead, choose(QString(), "Cost"));
    m.setText(Ctl::TVHead, choose("Total Cost", "Cost (inc " + w + ")"));
    m.setTooltip(Ctl::TVCost, choose("Total Cost", "Total Cost (inc " + w + ")"));
    m.setTooltip(Ctl::TVCostP,
                 choose("Predicted Total Cost", "Predicted Total Cost (inc " + w + ")"));
    m.setTooltip(Ctl::TCost,
                 choose(QString(), "Total Cost before " + w + " (including delivery costs)"));
    m.setTooltip(Ctl::TCostP, choose(QString(), "Predicted Total Cost before " + w +
                                                    " (including delivery costs)"));
    m.setText(Ctl::VCostL, choose(QString(), "Total " + w));
    m.setTooltip(Ctl::VCost, choose(QString(), "Total " + w + " Cost (including delivery " +
                                                   w + ")"));
    m.setTooltip(Ctl::VCostP, choose(QString(), "Total Predicted " + w +
                                                    " Cost (including delivery " + w + ")"));
}

}  // namespace

QString StripCurrencySymbol(const QString& text, const QString& symbol) {
    if (symbol.isEmpty()) return text;
    // Negative amounts in brackets, as some locales write them: "(£3.00)" is -3.00.
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        const QString inner = text.mid(1, text.size() - 2);
        const QString bare = StripCurrencySymbol(inner, symbol);
        if (bare != inner) return QLatin1Char('-') + bare;
        return text;
    }
    QString t = text;
    QString sign;
    if (t.startsWith(QLatin1Char('-')) && t.mid(1).startsWith(symbol)) {
        sign = QStringLiteral("-");
        t.remove(0, 1);
    }
    if (t.startsWith(symbol)) {
        t.remove(0, symbol.size());
        while (!t.isEmpty() && IsBlank(t.front())) t.remove(0, 1);
        return sign + t;
    }
    if (sign.isEmpty() && t.endsWith(symbol)) {
        t.chop(symbol.size());
        while (!t.isEmpty() && IsBlank(t.back())) t.chop(1);
        return t;
    }
    return text;
}

void RefreshCurrency(Program& p, bool stripSymbols, bool addSymbols) {
    Trapped(p, "Currency Format Error", [&] {
        State& st = p.st;
        MainModel& m = p.main;
        p.step(221);
        if (st.SaveError.isEmpty() && stripSymbols)
            for (Ctl c : kPriceFields) m.setText(c, StripCurrencySymbol(m.text(c), st.CurrencySymbol));

        p.step(222);
        const QLocale locale = p.desktop.locale();
        st.CurrencySymbol = CurrencySymbolOf(locale);

        if (st.SaveError.isEmpty() && addSymbols)
            for (Ctl c : kPriceFields)
                if (!m.text(c).isEmpty()) m.setText(c, st.CurrencySymbol + m.text(c));

        p.step(223);
        const bool vat = st.CurrencySymbol == QStringLiteral("£") ||
                         st.CurrencySymbol == QStringLiteral("€");
        m.setText(Ctl::VATH, vat ? "Oil VAT:" : "Oil Tax:");
        m.setText(Ctl::DVATH, vat ? "Del VAT:" : "Del Tax:");
        st.TaxWord = vat ? "VAT" : "Tax";
        m.setTooltip(Ctl::DVRate, "Delivery " + st.TaxWord + " Rate (0 or between 1 and 50%)");
        m.setTooltip(Ctl::VRate, "Oil " + st.TaxWord + " Rate (0 or between 1 and 50%)");
        SetTaxTexts(p, ShownValue(m.text(Ctl::VRate), locale) != 0);
    });
}

}  // namespace tw
