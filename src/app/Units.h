#pragma once

namespace tw {
class Program;

// Unit words, captions and tooltips from the unit and reading-mode check boxes.
void ApplyUnits(Program& p);
void UnitBoxClicked(Program& p);           // TUnitsAT, TUnitsBT, TUnitsCT
void TankAUClicked(Program& p);
void TankBUClicked(Program& p);
void TankASSelected(Program& p);
void TankBSSelected(Program& p);
void FirstReadingEdited(Program& p);       // TARead1, TBRead1

}  // namespace tw
