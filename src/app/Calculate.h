#pragma once

namespace tw {
class Program;

// The Calc button: checks, volumes, use, costs, prediction, tidying, log records.
void Calculate(Program& p);

}  // namespace tw
