#include "ui/ChartAxes.h"

#include <QDate>
#include <algorithm>
#include <cmath>

namespace tw {

namespace {

constexpr qreal kLabelGap = 10;      // pixels between two labels
constexpr qreal kLabelPadding = 10;  // what the chart keeps beside each label

struct Span {
    qreal from, to;
    bool overlaps(const Span& other) const { return from < other.to + kLabelGap && other.from < to + kLabelGap; }
};

QDate DateAt(qreal ms) { return ChartDate(ms); }
qreal MsOf(const QDate& date) { return ChartMs(date); }

qreal TextWidth(const QFontMetricsF& metrics, const QString& text) {
    qreal widest = 0;
    for (const QString& line : text.split(QStringLiteral("<br>")))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// Every label within its share of the axis.
bool FitsShares(const std::vector<AxisLabel>& labels, qreal width, const QFontMetricsF& metrics) {
    const qreal share = width / qreal(labels.size() + 1) - kLabelPadding;
    return std::all_of(labels.begin(), labels.end(),
                       [&](const AxisLabel& label) { return TextWidth(metrics, label.text) <= share; });
}

// The first of every `step` months from `first` to `last` ("Oct 24", or the year at 12).
std::vector<AxisLabel> MonthLabels(const QDate& first, const QDate& last, int step, const QLocale& locale) {
    std::vector<AxisLabel> labels;
    QDate month(first.year(), first.month(), 1);
    if (month < first) month = month.addMonths(1);
    const QString format = step == 12 ? QStringLiteral("yyyy") : QStringLiteral("MMM yy");
    for (; month <= last; month = month.addMonths(1))
        if ((month.month() - 1) % step == 0) labels.push_back({MsOf(month), locale.toString(month, format)});
    return labels;
}

// Every `step` days from the first of each month ("7 Oct"), none too close to the next first.
std::vector<AxisLabel> DayLabels(const QDate& first, const QDate& last, int step, const QLocale& locale) {
    std::vector<AxisLabel> labels;
    for (QDate day = first; day <= last; day = day.addDays(1))
        if ((day.day() - 1) % step == 0 && (step == 1 || day.day() - 1 + step <= day.daysInMonth()))
            labels.push_back({MsOf(day), locale.toString(day, QStringLiteral("d MMM"))});
    return labels;
}

}  // namespace

QDate ChartDate(qreal ms) {
    return QDate::fromJulianDay(QDate(1970, 1, 1).toJulianDay() + qint64(std::floor(ms / 86400000.0)));
}

std::vector<AxisLabel> TimeAxisLabels(qreal min, qreal max, qreal width,
                                      const std::vector<AxisLabel>& marks,
                                      const QFontMetricsF& metrics, const QLocale& locale) {
    if (!(max > min) || width <= 0) return {};
    const qreal perMs = width / (max - min);
    const auto spanOf = [&](const AxisLabel& label) {
        const qreal x = (label.at - min) * perMs, half = TextWidth(metrics, label.text) / 2;
        return Span{x - half, x + half};
    };

    std::vector<AxisLabel> kept;
    std::vector<Span> taken;
    for (const AxisLabel& mark : marks) {
        if (mark.at < min || mark.at > max) continue;
        const Span span = spanOf(mark);
        if (std::none_of(taken.begin(), taken.end(), [&](const Span& s) { return s.overlaps(span); })) {
            kept.push_back(mark);
            taken.push_back(span);
        }
    }

    const QDate first = DateAt(min), last = DateAt(max);
    // Days for a stretch of weeks (zoomed in), else months.
    const bool weeks = first.daysTo(last) <= 92;
    const QDate firstDay = MsOf(first) < min ? first.addDays(1) : first;
    using Step = std::pair<int, int>;  // days, months
    for (const auto& [days, months] :
         std::initializer_list<Step>{{1, 0}, {2, 0}, {7, 0}, {14, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 6}, {0, 12}}) {
        if (days && !weeks) continue;
        const std::vector<AxisLabel> steps =
            days ? DayLabels(firstDay, last, days, locale) : MonthLabels(first, last, months, locale);
        bool apart = true;
        for (size_t i = 1; i < steps.size() && apart; ++i)
            apart = !spanOf(steps[i - 1]).overlaps(spanOf(steps[i]));
        if (!apart) continue;
        std::vector<AxisLabel> all = kept;
        for (const AxisLabel& step : steps) {
            const Span span = spanOf(step);
            if (std::none_of(taken.begin(), taken.end(), [&](const Span& s) { return s.overlaps(span); }))
                all.push_back(step);
        }
        if (!FitsShares(all, width, metrics)) continue;
        kept = all;
        break;
    }
    std::sort(kept.begin(), kept.end(), [](const AxisLabel& a, const AxisLabel& b) { return a.at < b.at; });
    return kept;
}

ValueScale RoundScaleWithTicks(double top, int ticks) {
    ticks = std::max(2, ticks);
    if (!(top > 0) || !std::isfinite(top)) return {1, ticks};
    const double rough = top / (ticks - 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (factor * power >= rough * (1 - 1e-9)) return {factor * power * (ticks - 1), ticks};
    return {top, ticks};
}

ValueScale RoundScale(double top, int maxTicks) {
    maxTicks = std::max(2, maxTicks);
    if (!(top > 0) || !std::isfinite(top)) return {1, maxTicks};
    const double rough = top / (maxTicks - 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        const double step = factor * power;
        if (step >= rough) {
            const int steps = int(std::ceil(top / step - 1e-9));
            return {step * steps, steps + 1};
        }
    }
    return {top, 2};
}

}  // namespace tw
