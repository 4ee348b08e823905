#include "GeneratedHistory.h"

#include <random>

#include "calc/DegreeDays.h"
#include "calc/Formats.h"
#include "logs/LogColumns.h"

namespace tw {

GeneratedHistory::GeneratedHistory(WorkFolder& work, unsigned seed) {
    const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
    std::mt19937 rng(seed);
    auto money = [&](double v, int width) { return FitCurrency(CurrencyText(v, uk), width, uk); };
    auto row = [&](const QDate& d, double oil) {
        return HistoryRow{LongDate(d, uk), QString::number(std::lround(oil)), "0", "", "",
                          money(std::round(oil) * kPrice, 9), true, true};
    };
    QDate day(2021, 8, 10);
    double oil = 2000;
    QStringList history{FirstReadingLine(row(day, oil))}, deliveries;
    const QDate end(2024, 9, 1);
    while (day < end) {
        QDate next = day.addDays(std::uniform_int_distribution<int>(20, 40)(rng));
        if (const QDate jan(next.year(), 1, 1); day < jan && jan < next) next = jan;
        // Low on oil: a delivery on a day between the readings.
        const QDate delivery = oil < 900 ? day.addDays(5) : QDate();
        for (QDate d = day; d < next; d = d.addDays(1)) {
            if (d == delivery) {
                oil += 1500;
                const double total = 1500 * kPrice * 1.05 + kCharge * 1.2;
                deliveries << DeliveryLineText({LongDate(d, uk), "1500", money(kPrice, 7), money(kCharge, 9), "5%",
                                                money(total, 8), "20%", true, true});
            }
            oil -= usedOn[d] = kBase + kPerDegreeDay * DegreeDaysOn(UkProfile(), d);
        }
        day = next;
        history << HistoryDataLine(row(day, oil));
    }
    work.write("Log/Tankwise_H.log", history);
    work.write("Log/Tankwise_D.log", deliveries);
}

double GeneratedHistory::trueUse(const QDate& from, const QDate& to) const {
    double sum = 0;
    for (auto it = usedOn.lower_bound(from); it != usedOn.end() && it->first < to; ++it) sum += it->second;
    return sum;
}

}  // namespace tw
