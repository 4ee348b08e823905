#include "app/Units.h"

#include "app/Program.h"

#include <QCoreApplication>

namespace tw {

namespace {

// A text of the window in the user's language (English in the tests and the logs).
QString Shown(const char* text) { return QCoreApplication::translate("MainWindow", text); }

// The unit words the program keeps, marked for the translations.
[[maybe_unused]] const char* const kUnitWords[] = {
    QT_TRANSLATE_NOOP("MainWindow", "cm"), QT_TRANSLATE_NOOP("MainWindow", "inches"),
    QT_TRANSLATE_NOOP("MainWindow", "gals"), QT_TRANSLATE_NOOP("MainWindow", "Kgm"),
    QT_TRANSLATE_NOOP("MainWindow", "lb")};

// The volume words of the window, in gallons and in litres.
struct VolumeText {
    Ctl control;
    bool tooltip;  // false: the caption
    const char* gallons;
    const char* litres;
};

const VolumeText kVolumeTexts[] = {
    {Ctl::LtrsH, false, QT_TRANSLATE_NOOP("MainWindow", "Gallons/Day:"), QT_TRANSLATE_NOOP("MainWindow", "Litres/Day:")},
    {Ctl::OLeftL, false, QT_TRANSLATE_NOOP("MainWindow", "Gallons"), QT_TRANSLATE_NOOP("MainWindow", "Litres")},
    {Ctl::OLeft, true, QT_TRANSLATE_NOOP("MainWindow", "Amount of oil left in gallons"), QT_TRANSLATE_NOOP("MainWindow", "Amount of oil left in litres")},
    {Ctl::CostH, false, QT_TRANSLATE_NOOP("MainWindow", "Oil Cost per Gallon"), QT_TRANSLATE_NOOP("MainWindow", "Oil Cost per Litre")},
    {Ctl::AddH, false, QT_TRANSLATE_NOOP("MainWindow", "Gallons Added"), QT_TRANSLATE_NOOP("MainWindow", "Litres Added")},
    {Ctl::TotalLH, false, QT_TRANSLATE_NOOP("MainWindow", "Total Gallons"), QT_TRANSLATE_NOOP("MainWindow", "Total Litres")},
    {Ctl::TankT, true, QT_TRANSLATE_NOOP("MainWindow", "Total number of gallons used"), QT_TRANSLATE_NOOP("MainWindow", "Total number of litres used")},
    {Ctl::TankTP, true, QT_TRANSLATE_NOOP("MainWindow", "Total number of gallons predicted"), QT_TRANSLATE_NOOP("MainWindow", "Total number of litres predicted")},
    {Ctl::LAdd1, true, QT_TRANSLATE_NOOP("MainWindow", "Number gallons added (1 - 9999)"), QT_TRANSLATE_NOOP("MainWindow", "Number litres added (1 - 9999)")},
    {Ctl::LAdd2, true, QT_TRANSLATE_NOOP("MainWindow", "Number gallons added (1 - 9999)"), QT_TRANSLATE_NOOP("MainWindow", "Number litres added (1 - 9999)")},
    {Ctl::VDay, true, QT_TRANSLATE_NOOP("MainWindow", "Gallons of oil used per day"), QT_TRANSLATE_NOOP("MainWindow", "Litres of oil used per day")},
    {Ctl::OCost0, true,
     QT_TRANSLATE_NOOP("MainWindow", "The price paid for the oil already in the tank at Tank Reading 1, per gallon before VAT: "
     "costs can then be worked out from the first calculation"),
     QT_TRANSLATE_NOOP("MainWindow", "The price paid for the oil already in the tank at Tank Reading 1, per litre before VAT: "
     "costs can then be worked out from the first calculation")},
};

struct ReadingTip {
    Ctl field;
    Ctl modeBox;
    const char* name;
};

const ReadingTip kReadingTips[] = {
    {Ctl::TARead1, Ctl::TankAU, "Tank A Reading 1"},
    {Ctl::TARead2, Ctl::TankAU, "Tank A Reading 2"},
    {Ctl::TBRead1, Ctl::TankBU, "Tank B Reading 1"},
    {Ctl::TBRead2, Ctl::TankBU, "Tank B Reading 2"},
};

void ApplyVolumeTexts(Program& p, bool gallons) {
    for (const VolumeText& t : kVolumeTexts) {
        const QString text = QString::fromLatin1(gallons ? t.gallons : t.litres);
        if (t.tooltip)
            p.main.setTooltip(t.control, text);
        else
            p.main.setText(t.control, text);
    }
    // The units the program writes in its logs, shown in the user's language.
    const QString depth = Shown(p.st.DepthUnit.toUtf8().constData());
    const QString volume = gallons ? Shown(QT_TRANSLATE_NOOP("MainWindow", "gallons"))
                                   : Shown(QT_TRANSLATE_NOOP("MainWindow", "litres"));
    const char* tip = QT_TRANSLATE_NOOP("MainWindow", "Enter Tank %1 Readings in %2 if ticked and %3 if unticked");
    p.main.setTooltip(Ctl::TankAU, Shown(tip).arg(QStringLiteral("A"), volume, depth));
    p.main.setTooltip(Ctl::TankBU, Shown(tip).arg(QStringLiteral("B"), volume, depth));
}

void ApplyMassTexts(Program& p) {
    const QString mass = Shown(p.st.MassUnit.toUtf8().constData());
    p.main.setText(Ctl::CO2Gen, Shown(QT_TRANSLATE_NOOP("MainWindow", "CO2 %1 Generated")).arg(mass));
    p.main.setText(Ctl::DCO2L, Shown(QT_TRANSLATE_NOOP("MainWindow", "CO2 %1/Day:")).arg(mass));
    p.main.setTooltip(Ctl::DCO2, Shown(QT_TRANSLATE_NOOP("MainWindow", "CO2 generated daily in %1")).arg(mass));
    p.main.setTooltip(Ctl::TCO2, Shown(QT_TRANSLATE_NOOP("MainWindow", "Amount of CO2 generated in %1")).arg(mass));
    p.main.setTooltip(Ctl::TCO2P,
                      Shown(QT_TRANSLATE_NOOP("MainWindow", "Predicted amount of CO2 generated in %1")).arg(mass));
}

// "Tank A (litres)" for volume readings, "Tank A (cm)" for depths.
QString TankHeading(Program& p, const char* tank, Ctl modeBox) {
    const QString unit =
        p.main.checked(modeBox) ? p.st.VolumeUnit.toLower() + "s" : p.st.DepthUnit.toLower();
    return Shown(QT_TRANSLATE_NOOP("MainWindow", "Tank %1 (%2)")).arg(QString::fromLatin1(tank), Shown(unit.toUtf8().constData()));
}

}  // namespace

void ApplyUnits(Program& p) {
    p.st.DepthUnit = p.main.checked(Ctl::TUnitsAT) ? "inches" : "cm";

    const bool gallons = p.main.checked(Ctl::TUnitsBT);
    ApplyVolumeTexts(p, gallons);
    p.st.VolumeUnit = gallons ? "Gal" : "Litre";

    p.st.MassUnit = p.main.checked(Ctl::TUnitsCT) ? "lb" : "Kgm";
    ApplyMassTexts(p);

    p.main.setText(Ctl::DepthAH, p.st.DepthUnit);
    p.main.setText(Ctl::DepthBH, p.st.DepthUnit);
    p.main.setText(Ctl::TankAH, TankHeading(p, "A", Ctl::TankAU));
    p.main.setText(Ctl::TankBH, TankHeading(p, "B", Ctl::TankBU));

    for (const ReadingTip& r : kReadingTips) {
        const char* bound =
            p.main.checked(r.modeBox) ? " (0 - Tank Capacity)" : " (0 - Tank Depth plus Offset)";
        p.main.setTooltip(r.field, QString::fromLatin1(r.name) + bound);
    }

    p.main.setText(Ctl::CORateH, p.st.MassUnit + "/" + p.st.VolumeUnit);
}

void UnitBoxClicked(Program& p) {
    // While start-up sets the boxes from the configuration it applies the units once at its end.
    if (p.st.StartupComplete) ApplyUnits(p);
}

// Switching between depths and volumes makes the tank's readings meaningless.
void TankAUClicked(Program& p) {
    ApplyUnits(p);
    p.main.setText(Ctl::TARead1, QString());
    p.main.setText(Ctl::TARead2, QString());
}

void TankBUClicked(Program& p) {
    ApplyUnits(p);
    p.main.setText(Ctl::TBRead1, QString());
    p.main.setText(Ctl::TBRead2, QString());
}

void TankASSelected(Program& p) { p.st.TankAS = float(p.main.index(Ctl::TankAS) + 1); }

void TankBSSelected(Program& p) { p.st.TankBS = float(p.main.index(Ctl::TankBS) + 1); }

// A restored first reading carried the value of the oil then in hand; once the
// user changes it that value no longer applies.
void FirstReadingEdited(Program& p) {
    if (!p.st.ReadingRestored) return;
    // Typed back to what was restored, it is the same reading with the same value.
    if (p.main.text(Ctl::TARead1) == p.st.RestoredReadings.first &&
        p.main.text(Ctl::TBRead1) == p.st.RestoredReadings.second)
        return;
    p.st.OilValue = QStringLiteral("0");
    p.st.ReadingRestored = false;
}

}  // namespace tw
