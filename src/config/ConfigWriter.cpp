#include "config/ConfigWriter.h"

#include "app/Program.h"

namespace tw {

QString ComposeConfiguration(Program&) { return {}; }
void SaveDefaultsClick(Program&) {}
void ResetDefaultsClick(Program&) {}

}  // namespace tw
