#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/CommandLine.h"
#include "app/Language.h"

namespace tw {

namespace {
// The build tree keeps the .qm files beside the program, an installation under share/.
QStringList TranslationFolders() {
    const QString bin = QCoreApplication::applicationDirPath();
    return {bin + QStringLiteral("/translations"), bin + QStringLiteral("/../share/tankwise/translations")};
}

bool Install(const QString& name, const QStringList& folders) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders)
        if (translator->load(name, folder)) return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}
}  // namespace

bool InstallTranslations(const QString& language) {
    if (language == QLatin1String("en")) return true;
    Install(QStringLiteral("qt_") + language, {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    return Install(QStringLiteral("tankwise_") + language, TranslationFolders());
}

QString SpeakChosenLanguage(const QStringList& arguments) {
    const QString language = ChooseLanguage(AskedLanguage(arguments), QLocale::system().uiLanguages());
    if (InstallTranslations(language)) return language;
    qWarning("tankwise: no translation for %s found; the program stays English", qPrintable(language));
    return QStringLiteral("en");
}

}  // namespace tw
