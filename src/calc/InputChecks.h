#pragma once

namespace tw {
class Program;

// Each reading and delivery field on its own; normalises them when all pass.
void CheckInputFields(Program& p);
// The rewrite that follows passing checks: readings to tenths (volumes whole),
// amounts whole, prices to four decimals, charges to two, zeros emptied, dates in
// the user's short form.
void NormaliseInputFields(Program& p);

}  // namespace tw
