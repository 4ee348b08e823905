#pragma once
#include <QString>

namespace tw {

// Installs the program's translation and Qt's own (for the standard dialogs' buttons)
// for a language ChooseLanguage gave; English needs none. Returns false when the
// program's translation file was not found, so the windows stay English.
bool InstallTranslations(const QString& language);

}  // namespace tw
