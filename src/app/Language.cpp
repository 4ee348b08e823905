#include "app/Language.h"

#include <QRegularExpression>

namespace tw {

namespace {
// "de-DE", "de_AT" and "DE" all name German.
QString BaseLanguage(const QString& name) {
    return name.section(QRegularExpression(QStringLiteral("[-_.@]")), 0, 0).toLower();
}
}  // namespace

QStringList TranslatedLanguages() {
    return {QStringLiteral("de"), QStringLiteral("fr")};
}

QString ChooseLanguage(const QString& asked, const QStringList& desktopLanguages) {
    const QString english = QStringLiteral("en");
    if (!asked.isEmpty()) {
        const QString base = BaseLanguage(asked);
        return TranslatedLanguages().contains(base) ? base : english;
    }
    // The desktop lists languages by preference: an English one before German wins.
    for (const QString& name : desktopLanguages) {
        const QString base = BaseLanguage(name);
        if (base == english || TranslatedLanguages().contains(base)) return base;
    }
    return english;
}

}  // namespace tw
