#pragma once

namespace tw {
class Program;

// Which readings the user left empty. Taken before the input checks, which write
// "0.0" into an empty reading, so that a missing reading is refused, not read as
// an empty tank.
struct EmptyReadings {
    bool a1 = false, a2 = false, b1 = false, b2 = false;
};
EmptyReadings TakeEmptyReadings(const Program& p);

// Fields judged against each other: dates, half-filled deliveries, readings and
// tanks. Missing readings are judged on `typed`; the first form takes the fields
// as they stand.
void CheckCombinations(Program& p);
void CheckCombinations(Program& p, const EmptyReadings& typed);

}  // namespace tw
