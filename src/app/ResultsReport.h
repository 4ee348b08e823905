#pragma once

namespace tw {
class Program;

// Composes the readable results report of a calculation into ReportText.
void BuildReport(Program& p);

}  // namespace tw
