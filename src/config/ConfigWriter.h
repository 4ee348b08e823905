#pragma once
#include <QString>

namespace tw {
class Program;

// The configuration file's text, exactly as the reader expects it (27 lines, no final
// line end).
QString ComposeConfiguration(Program& p);
void SaveDefaultsClick(Program& p);
void ResetDefaultsClick(Program& p);

}  // namespace tw
