#pragma once

namespace tw {
class Program;

void ClearInputFields(Program& p);
void ClearActualResults(Program& p);
void ClearPredictedResults(Program& p);
// The Clear button: everything above, the fingerprints and the oil value forgotten.
void ClearClick(Program& p);

}  // namespace tw
