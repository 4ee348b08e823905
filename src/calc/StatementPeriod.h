#pragma once
#include <QDate>
#include <QString>
#include <optional>

namespace tw {

// The span a statement covers: a heating season (1 July to 30 June) or a calendar
// year. `end` is the day after the last one, so a season's closing stock is the oil
// at the start of the next 1 July.
struct StatementPeriod {
    QDate start, end;
    bool season = true;

    // "2024/25" or "2024".
    QString name() const;
    // The same span one year earlier.
    StatementPeriod previous() const;
    QDate lastDay() const { return end.addDays(-1); }
    bool operator==(const StatementPeriod&) const = default;
};

StatementPeriod HeatingSeason(int startYear);
StatementPeriod CalendarYear(int year);
// The heating season that holds the day.
StatementPeriod SeasonOf(const QDate& day);

// "2024/25" (or "2024/2025", "2024-25") names a heating season, "2024" a calendar
// year; nothing for any other text or a season whose years do not follow on.
std::optional<StatementPeriod> ParseStatementPeriod(const QString& text);

}  // namespace tw
