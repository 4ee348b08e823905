#include "calc/Units.h"

#include "app/Program.h"

namespace tw {

void ApplyUnits(Program&) {}
void UnitBoxClicked(Program&) {}
void TankAUClicked(Program&) {}
void TankBUClicked(Program&) {}
void TankASSelected(Program&) {}
void TankBSSelected(Program&) {}
void FirstReadingEdited(Program&) {}

}  // namespace tw
