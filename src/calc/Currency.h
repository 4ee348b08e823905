#pragma once
#include <QString>
#include <vector>

#include "platform/MainControls.h"

namespace tw {

// The text without the currency symbol: in front ("£12.50", "-£3.00") or, where the
// locale writes it after the number, at the end ("12,50 €"), with the blank that
// separates it; a bracketed amount ("(£3.00)") becomes a negative one. An empty symbol
// (the C locale) strips nothing; a text without the symbol is returned as it is.
QString StripCurrencySymbol(const QString& text, const QString& symbol);

// "VAT" where the currency is the pound or the euro, "Tax" everywhere else.
QString TaxWordOf(const QString& currencySymbol);

// A caption (or, with `tooltip`, a tooltip) to show on one control.
struct ControlText {
    Ctl control;
    bool tooltip;
    QString text;
};

// Every caption and tooltip that names the tax, for the tax word and whether oil is
// taxed at all (the cost columns read differently without oil tax).
std::vector<ControlText> TaxTexts(const QString& taxWord, bool oilTaxed);

}  // namespace tw
