#pragma once
#include <QDate>
#include <map>

#include "WorkFolder.h"

namespace tw {

// A household whose oil use is known: base + k x the UK profile's degree days each
// day, read every 20 to 40 days (and on each 1 January) from 10 August 2021 for
// three years, with oil bought at one price, so that every figure of a statement
// has a truth to compare with. Writes the history and delivery logs as the program
// does (en_GB), with the settings' tax rates 5% on oil and 20% on charges.
struct GeneratedHistory {
    static constexpr double kBase = 1.5, kPerDegreeDay = 0.6, kPrice = 0.8, kCharge = 20;
    std::map<QDate, double> usedOn;  // the true use of each day

    explicit GeneratedHistory(WorkFolder& work, unsigned seed = 7);
    double trueUse(const QDate& from, const QDate& to) const;  // days from..to-1
};

}  // namespace tw
