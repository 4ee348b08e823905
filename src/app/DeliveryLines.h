#pragma once

namespace tw {
class Program;

// Composes DeliveryLine1 and DeliveryLine2; may add to SaveError.
void BuildDeliveryLines(Program& p);

}  // namespace tw
