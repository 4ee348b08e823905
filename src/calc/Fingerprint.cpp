#include "calc/Fingerprint.h"

namespace tw {

namespace {

bool IsBox(Ctl c) {
    for (Ctl box : {Ctl::CHeat2, Ctl::WHeat2, Ctl::TankAU, Ctl::TankBU, Ctl::TUnitsAT,
                    Ctl::TUnitsBT, Ctl::TUnitsCT, Ctl::NoHistory})
        if (c == box) return true;
    return false;
}

}  // namespace

QString InputFingerprint(const QString& currencySymbol, const FieldTexts& fields) {
    QString f = currencySymbol;
    for (Ctl c : kFingerprintFields) {
        f += IsBox(c) ? QString::number(fields.ticked(c) ? 1 : 0) : fields.text(c);
        // The two offsets are kept apart, so that "1" + "12" differs from "11" + "2".
        if (c == Ctl::TankOffA) f += QLatin1Char(',');
    }
    f += QLatin1Char('.');
    return f;
}

}  // namespace tw
