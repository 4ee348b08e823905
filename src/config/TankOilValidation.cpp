#include "config/TankOilValidation.h"

#include <QCoreApplication>

#include <cmath>

#include "calc/Fields.h"
#include "calc/Formats.h"

namespace tw {

namespace {

// A data error in the user's language.
QString Said(const char* text) { return QCoreApplication::translate("Messages", text); }

struct Validator {
    const FieldTexts& f;
    QLocale locale;
    QStringList fails;

    double value(Ctl c) const { return NumberValue(f.text(c), locale); }
    // A non-empty text that the locale does not read as a number.
    bool notNumber(Ctl c) const {
        const QString t = f.text(c);
        return !t.isEmpty() && !IsNumberText(t, locale);
    }
    // Empty (value 0) or inside the inclusive bounds.
    bool badOptional(Ctl c, double low, double high) const {
        const double v = value(c);
        return notNumber(c) || (v != 0 && (v < low || v > high));
    }
    void fail(const QString& message) { fails << message; }
};

bool NotOneOrTwo(float stored) { return stored != 1.0f && stored != 2.0f; }

void CheckSwitches(Validator& v, const StoredSwitches& s) {
    if (NotOneOrTwo(s.logLevel)) v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Auto Save must be '1' or '2'")));
    if (NotOneOrTwo(s.runOnTop)) v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Run On Top must be '1' or '2'")));
    if (NotOneOrTwo(s.tankAU)) v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Tank A volume must be 1 or 2")));
    if (NotOneOrTwo(s.tankBU)) v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Tank B volume must be 1 or 2")));
    if (NotOneOrTwo(s.tUnitsA)) v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Enable inches must be '1' or '2'")));
    if (NotOneOrTwo(s.tUnitsB)) v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Enable gallons must be '1' or '2'")));
    if (NotOneOrTwo(s.tUnitsC)) v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Enable pounds must be '1' or '2'")));
    if (NotOneOrTwo(s.upEnable)) v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Update Enable must be '1' or '2'")));
}

void CheckTanks(Validator& v, const TankOilInput& in) {
    // The unit word as the window shows it.
    const QString unit = QCoreApplication::translate("MainWindow", in.depthUnit.toUtf8().constData());
    bool capacityFlag = false;
    const double capA = v.value(Ctl::TankACap);
    if (capA < 100 || capA > 9999) {
        v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Tank A Capacity must be between 100 and 9999")));
        capacityFlag = true;
    }
    if (v.badOptional(Ctl::TankBCap, 100, 9999)) {
        v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Tank B Capacity must be empty or between 100 and 9999")));
        capacityFlag = true;
    }
    if (v.badOptional(Ctl::TankAD, 10, 300)) v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Tank A Depth must be empty or between 10 and 300")));
    if (v.badOptional(Ctl::TankBD, 10, 300)) v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Tank B Depth must be empty or between 10 and 300")));

    if (!capacityFlag) {
        if (!in.aIsVolume && v.value(Ctl::TankAD) == 0)
            v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Tank A Depth must be set if Tank A measured in %1")).arg(unit));
        if (v.value(Ctl::TankBCap) != 0 && !in.bIsVolume && v.value(Ctl::TankBD) == 0)
            v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Tank B Depth must be set if Tank B measured in %1")).arg(unit));
        if (v.value(Ctl::TankBD) != 0 && v.value(Ctl::TankBCap) == 0)
            v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Tank B Capacity must be set if Tank B depth is set")));
    }

    if (in.stored.tankAS < 1 || in.stored.tankAS > 3) v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Tank A Shape must be 0 or 1")));
    if (in.stored.tankBS < 1 || in.stored.tankBS > 3) v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Tank B Shape must be 0 or 1")));
}

void CheckOil(Validator& v, const QString& taxWord) {
    // The tax word as the window shows it.
    const QString tax = QCoreApplication::translate("MainWindow", taxWord.toUtf8().constData());
    const double months = v.value(Ctl::Predict);
    if (v.notNumber(Ctl::Predict) || months < 0 || (months > 0 && months < 1) || months > 12)
        v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Prediction Period must be either empty or between 1 and 12 months")));
    bool rateFlag = false;
    if (v.badOptional(Ctl::DVRate, 1, 50)) {
        v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Delivery %1 Rate must be 0 or between 1 and 50%")).arg(tax));
        rateFlag = true;
    }
    if (v.badOptional(Ctl::VRate, 1, 50)) {
        v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Oil %1 Rate must be 0 or between 1 and 50%")).arg(tax));
        rateFlag = true;
    }
    const double dv = v.value(Ctl::DVRate), vr = v.value(Ctl::VRate);
    if (!rateFlag && ((dv == 0 && vr > 0) || (dv > 0 && vr == 0)))
        v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Oil and delivery %1 Rates must both be either set or zero")).arg(tax));
    const double coRate = v.value(Ctl::CORate);
    if (v.f.text(Ctl::CORate).isEmpty() || v.notNumber(Ctl::CORate) || coRate < 0.5 || coRate > 10)
        v.fail(Said(QT_TRANSLATE_NOOP("Messages", "The CO2 Conversion Rate must be between 0.50 and 10.00")));
    if (v.badOptional(Ctl::TankOffA, 0.1, 10))
        v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Tank A Offset must be either empty or between 0.1 and 10.0")));
    if (v.badOptional(Ctl::TankOffB, 0.1, 10))
        v.fail(Said(QT_TRANSLATE_NOOP("Messages", "Tank B Offset must be either empty or between 0.1 and 10.0")));
}

}  // namespace

QStringList TankOilMessages(const TankOilInput& in, const QLocale& locale) {
    Validator v{in.fields, locale, {}};
    CheckSwitches(v, in.stored);
    CheckTanks(v, in);
    CheckOil(v, in.taxWord);
    return v.fails;
}

FieldTexts NormalisedTankOil(const FieldTexts& fields, const QLocale& locale) {
    FieldTexts f = fields;
    auto format = [&](Ctl c, int decimals) {
        f.setText(c, FormatFieldText(f.text(c), decimals, locale));
    };
    format(Ctl::Predict, 0);
    format(Ctl::VRate, 1);
    format(Ctl::DVRate, 1);
    format(Ctl::CORate, 2);
    for (Ctl c : {Ctl::TankOffA, Ctl::TankOffB, Ctl::TankAD, Ctl::TankBD}) format(c, 1);
    for (Ctl c : {Ctl::TankACap, Ctl::TankBCap}) {
        const QString t = f.text(c);
        if (!t.isEmpty()) f.setText(c, GeneralNumber(std::floor(NumberValue(t, locale))));
    }
    for (Ctl c : {Ctl::Predict, Ctl::VRate, Ctl::DVRate, Ctl::TankAD, Ctl::TankBD, Ctl::TankBCap,
                  Ctl::TankOffA, Ctl::TankOffB}) {
        if (NumberValue(f.text(c), locale) == 0) f.setText(c, QString());
    }
    return f;
}

}  // namespace tw
