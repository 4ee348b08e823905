#include "config/ConfigWriter.h"

#include <QStringList>

#include "calc/Fields.h"
#include "calc/Formats.h"
#include "platform/Version.h"

namespace tw {

namespace {

// The file keeps every check box and most numbers one higher than the window shows,
// so that an empty field is stored as 1.
QString StatePlusOne(int state) { return QString::number(state + 1); }

QString ValuePlusOne(const QString& field, const QLocale& locale) {
    return GeneralNumber(NumberValue(field, locale) + 1);
}

// The file is machine data: its numbers keep a period in every locale, so that it
// reads the same on any machine.
QString PeriodNumber(const QString& fieldText, const QLocale& locale) {
    QString text = fieldText;
    return text.replace(locale.decimalPoint(), QStringLiteral("."));
}

}  // namespace

QString ComposeConfiguration(const ShownSettings& s, const QString& stamp, const QLocale& locale) {
    const auto plusOne = [&](const QString& field) { return ValuePlusOne(field, locale); };
    const QStringList lines{
        "# Tankwise Version " + VersionText(),
        "# Configuration File",
        "# " + stamp,
        QString(),
        "[Run]",
        "LogLevel=" + StatePlusOne(s.AutoSave),
        "RunOnTop=" + StatePlusOne(s.OnTop),
        "UpEnable=" + StatePlusOne(s.UpEnable),
        QString(),
        "[Data]",
        "CORate=" + PeriodNumber(s.CORate, locale),
        "DVRate=" + plusOne(s.DVRate),
        "Predict=" + plusOne(s.Predict),
        "TankACap=" + plusOne(s.TankACap),
        "TankBCap=" + plusOne(s.TankBCap),
        "TankAS=" + GeneralNumber(s.TankAS),
        "TankBS=" + GeneralNumber(s.TankBS),
        "TankAD=" + plusOne(s.TankAD),
        "TankBD=" + plusOne(s.TankBD),
        "TankAU=" + StatePlusOne(s.TankAU),
        "TankBU=" + StatePlusOne(s.TankBU),
        "TankOffA=" + plusOne(s.TankOffA),
        "TankOffB=" + plusOne(s.TankOffB),
        "TUnitsA=" + StatePlusOne(s.TUnitsA),
        "TUnitsB=" + StatePlusOne(s.TUnitsB),
        "TUnitsC=" + StatePlusOne(s.TUnitsC),
        "VRate=" + plusOne(s.VRate),
    };
    return lines.join("\r\n");
}

}  // namespace tw
