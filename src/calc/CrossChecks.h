#pragma once

namespace tw {
class Program;

// Fields judged against each other: dates, half-filled deliveries, readings and tanks.
void CheckCombinations(Program& p);

}  // namespace tw
