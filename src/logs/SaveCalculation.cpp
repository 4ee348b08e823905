#include "logs/SaveCalculation.h"

#include "app/Program.h"

namespace tw {

void SaveCalculation(Program&) {}
void SaveClick(Program&) {}

}  // namespace tw
