#include "app/Clearing.h"

#include <QCoreApplication>

#include <initializer_list>

#include "app/FatalDump.h"
#include "app/OilPriceInTank.h"
#include "app/Program.h"
#include "app/RefreshCurrency.h"

namespace tw {

namespace {

void EmptyFields(Program& p, std::initializer_list<Ctl> fields) {
    for (Ctl c : fields) p.main.setText(c, QString());
}

}  // namespace

void ClearInputFields(Program& p) {
    Trapped(
        p, "Clear Input Data Error",
        [&] {
            EmptyFields(p, {Ctl::Date1, Ctl::Date2, Ctl::Date3, Ctl::Date4, Ctl::TARead1,
                            Ctl::TARead2, Ctl::TBRead1, Ctl::TBRead2, Ctl::LAdd1, Ctl::LAdd2,
                            Ctl::OCost1, Ctl::OCost2, Ctl::DCharge1, Ctl::DCharge2, Ctl::OCost0,
                            Ctl::Notes});
            p.st.RetrievedDelivery1.clear();
            p.st.RetrievedDelivery2.clear();
        },
        41);
}

void ClearActualResults(Program& p) {
    Trapped(
        p, "Clear Actual Data Error",
        [&] {
            EmptyFields(p, {Ctl::TDays, Ctl::TankT, Ctl::TCost, Ctl::TVCost, Ctl::VCost, Ctl::DCost,
                            Ctl::VDay, Ctl::DCO2, Ctl::TCO2});
        },
        42);
}

void ClearPredictedResults(Program& p) {
    Trapped(
        p, "Clear Predict Data Error",
        [&] {
            EmptyFields(p, {Ctl::TDaysP, Ctl::TankTP, Ctl::TCostP, Ctl::TVCostP, Ctl::VCostP,
                            Ctl::TCO2P, Ctl::FillDate, Ctl::OLeft, Ctl::OrderBy,
                            Ctl::Forecast});
            p.main.setTooltip(Ctl::OrderBy, DesignTooltip(Ctl::OrderBy));
            // Neither "Left:" nor "Added:": no result stands beside it.
            p.main.setText(Ctl::OLeftM, QT_TRANSLATE_NOOP("MainWindow", "Left"));
        },
        43);
}

void ClearClick(Program& p) {
    ClearInputFields(p);
    ClearActualResults(p);
    ClearPredictedResults(p);
    // Forgetting the last calculation lets the next one run whatever it holds.
    p.st.InputFingerprint.clear();
    p.st.LastInputFingerprint.clear();
    p.st.OilValue = QStringLiteral("0");
    OfferOilPriceInTank(p);
    RefreshCurrency(p, true, true);
    p.setStatus(QCoreApplication::translate("MainWindow", "Data Cleared"));
    p.main.setFocus(Ctl::Date1);
    p.main.setEnabled(Ctl::Save, false);
    p.st.FieldsTyped = false;
}

}  // namespace tw
