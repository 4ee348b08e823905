#include "logs/DeliveryLog.h"

#include "app/Program.h"

namespace tw {

void BuildDeliveryLines(Program&) {}

}  // namespace tw
