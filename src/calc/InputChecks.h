#pragma once

namespace tw {
class Program;

// Each reading and delivery field on its own; normalises them when all pass.
void CheckInputFields(Program& p);

}  // namespace tw
