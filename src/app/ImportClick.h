#pragma once
#include <QString>

namespace tw {
class Program;

// The History window's Import: reads the file, asks the day order of its dates
// when they do not tell it, shows the periods it would save (or every refused
// row) and, once the user agrees, saves them all or none.
void ImportFromFile(Program& p, const QString& absolutePath);

}  // namespace tw
