#include "calc/Currency.h"

#include "app/Program.h"

namespace tw {

void RefreshCurrency(Program&, bool, bool) {}

}  // namespace tw
