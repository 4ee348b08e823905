#include "calc/StatementPeriod.h"

#include <QRegularExpression>

namespace tw {

QString StatementPeriod::name() const {
    if (!season) return QString::number(start.year());
    return QStringLiteral("%1/%2").arg(start.year()).arg((start.year() + 1) % 100, 2, 10, QLatin1Char('0'));
}

StatementPeriod StatementPeriod::previous() const {
    return {start.addYears(-1), end.addYears(-1), season};
}

StatementPeriod HeatingSeason(int startYear) {
    return {QDate(startYear, 7, 1), QDate(startYear + 1, 7, 1), true};
}

StatementPeriod CalendarYear(int year) { return {QDate(year, 1, 1), QDate(year + 1, 1, 1), false}; }

StatementPeriod SeasonOf(const QDate& day) {
    return HeatingSeason(day.month() >= 7 ? day.year() : day.year() - 1);
}

std::optional<StatementPeriod> ParseStatementPeriod(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})(?:[/-](\\d{2}|\\d{4}))?$"));
    const auto match = form.match(text.trimmed());
    if (!match.hasMatch()) return std::nullopt;
    const int year = match.captured(1).toInt();
    if (year < 1900 || year > 9998) return std::nullopt;
    const QString second = match.captured(2);
    if (second.isEmpty()) return CalendarYear(year);
    const int next = second.size() == 2 ? (year / 100) * 100 + second.toInt() : second.toInt();
    // "1999/00" ends in the next century.
    if (next != year + 1 && !(second.size() == 2 && next + 100 == year + 1)) return std::nullopt;
    return HeatingSeason(year);
}

}  // namespace tw
