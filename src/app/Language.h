#pragma once
#include <QString>
#include <QStringList>

namespace tw {

// The languages the windows are translated into, besides English.
QStringList TranslatedLanguages();

// The language the windows speak: the one --lang asks for ("de", "fr", "en", or a
// locale name such as "de_AT"), else the first of the desktop's languages the program
// has; English for anything else.
QString ChooseLanguage(const QString& asked, const QStringList& desktopLanguages);

}  // namespace tw
