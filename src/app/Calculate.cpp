#include "app/Calculate.h"

#include <QCoreApplication>

#include "app/FatalDump.h"
#include "app/OilPriceInTank.h"
#include "app/Program.h"
#include "platform/TankControls.h"
#include "app/Clearing.h"
#include "app/ForecastRun.h"
#include "calc/Costs.h"
#include "app/RefreshCurrency.h"
#include "calc/FieldDate.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "app/CalculationChecks.h"
#include "calc/Prediction.h"
#include "calc/ShownValue.h"
#include "calc/TankVolume.h"
#include "app/Tidying.h"
#include "app/TankOilCheck.h"
#include "app/DeliveryLines.h"
#include "app/HistoryLine.h"
#include "app/ResultsReport.h"
#include "app/SaveCalculation.h"
#include "app/StartingReading.h"

#include <algorithm>
#include <utility>
#include <cmath>

namespace tw {

namespace {

// One click on Calc: its steps share the window, the program-wide values and the
// costs of the period.
class Calculation {
public:
    explicit Calculation(Program& p) : p(p), m(p.main), st(p.st), locale(p.desktop.locale()) {}

    void run();

private:
    // Input fields are read as the checks read them; result fields hold the
    // program's plain number text or their display form.
    double value(Ctl c) const {
        return IsResultField(c) ? ShownValue(m.text(c), locale) : NumberValue(m.text(c), locale);
    }
    static bool IsResultField(Ctl c) {
        for (Ctl r : {Ctl::TankT, Ctl::TankTP, Ctl::TDays, Ctl::TDaysP, Ctl::VDay, Ctl::TCost,
                      Ctl::TCostP, Ctl::TVCost, Ctl::TVCostP, Ctl::VCost, Ctl::VCostP, Ctl::DCost,
                      Ctl::TCO2, Ctl::TCO2P, Ctl::DCO2, Ctl::OLeft})
            if (c == r) return true;
        return false;
    }
    std::optional<QDate> date(Ctl c) const { return ParseDate(m.text(c), locale); }
    void write(Ctl c, double number) { m.setText(c, GeneralNumber(number)); }
    void clearResults() {
        ClearActualResults(p);
        ClearPredictedResults(p);
    }

    float volume(const TankControls& t, Ctl reading) const;
    double oilUsed() const;
    void workOutVolumes();
    void fail();
    void refuseUnchanged();
    CostInput costInput() const;
    void writeUse();
    void writeCosts(const CostInput& in);
    void writePrediction(const CostInput& in);
    void finish();
    void saveStartingReading();

    Program& p;
    MainModel& m;
    State& st;
    const QLocale locale;
    PeriodCosts period;
    EmptyReadings typed;
};

// The oil one reading stands for. A dipstick reading is measured from the tank's
// offset: below it the tank is empty, above the tank's depth it is full, so the
// model is never asked for a depth outside the tank.
float Calculation::volume(const TankControls& t, Ctl reading) const {
    const int volumeMode = m.state(t.readsVolume);
    double r = value(reading);
    if (volumeMode == 0) {
        r -= value(t.offset);
        const double depth = value(t.depth);
        r = std::max(r, 0.0);
        if (depth > 0) r = std::min(r, depth);
    }
    return TankVolume(volumeMode, m.text(t.capacity), m.text(t.depth), GeneralNumber(r),
                      m.index(t.shape), locale);
}

double Calculation::oilUsed() const {
    const float change = st.OilAtReading1 - st.OilAtReading2;
    return FloatDecimal(change) + value(Ctl::LAdd1) + value(Ctl::LAdd2);
}

void Calculation::workOutVolumes() {
    st.OilAtReading1 = volume(kTankB, kTankB.reading1) + volume(kTankA, kTankA.reading1);
    st.OilAtReading2 = volume(kTankB, kTankB.reading2) + volume(kTankA, kTankA.reading2);
    if (oilUsed() < 0) {
        clearResults();
        st.SaveError +=
            QCoreApplication::translate("Messages", "The amount of oil remaining is more than there should be") + '\n';
    }
}

void Calculation::fail() {
    st.InputFingerprint.clear();
    st.LastInputFingerprint.clear();
    RefreshCurrency(p, false, true);
    p.say(QCoreApplication::translate("Messages", "Tankwise Data Error"), {st.SaveError}, Icon::Exclamation);
    clearResults();
    st.SaveError.clear();
    // The results are gone, so an earlier calculation's records must not be saved.
    m.setEnabled(Ctl::Save, false);
    st.ReportText.clear();
    st.HistoryLine.clear();
    st.DeliveryLine1.clear();
    st.DeliveryLine2.clear();
    // A reading the user left empty stays empty for the user to fill in.
    const std::pair<bool, Ctl> readings[] = {{typed.a1, Ctl::TARead1}, {typed.a2, Ctl::TARead2},
                                             {typed.b1, Ctl::TBRead1}, {typed.b2, Ctl::TBRead2}};
    for (const auto& [empty, field] : readings)
        if (empty) m.setText(field, QString());
    if (!date(Ctl::Date1)) m.setFocus(Ctl::Date1);
}

void Calculation::refuseUnchanged() {
    RefreshCurrency(p, false, true);
    st.SaveError = "The data has not changed since the last calculation";
    p.say(QCoreApplication::translate("Messages", "Tankwise Data Error"),
          QCoreApplication::translate("Messages", "The data has not changed\nsince the last calculation").split('\n'),
          Icon::Exclamation);

    st.SaveError.clear();
}

CostInput Calculation::costInput() const {
    CostInput in;
    in.P1 = value(Ctl::OCost1);
    in.P2 = value(Ctl::OCost2);
    in.L1 = value(Ctl::LAdd1);
    in.L2 = value(Ctl::LAdd2);
    in.C1 = value(Ctl::DCharge1);
    in.C2 = value(Ctl::DCharge2);
    in.R = value(Ctl::VRate);
    in.RD = value(Ctl::DVRate);
    in.S = ShownValue(st.OilValue, locale);
    in.V1 = st.OilAtReading1;
    in.V2 = st.OilAtReading2;
    in.U = value(Ctl::TankT);
    in.read1 = value(Ctl::TARead1);
    in.read2 = value(Ctl::TARead2);
    in.date1IsDate = date(Ctl::Date1).has_value();
    return in;
}

// Oil used, days and use per day. A period of no days (possible only with the
// checks switched off) has no use per day and nothing derived from it.
void Calculation::writeUse() {
    write(Ctl::TankT, oilUsed());
    const auto d1 = date(Ctl::Date1), d2 = date(Ctl::Date2);
    if (d1 && d2 && value(Ctl::TankT) != 0) {
        const qint64 days = DaysBetween(*d1, *d2);
        if (days > 0) {
            m.setText(Ctl::TDays, QString::number(days));
            m.setText(Ctl::VDay, FixedNumber(value(Ctl::TankT) / value(Ctl::TDays), 1, locale));
        }
    }
}

void Calculation::writeCosts(const CostInput& in) {
    st.DeliveryChargeTotal = in.C1 + in.C2;
    st.Delivery1Cost = GeneralNumber(in.P1 * in.L1);
    st.Delivery2Cost = GeneralNumber(in.P2 * in.L2);
    p.step(105);
    period = PricePeriod(in);
    write(Ctl::TCost, period.tCost);
    // The costs keep their status in English; the window shows it translated.
    if (!period.status.isEmpty())
        p.setStatus(QCoreApplication::translate("MainWindow", period.status.toUtf8().constData()));

    st.Delivery1Cost = GeneralNumber(period.delivery1Cost);
    st.Delivery2Cost = GeneralNumber(period.delivery2Cost);
    st.RemainingOilValue = GeneralNumber(period.remainingOilValue);
    st.OilVat = period.oilVat ? GeneralNumber(*period.oilVat) : QString();
    st.DeliveryVat = period.deliveryVat ? GeneralNumber(*period.deliveryVat) : QString();
    write(Ctl::VCost, period.vCost);
    if (period.tvCost) write(Ctl::TVCost, *period.tvCost);

    const double days = value(Ctl::TDays);
    if (date(Ctl::Date1) && date(Ctl::Date2) && in.U != 0 && days > 0)
        write(Ctl::DCost, value(Ctl::TVCost) / days);
}

void Calculation::writePrediction(const CostInput& in) {
    const QDate d1 = *date(Ctl::Date1), d2 = *date(Ctl::Date2);
    if (const auto daysLeft = DaysUntilEmpty(FloatDecimal(st.OilAtReading2), value(Ctl::VDay)))
        m.setText(Ctl::FillDate, FieldDateText(d2.addDays(*daysLeft), locale));

    const int months = int(std::clamp(std::trunc(value(Ctl::Predict)), -1200.0, 1200.0));
    m.setText(Ctl::TDaysP, QString::number(PredictionDays(d1, months)));
    write(Ctl::TankTP, PredictedUse(value(Ctl::TankT), value(Ctl::TDays), value(Ctl::TDaysP)));

    p.step(107);
    PredictionFigures f;
    f.tankTP = value(Ctl::TankTP);
    f.tDays = value(Ctl::TDays);
    f.tDaysP = value(Ctl::TDaysP);
    f.runsOut = RunsOutBeforeEnd(date(Ctl::FillDate), d1.addDays(qint64(f.tDaysP)));
    const PredictedCosts c = PricePrediction(in, period, f);
    write(Ctl::TCostP, c.tCostP);
    write(Ctl::VCostP, c.vCostP);
    write(Ctl::TVCostP, c.tvCostP);
    st.PredictedOilVat = c.predictedOilVat ? GeneralNumber(*c.predictedOilVat) : QString();
    st.PredictedDeliveryVat =
        c.predictedDeliveryVat ? GeneralNumber(*c.predictedDeliveryVat) : QString();
    st.PredictedDeliveries = c.predictedDeliveries;
    write(Ctl::TCO2P, value(Ctl::TankTP) * value(Ctl::CORate));
}

void Calculation::finish() {
    p.step(108);
    st.LastInputFingerprint = BuildInputFingerprint(p);
    st.RemainingOilValue = CurrencyText(ShownValue(st.RemainingOilValue, locale), locale);
    TidyOutput(p);
    RefreshCurrency(p, false, true);

    p.step(109);
    BuildHistoryLine(p);
    BuildDeliveryLines(p);
    BuildReport(p);
    TidyInput(p);

    if (m.state(Ctl::AutoSave) == 1) SaveCalculation(p);
    else m.setEnabled(Ctl::Save, true);
}

// A first reading alone has no period to work out: it shows the oil in the tanks and
// is saved as the start of the history, with the value of that oil when priced.
void Calculation::saveStartingReading() {
    // The second reading stays empty for the next dip.
    if (typed.a2) m.setText(Ctl::TARead2, QString());
    if (typed.b2) m.setText(Ctl::TBRead2, QString());
    PriceOilInTank(p);
    write(Ctl::OLeft, FloatDecimal(st.OilAtReading1));
    m.setText(Ctl::OLeftM, QT_TRANSLATE_NOOP("MainWindow", "Left:"));
    finish();
    if (m.enabled(Ctl::Save)) ShowOrderBy(p);
}

void Calculation::run() {
    p.step(101);
    st.RemainingOilValue = st.Delivery1Cost = st.Delivery2Cost = QStringLiteral("0");
    // Tax and delivery figures of an earlier calculation must not reach this one's logs.
    st.OilVat.clear();
    st.DeliveryVat.clear();
    st.PredictedOilVat.clear();
    st.PredictedDeliveryVat.clear();
    st.PredictedDeliveries = 0;
    st.ReadingRestored = false;
    st.SaveError.clear();
    RefreshCurrency(p, true, false);

    typed = TakeEmptyReadings(p);
    CheckTankAndOilData(p);
    CheckInputFields(p);
    p.step(102);
    if (st.SaveError.isEmpty() && st.InhibitMode != 2) CheckCombinations(p, typed);
    if (st.SaveError.isEmpty()) workOutVolumes();
    if (!st.SaveError.isEmpty()) return fail();

    p.step(103);
    st.InputFingerprint = BuildInputFingerprint(p);
    if (st.InputFingerprint == st.LastInputFingerprint) return refuseUnchanged();

    clearResults();
    p.step(104);
    m.setText(Ctl::Status, QString());
    if (IsStartingReading(p)) return saveStartingReading();
    writeUse();
    PriceOilInTank(p);
    const CostInput in = costInput();
    writeCosts(in);

    const double days = value(Ctl::TDays);
    if (value(Ctl::VDay) != 0 && days > 0) {
        write(Ctl::TCO2, value(Ctl::TankT) * value(Ctl::CORate));
        write(Ctl::DCO2, value(Ctl::TCO2) / days);
    }
    if (date(Ctl::Date2)) {
        write(Ctl::OLeft, FloatDecimal(st.OilAtReading2));
        m.setText(Ctl::OLeftM, QT_TRANSLATE_NOOP("MainWindow", "Left:"));
    } else {
        write(Ctl::OLeft, value(Ctl::LAdd1) + value(Ctl::LAdd2));
        m.setText(Ctl::OLeftM, QT_TRANSLATE_NOOP("MainWindow", "Added:"));
    }

    p.step(106);
    if (date(Ctl::Date1) && date(Ctl::Date2) && value(Ctl::TankT) != 0 &&
        std::trunc(value(Ctl::Predict)) >= 1 && days > 0)
        writePrediction(in);
    finish();
    // A saved calculation has brought the forecast up to date; one not saved yet
    // empties Order By until it is.
    if (m.enabled(Ctl::Save)) ShowOrderBy(p);
}

}  // namespace

void Calculate(Program& p) {
    Trapped(p, "Calculation Error", [&] { Calculation(p).run(); });
}

}  // namespace tw
