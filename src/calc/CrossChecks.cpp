#include "calc/CrossChecks.h"

#include "app/Program.h"

namespace tw {

void CheckCombinations(Program&) {}

}  // namespace tw
