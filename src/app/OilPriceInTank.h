#pragma once

namespace tw {
class Program;

// The price of the oil already in the tank at reading 1 is asked for only while no
// value for that oil was carried from the last saved calculation: shows the field
// and its label then, hides and empties them otherwise.
void OfferOilPriceInTank(Program& p);

// While the field is offered, the value of the oil at reading 1 is that oil priced
// as the field says (none when it is empty). Needs the volumes of the calculation.
void PriceOilInTank(Program& p);

}  // namespace tw
