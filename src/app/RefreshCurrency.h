#pragma once

namespace tw {
class Program;

// Keeps the price fields, tax captions and cost tooltips in step with the user's
// currency and the oil tax rate; optionally strips and re-adds the currency symbol.
// While SaveError holds messages, no symbol is stripped or added.
void RefreshCurrency(Program& p, bool stripSymbols, bool addSymbols);

}  // namespace tw
