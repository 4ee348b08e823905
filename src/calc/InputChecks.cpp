#include "calc/InputChecks.h"

#include "app/Program.h"

namespace tw {

void CheckInputFields(Program&) {}

}  // namespace tw
