#include "logs/Archive.h"

#include "app/Program.h"

namespace tw {

void ArchiveClick(Program&) {}

}  // namespace tw
