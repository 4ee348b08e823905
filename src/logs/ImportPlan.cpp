#include "logs/ImportPlan.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <set>

namespace tw {

namespace {

bool Saved(const ImportedDelivery& d, const SavedHistory& saved) {
    return std::any_of(saved.deliveries.begin(), saved.deliveries.end(), [&](const SavedDelivery& s) {
        return s.date == d.date && std::abs(s.amount - d.amount) < 0.5;
    });
}

// The period a delivery goes with, as an index into `periods`; -1 when none.
int PeriodOf(const ImportedDelivery& d, const std::vector<ImportPeriod>& periods) {
    for (size_t k = 0; k < periods.size(); ++k) {
        const ImportPeriod& p = periods[k];
        if (p.starting) continue;
        if (d.readingDate) {
            if (p.to.date == *d.readingDate && d.date >= p.from.date && d.date <= p.to.date) return int(k);
        } else if (d.date >= p.from.date && d.date <= p.to.date) {
            return int(k);
        }
    }
    return -1;
}

}  // namespace

ImportPlan PlanImport(const ImportRecords& records, const SavedHistory& saved) {
    ImportPlan plan;
    std::set<QDate> savedDates;
    QDate last;
    for (const SavedReading& r : saved.readings) {
        savedDates.insert(r.date);
        if (!last.isValid() || r.date > last) last = r.date;
    }
    std::vector<ImportedReading> fresh;
    for (const ImportedReading& r : records.readings) {
        if (savedDates.count(r.date)) {
            ++plan.skippedReadings;
        } else if (last.isValid() && r.date < last) {
            plan.problems.push_back({r.file, r.line, QCoreApplication::translate("Messages", "Tank Reading Date 2 must be later than the last Tank Reading date saved")});
        } else if (!fresh.empty() && fresh.back().date == r.date) {
            plan.problems.push_back({r.file, r.line, QCoreApplication::translate("Messages", "A reading of the same day is on line %1").arg(fresh.back().line)});
        } else {
            fresh.push_back(r);
        }
    }
    ImportedReading previous;
    bool havePrevious = last.isValid();
    previous.date = last;
    for (const ImportedReading& r : fresh) {
        ImportPeriod p;
        p.to = r;
        if (!havePrevious) {
            p.starting = true;
        } else {
            p.from = previous;
            p.fromLog = previous.line == 0;
        }
        plan.periods.push_back(p);
        previous = r;
        havePrevious = true;
    }
    for (const ImportedDelivery& d : records.deliveries) {
        if (Saved(d, saved)) {
            ++plan.skippedDeliveries;
            continue;
        }
        const int k = PeriodOf(d, plan.periods);
        if (k < 0) {
            const QString why = last.isValid() && d.date <= last
                                    ? QCoreApplication::translate("Messages", "The delivery is dated on or before the last saved reading")
                                    : QCoreApplication::translate("Messages", "No pair of readings holds this delivery");
            plan.problems.push_back({d.file, d.line, why});
            continue;
        }
        auto& held = plan.periods[size_t(k)].deliveries;
        if (held.size() == 2) {
            plan.problems.push_back({d.file, d.line, QCoreApplication::translate("Messages", "A period holds two deliveries at most: a reading is needed between this one and those on lines %1 and %2").arg(held[0].line).arg(held[1].line)});
            continue;
        }
        held.push_back(d);
    }
    return plan;
}

}  // namespace tw
