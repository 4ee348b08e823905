#pragma once

namespace tw {
class Program;

void ArchiveClick(Program& p);

}  // namespace tw
