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

QString ValuePlusOne(const QString& field) { return GeneralNumber(NumberValue(field) + 1); }

}  // namespace

QString ComposeConfiguration(const ShownSettings& s, const QString& stamp) {
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
        "CORate=" + s.CORate,
        "DVRate=" + ValuePlusOne(s.DVRate),
        "Predict=" + ValuePlusOne(s.Predict),
        "TankACap=" + ValuePlusOne(s.TankACap),
        "TankBCap=" + ValuePlusOne(s.TankBCap),
        "TankAS=" + GeneralNumber(s.TankAS),
        "TankBS=" + GeneralNumber(s.TankBS),
        "TankAD=" + ValuePlusOne(s.TankAD),
        "TankBD=" + ValuePlusOne(s.TankBD),
        "TankAU=" + StatePlusOne(s.TankAU),
        "TankBU=" + StatePlusOne(s.TankBU),
        "TankOffA=" + ValuePlusOne(s.TankOffA),
        "TankOffB=" + ValuePlusOne(s.TankOffB),
        "TUnitsA=" + StatePlusOne(s.TUnitsA),
        "TUnitsB=" + StatePlusOne(s.TUnitsB),
        "TUnitsC=" + StatePlusOne(s.TUnitsC),
        "VRate=" + ValuePlusOne(s.VRate),
    };
    return lines.join("\r\n");
}

}  // namespace tw
