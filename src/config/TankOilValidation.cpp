#include "config/TankOilValidation.h"

#include <cmath>

#include "app/FatalDump.h"
#include "app/Program.h"
#include "calc/Fields.h"
#include "calc/Formats.h"

namespace tw {

namespace {

struct Validator {
    Program& p;
    QLocale locale;

    double value(Ctl c) const { return NumberValue(p.main.text(c), locale); }
    // A non-empty text that the locale does not read as a number.
    bool notNumber(Ctl c) const {
        const QString t = p.main.text(c);
        return !t.isEmpty() && !IsNumberText(t, locale);
    }
    // Empty (value 0) or inside the inclusive bounds.
    bool badOptional(Ctl c, double low, double high) const {
        const double v = value(c);
        return notNumber(c) || (v != 0 && (v < low || v > high));
    }
    void fail(const QString& message) { p.st.SaveError += message + "\n"; }
};

bool NotOneOrTwo(float stored) { return stored != 1.0f && stored != 2.0f; }

void Normalise(Program& p, const QLocale& locale) {
    auto format = [&](Ctl c, int decimals) {
        p.main.setText(c, FormatFieldText(p.main.text(c), decimals, locale));
    };
    format(Ctl::Predict, 0);
    format(Ctl::VRate, 1);
    format(Ctl::DVRate, 1);
    format(Ctl::CORate, 2);
    for (Ctl c : {Ctl::TankOffA, Ctl::TankOffB, Ctl::TankAD, Ctl::TankBD}) format(c, 1);
    for (Ctl c : {Ctl::TankACap, Ctl::TankBCap}) {
        const QString t = p.main.text(c);
        if (!t.isEmpty()) p.main.setText(c, GeneralNumber(std::floor(NumberValue(t, locale))));
    }
    for (Ctl c : {Ctl::Predict, Ctl::VRate, Ctl::DVRate, Ctl::TankAD, Ctl::TankBD, Ctl::TankBCap,
                  Ctl::TankOffA, Ctl::TankOffB}) {
        if (NumberValue(p.main.text(c), locale) == 0) p.main.setText(c, QString());
    }
}

}  // namespace

void CheckTankAndOilData(Program& p, bool modesFromFile) {
    Trapped(p, "Check Default Error", [&] {
        Validator v{p, p.desktop.locale()};
        State& st = p.st;
        const bool aIsVolume = modesFromFile ? st.TankAU == 2.0f : p.main.checked(Ctl::TankAU);
        const bool bIsVolume = modesFromFile ? st.TankBU == 2.0f : p.main.checked(Ctl::TankBU);

        p.step(131);
        if (NotOneOrTwo(st.LogLevel)) v.fail("Auto Save must be '1' or '2'");
        if (NotOneOrTwo(st.RunOnTop)) v.fail("Run On Top must be '1' or '2'");
        if (NotOneOrTwo(st.TankAU)) v.fail("Tank A volume must be 1 or 2");
        if (NotOneOrTwo(st.TankBU)) v.fail("Tank B volume must be 1 or 2");
        if (NotOneOrTwo(st.TUnitsA)) v.fail("Enable inches must be '1' or '2'");
        if (NotOneOrTwo(st.TUnitsB)) v.fail("Enable gallons must be '1' or '2'");
        if (NotOneOrTwo(st.TUnitsC)) v.fail("Enable pounds must be '1' or '2'");
        if (NotOneOrTwo(st.UpEnable)) v.fail("Update Enable must be '1' or '2'");

        p.step(132);
        bool capacityFlag = false;
        const double capA = v.value(Ctl::TankACap);
        if (capA < 100 || capA > 9999) {
            v.fail("Tank A Capacity must be between 100 and 9999");
            capacityFlag = true;
        }
        if (v.badOptional(Ctl::TankBCap, 100, 9999)) {
            v.fail("Tank B Capacity must be empty or between 100 and 9999");
            capacityFlag = true;
        }
        if (v.badOptional(Ctl::TankAD, 10, 300)) v.fail("Tank A Depth must be empty or between 10 and 300");
        if (v.badOptional(Ctl::TankBD, 10, 300)) v.fail("Tank B Depth must be empty or between 10 and 300");

        p.step(133);
        if (!capacityFlag) {
            if (!aIsVolume && v.value(Ctl::TankAD) == 0)
                v.fail("Tank A Depth must be set if Tank A measured in " + st.DepthUnit);
            if (v.value(Ctl::TankBCap) != 0 && !bIsVolume && v.value(Ctl::TankBD) == 0)
                v.fail("Tank B Depth must be set if Tank B measured in " + st.DepthUnit);
            if (v.value(Ctl::TankBD) != 0 && v.value(Ctl::TankBCap) == 0)
                v.fail("Tank B Capacity must be set if Tank B depth is set");
        }

        p.step(134);
        if (st.TankAS < 1 || st.TankAS > 3) v.fail("Tank A Shape must be 0 or 1");
        if (st.TankBS < 1 || st.TankBS > 3) v.fail("Tank B Shape must be 0 or 1");

        p.step(135);
        const double months = v.value(Ctl::Predict);
        if (v.notNumber(Ctl::Predict) || months < 0 || (months > 0 && months < 1) || months > 12)
            v.fail("Prediction Period must be either empty or between 1 and 12 months");
        bool rateFlag = false;
        if (v.badOptional(Ctl::DVRate, 1, 50)) {
            v.fail("Delivery " + st.TaxWord + " Rate must be 0 or between 1 and 50%");
            rateFlag = true;
        }
        if (v.badOptional(Ctl::VRate, 1, 50)) {
            v.fail("Oil " + st.TaxWord + " Rate must be 0 or between 1 and 50%");
            rateFlag = true;
        }
        const double dv = v.value(Ctl::DVRate), vr = v.value(Ctl::VRate);
        if (!rateFlag && ((dv == 0 && vr > 0) || (dv > 0 && vr == 0)))
            v.fail("Oil and delivery " + st.TaxWord + " Rates must both be either set or zero");
        const QString co = p.main.text(Ctl::CORate);
        const double coRate = v.value(Ctl::CORate);
        if (co.isEmpty() || v.notNumber(Ctl::CORate) || coRate < 0.5 || coRate > 10)
            v.fail("The CO2 Conversion Rate must be between 0.50 and 10.00");
        if (v.badOptional(Ctl::TankOffA, 0.1, 10))
            v.fail("Tank A Offset must be either empty or between 0.1 and 10.0");
        if (v.badOptional(Ctl::TankOffB, 0.1, 10))
            v.fail("Tank B Offset must be either empty or between 0.1 and 10.0");

        if (st.InhibitMode == 1) st.SaveError.clear();

        p.step(136);
        if (st.SaveError.isEmpty()) Normalise(p, v.locale);
    });
}

}  // namespace tw
