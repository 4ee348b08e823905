#pragma once
#include <QString>

namespace tw {
class Program;

// The tank setup as one text, compared to notice a change between saves.
QString CurrentTankSignature(Program& p);
// Composes HistoryLine (with a column header when needed); may add to SaveError.
void BuildHistoryLine(Program& p);

}  // namespace tw
