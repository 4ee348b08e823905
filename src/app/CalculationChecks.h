#pragma once
#include <QString>

#include "calc/CrossChecks.h"

namespace tw {
class Program;

// Which readings the window holds empty (see EmptyReadingsOf).
EmptyReadings TakeEmptyReadings(const Program& p);

// Each reading and delivery field on its own, messages to SaveError; rewrites the
// fields into their normal form when all pass.
void CheckInputFields(Program& p);

// Fields judged against each other, messages to SaveError; missing readings are
// judged on `typed`.
void CheckCombinations(Program& p, const EmptyReadings& typed);

// The fingerprint of the window's calculation inputs.
QString BuildInputFingerprint(Program& p);

}  // namespace tw
