#pragma once
#include <QLocale>
#include <QString>

namespace tw {

// The settings as the window shows them: check box states (0 or 1), field texts and
// the stored shape values (the selection + 1).
struct ShownSettings {
    int AutoSave = 0, OnTop = 0, UpEnable = 0;
    QString CORate, DVRate, Predict, TankACap, TankBCap, TankAD, TankBD, TankOffA, TankOffB, VRate;
    float TankAS = 0, TankBS = 0;
    int TankAU = 0, TankBU = 0, TUnitsA = 0, TUnitsB = 0, TUnitsC = 0;
};

// The configuration file's text, exactly as the reader expects it (27 lines, no final
// line end); `stamp` is the time stamp of its third line; field texts are read in
// `locale` and written with a period.
QString ComposeConfiguration(const ShownSettings& s, const QString& stamp, const QLocale& locale);

}  // namespace tw
