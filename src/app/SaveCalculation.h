#pragma once

namespace tw {
class Program;

void SaveCalculation(Program& p);
void SaveClick(Program& p);

}  // namespace tw
