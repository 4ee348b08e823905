#pragma once

namespace tw {
class Program;

// Gives every result field its display form (see FormattedResults).
void TidyOutput(Program& p);

// After a calculation: empties the readings of tanks without oil or capacity and
// shortens over-long dates (see TidiedInput).
void TidyInput(Program& p);

}  // namespace tw
