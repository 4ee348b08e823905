#include "calc/Tidy.h"

#include "app/Program.h"

namespace tw {

void TidyOutput(Program&) {}
void TidyInput(Program&) {}

}  // namespace tw
