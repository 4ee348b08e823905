#pragma once

namespace tw {
class Program;

void TidyOutput(Program& p);
void TidyInput(Program& p);

}  // namespace tw
