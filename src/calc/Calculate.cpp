#include "calc/Calculate.h"

#include "app/Program.h"

namespace tw {

void Calculate(Program&) {}

}  // namespace tw
