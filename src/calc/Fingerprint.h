#pragma once
#include <QString>

namespace tw {
class Program;

// Everything a calculation depends on, joined into one text, so that a second click
// on unchanged data can be refused. The heating boxes of reading 1 (CHeat1, WHeat1)
// are left out: they describe the previous period and do not change the result.
QString BuildInputFingerprint(Program& p);

}  // namespace tw
