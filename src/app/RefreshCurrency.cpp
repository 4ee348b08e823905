#include "app/RefreshCurrency.h"

#include "app/FatalDump.h"
#include "app/Program.h"
#include "calc/Currency.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"

namespace tw {

namespace {

const Ctl kPriceFields[] = {Ctl::OCost1, Ctl::OCost2, Ctl::DCharge1, Ctl::DCharge2, Ctl::OCost0};

}  // namespace

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
                if (!m.text(c).isEmpty()) m.setText(c, WithCurrencySymbol(m.text(c), locale));

        p.step(223);
        st.TaxWord = TaxWordOf(st.CurrencySymbol);
        const bool oilTaxed = ShownValue(m.text(Ctl::VRate), locale) != 0;
        for (const ControlText& t : TaxTexts(st.TaxWord, oilTaxed)) {
            if (t.tooltip) m.setTooltip(t.control, t.text);
            else m.setText(t.control, t.text);
        }
    });
}

}  // namespace tw
