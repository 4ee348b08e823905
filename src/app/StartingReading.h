#pragma once

namespace tw {
class Program;

// Reading 1 typed on its own: the date and reading of the first dip (and perhaps the
// price of that oil), with no second reading and no delivery. Saved alone, it
// starts an empty history log.
bool IsStartingReading(const Program& p);

}  // namespace tw
