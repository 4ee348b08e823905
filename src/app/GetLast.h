#pragma once

namespace tw {
class Program;

// Brings the last saved reading and the deliveries after it back into the window.
void GetLastClick(Program& p);

}  // namespace tw
