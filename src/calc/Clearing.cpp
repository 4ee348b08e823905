#include "calc/Clearing.h"

#include "app/Program.h"

namespace tw {

void ClearInputFields(Program&) {}
void ClearActualResults(Program&) {}
void ClearPredictedResults(Program&) {}
void ClearClick(Program&) {}

}  // namespace tw
