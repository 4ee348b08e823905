#include "calc/FieldDate.h"

namespace tw {

namespace {

// The short date pattern with a two-digit year field ("yy") widened to "yyyy".
// Quoted literal text is copied as it is.
QString FullYearPattern(const QString& pattern) {
    QString widened;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (quoted || c != QLatin1Char('y')) {
            widened += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == QLatin1Char('y')) ++run;
        widened += run == 2 ? QStringLiteral("yyyy") : QString(run, QLatin1Char('y'));
        i += run;
    }
    return widened;
}

}  // namespace

QString FieldDateText(const QDate& date, const QLocale& locale) {
    if (!date.isValid()) return {};
    return locale.toString(date, FullYearPattern(locale.dateFormat(QLocale::ShortFormat)));
}

}  // namespace tw
