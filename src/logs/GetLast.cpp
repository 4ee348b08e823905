#include "logs/GetLast.h"

#include "app/Program.h"

namespace tw {

void GetLastClick(Program&) {}

}  // namespace tw
