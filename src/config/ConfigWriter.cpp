#include "config/ConfigWriter.h"

#include <QStringList>

#include "calc/Fields.h"
#include "calc/Formats.h"
#include "platform/Version.h"

namespace tw {

namespace {

// The file keeps every check box and most numbers one higher than the window shows,
// so that an empty field is stored as 1.
QString StatePlusOne(bool ticked) { return QString::number(ticked ? 2 : 1); }

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
    const FieldTexts& f = s.fields;
    const auto plusOne = [&](Ctl field) { return ValuePlusOne(f.text(field), locale); };
    const auto box = [&](Ctl c) { return StatePlusOne(f.ticked(c)); };
    const QStringList lines{
        "# Tankwise Version " + VersionText(),
        "# Configuration File",
        "# " + stamp,
        QString(),
        "[Run]",
        "LogLevel=" + box(Ctl::AutoSave),
        "RunOnTop=" + box(Ctl::OnTop),
        "UpEnable=" + box(Ctl::UpEnableT),
        QString(),
        "[Data]",
        "CORate=" + PeriodNumber(f.text(Ctl::CORate), locale),
        "DVRate=" + plusOne(Ctl::DVRate),
        "Predict=" + plusOne(Ctl::Predict),
        "TankACap=" + plusOne(Ctl::TankACap),
        "TankBCap=" + plusOne(Ctl::TankBCap),
        "TankAS=" + GeneralNumber(s.TankAS),
        "TankBS=" + GeneralNumber(s.TankBS),
        "TankAD=" + plusOne(Ctl::TankAD),
        "TankBD=" + plusOne(Ctl::TankBD),
        "TankAU=" + box(Ctl::TankAU),
        "TankBU=" + box(Ctl::TankBU),
        "TankOffA=" + plusOne(Ctl::TankOffA),
        "TankOffB=" + plusOne(Ctl::TankOffB),
        "TUnitsA=" + box(Ctl::TUnitsAT),
        "TUnitsB=" + box(Ctl::TUnitsBT),
        "TUnitsC=" + box(Ctl::TUnitsCT),
        "VRate=" + plusOne(Ctl::VRate),
    };
    return lines.join("\r\n");
}

}  // namespace tw
