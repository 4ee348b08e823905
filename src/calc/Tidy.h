#pragma once

namespace tw {
class Program;

// Gives every result field its display form: currency amounts in the user's currency
// format, quantities as whole numbers, zero results as empty fields. Running it
// again on its own output changes nothing.
void TidyOutput(Program& p);

// After a calculation: empties the readings of a tank without capacity (or of both
// tanks when no oil was found at either reading) and rewrites over-long dates as
// "dd-mmm-yyyy".
void TidyInput(Program& p);

}  // namespace tw
