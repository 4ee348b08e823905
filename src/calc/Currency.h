#pragma once
#include <QString>

namespace tw {
class Program;

// Keeps the price fields, tax captions and cost tooltips in step with the user's
// currency and the oil tax rate; optionally strips and re-adds the currency symbol.
// While SaveError holds messages, no symbol is stripped or added.
void RefreshCurrency(Program& p, bool stripSymbols, bool addSymbols);

// The text without the currency symbol: in front ("£12.50", "-£3.00") or, where the
// locale writes it after the number, at the end ("12,50 €"), with the blank that
// separates it; a bracketed amount ("(£3.00)") becomes a negative one. An empty symbol (the C locale) strips nothing; a text without the
// symbol is returned as it is.
QString StripCurrencySymbol(const QString& text, const QString& symbol);

}  // namespace tw
