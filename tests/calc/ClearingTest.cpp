// Clearing: which fields each clearing operation empties and which it leaves, and
// what the Clear button does besides.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <vector>

#include "RunningProgram.h"
#include "app/Clearing.h"

namespace tw {
namespace {

const std::vector<Ctl> kInputs = {Ctl::Date1,    Ctl::Date2,    Ctl::Date3,   Ctl::Date4,
                                  Ctl::TARead1,  Ctl::TARead2,  Ctl::TBRead1, Ctl::TBRead2,
                                  Ctl::LAdd1,    Ctl::LAdd2,    Ctl::OCost1,  Ctl::OCost2,
                                  Ctl::DCharge1, Ctl::DCharge2, Ctl::Notes};
const std::vector<Ctl> kActual = {Ctl::TDays, Ctl::TankT, Ctl::TCost, Ctl::TVCost, Ctl::VCost,
                                  Ctl::DCost, Ctl::VDay,  Ctl::DCO2,  Ctl::TCO2};
const std::vector<Ctl> kPredicted = {Ctl::TDaysP, Ctl::TankTP, Ctl::TCostP,   Ctl::TVCostP,
                                     Ctl::VCostP, Ctl::TCO2P,  Ctl::FillDate, Ctl::OLeft};
// Settings that no clearing touches.
const std::vector<Ctl> kSettings = {Ctl::TankACap, Ctl::TankBCap, Ctl::TankAD, Ctl::TankBD,
                                    Ctl::TankOffA, Ctl::TankOffB, Ctl::VRate,  Ctl::DVRate,
                                    Ctl::CORate,   Ctl::Predict};
const std::vector<Ctl> kBoxes = {Ctl::CHeat1,   Ctl::CHeat2,   Ctl::WHeat1,   Ctl::WHeat2,
                                 Ctl::TankAU,   Ctl::TankBU,   Ctl::TUnitsAT, Ctl::TUnitsBT,
                                 Ctl::TUnitsCT, Ctl::AutoSave, Ctl::NoHistory};

// Every box ticked, both shapes chosen, and every cleared field and every setting
// holding a text of its own (the boxes first: switching them has effects of its own).
void FillEverything(RunningProgram& run) {
    for (Ctl c : kBoxes) run.p.main.setChecked(c, true);
    run.p.main.setIndex(Ctl::TankAS, 2);
    run.p.main.setIndex(Ctl::TankBS, 1);
    int n = 0;
    for (const auto* group : {&kInputs, &kActual, &kPredicted})
        for (Ctl c : *group) run.p.main.setText(c, "v" + QString::number(++n));
    for (Ctl c : kSettings) run.p.main.setText(c, "s" + QString::number(++n));
    run.p.main.setText(Ctl::OLeftM, "Added:");
    run.p.st.RetrievedDelivery1 = "delivery line 1";
    run.p.st.RetrievedDelivery2 = "delivery line 2";
}

std::set<Ctl> All() {
    std::set<Ctl> all;
    for (const auto* group : {&kInputs, &kActual, &kPredicted})
        all.insert(std::begin(*group), std::end(*group));
    return all;
}

// The fields a clearing may empty and the settings beside them.
std::set<Ctl> Watched() {
    std::set<Ctl> watched = All();
    watched.insert(std::begin(kSettings), std::end(kSettings));
    return watched;
}

struct ClearRow {
    const char* name;
    std::function<void(Program&)> operation;
    std::set<Ctl> emptied;
    bool forgetsRetrievedDeliveries;
    QString oilLeftCaption;
};

void PrintTo(const ClearRow& row, std::ostream* os) { *os << row.name; }

class ClearingOperation : public testing::TestWithParam<ClearRow> {};

TEST_P(ClearingOperation, EmptiesItsOwnFieldsAndNoOthers) {
    const ClearRow& row = GetParam();
    RunningProgram run;
    FillEverything(run);
    std::map<Ctl, QString> before;
    for (Ctl c : Watched()) before[c] = run.text(c);

    row.operation(run.p);

    for (Ctl c : Watched()) {
        const std::string name = run.p.main.at(int(c)).name.toStdString();
        EXPECT_EQ(run.text(c), row.emptied.count(c) ? QString() : before[c]) << name;
    }
    for (Ctl c : kBoxes)
        EXPECT_TRUE(run.p.main.checked(c)) << run.p.main.at(int(c)).name.toStdString();
    EXPECT_EQ(run.p.main.index(Ctl::TankAS), 2);
    EXPECT_EQ(run.p.main.index(Ctl::TankBS), 1);
    EXPECT_EQ(run.text(Ctl::OLeftM), row.oilLeftCaption);
    EXPECT_EQ(run.p.st.RetrievedDelivery1.isEmpty(), row.forgetsRetrievedDeliveries);
    EXPECT_EQ(run.p.st.RetrievedDelivery2.isEmpty(), row.forgetsRetrievedDeliveries);
}

INSTANTIATE_TEST_SUITE_P(Operations, ClearingOperation,
                         testing::Values(ClearRow{"InputFields",
                                                  ClearInputFields,
                                                  {std::begin(kInputs), std::end(kInputs)},
                                                  true,
                                                  "Added:"},
                                         ClearRow{"ActualResults",
                                                  ClearActualResults,
                                                  {std::begin(kActual), std::end(kActual)},
                                                  false,
                                                  "Added:"},
                                         ClearRow{"PredictedResults",
                                                  ClearPredictedResults,
                                                  {std::begin(kPredicted), std::end(kPredicted)},
                                                  false,
                                                  "Left"},
                                         ClearRow{"ClearButton",
                                                  [](Program& p) {
                                                      p.click(WindowId::Main, int(Ctl::Clear));
                                                  },
                                                  All(), true, "Left"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The value of the oil in hand goes with the readings it belonged to.
TEST(ClearButton, ForgetsTheOilValue) {
    RunningProgram run;
    run.p.st.OilValue = "312.50";
    run.p.click(WindowId::Main, int(Ctl::Clear));
    EXPECT_EQ(run.p.st.OilValue, "0");
}

}  // namespace
}  // namespace tw
