#include "logs/HistoryTable.h"

#include <algorithm>

namespace tw {

namespace {

// Deliveries sorted by date with running sums, so that every period finds its
// deliveries by two binary searches however long the logs are.
struct DeliverySums {
    std::vector<QDate> dates;
    std::vector<double> amount{0}, cost{0};

    explicit DeliverySums(std::vector<SavedDelivery> deliveries) {
        std::stable_sort(deliveries.begin(), deliveries.end(),
                         [](const SavedDelivery& a, const SavedDelivery& b) { return a.date < b.date; });
        for (const SavedDelivery& d : deliveries) {
            dates.push_back(d.date);
            amount.push_back(amount.back() + d.amount);
            cost.push_back(cost.back() + d.cost.value_or(0));
        }
    }
    // Index range of the deliveries dated after `from` up to and including `to`.
    std::pair<size_t, size_t> between(const QDate& from, const QDate& to) const {
        const auto first = std::upper_bound(dates.begin(), dates.end(), from) - dates.begin();
        const auto last = std::upper_bound(dates.begin(), dates.end(), to) - dates.begin();
        return {size_t(first), size_t(std::max(first, last))};
    }
};

}  // namespace

std::vector<HistoryTableRow> BuildHistoryTable(const SavedHistory& history) {
    const DeliverySums sums(history.deliveries);
    std::vector<HistoryTableRow> rows;
    rows.reserve(history.readings.size());
    const SavedReading* previous = nullptr;
    for (const SavedReading& reading : history.readings) {
        HistoryTableRow row;
        row.date = reading.date;
        row.oil = reading.oil;
        if (previous) {
            const qint64 days = previous->date.daysTo(reading.date);
            const auto [first, last] = sums.between(previous->date, reading.date);
            row.days = days;
            row.delivered = sums.amount[last] - sums.amount[first];
            row.used = previous->oil - reading.oil + row.delivered;
            if (days > 0) {
                row.perDay = *row.used / double(days);
                if (previous->value && reading.value) {
                    const double cost = *previous->value + sums.cost[last] - sums.cost[first] -
                                        *reading.value;
                    row.costPerDay = cost / double(days);
                }
            }
        }
        rows.push_back(row);
        previous = &reading;
    }
    return rows;
}

}  // namespace tw
