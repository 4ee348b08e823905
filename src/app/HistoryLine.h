#pragma once

namespace tw {
class Program;

// Composes HistoryLine (with a column header when needed); may add to SaveError.
void BuildHistoryLine(Program& p);

}  // namespace tw
