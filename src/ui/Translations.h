#pragma once
#include <QString>
#include <QStringList>

namespace tw {

// Installs the program's translation and Qt's own (for the standard dialogs' buttons)
// for a language ChooseLanguage gave; English needs none. Returns false when the
// program's translation file was not found, so the windows stay English.
bool InstallTranslations(const QString& language);

// Installs the translations of the language --lang asks for among the program's
// `arguments`, else of the desktop's; warns on stderr when they cannot be found.
// Returns the language now spoken ("en" when none could be installed).
// Called as soon as the application exists, before any text is made, so that the
// windows and the terminal's answers alike speak it.
QString SpeakChosenLanguage(const QStringList& arguments);

}  // namespace tw
