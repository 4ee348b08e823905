#include "calc/Fingerprint.h"

#include "app/Program.h"

namespace tw {

QString BuildInputFingerprint(Program& p) {
    const MainModel& m = p.main;
    QString f = p.st.CurrencySymbol;
    auto texts = [&](std::initializer_list<Ctl> fields) {
        for (Ctl c : fields) f += m.text(c);
    };
    auto states = [&](std::initializer_list<Ctl> boxes) {
        for (Ctl c : boxes) f += QString::number(m.state(c));
    };
    texts({Ctl::Date1, Ctl::Date2, Ctl::Date3, Ctl::Date4, Ctl::TARead1, Ctl::TARead2,
           Ctl::TBRead1, Ctl::TBRead2});
    states({Ctl::CHeat2, Ctl::WHeat2});
    texts({Ctl::LAdd1, Ctl::LAdd2, Ctl::Notes, Ctl::TankACap, Ctl::TankBCap});
    f += m.itemText(Ctl::TankAS) + m.itemText(Ctl::TankBS);
    texts({Ctl::TankAD, Ctl::TankBD});
    states({Ctl::TankAU, Ctl::TankBU});
    f += m.text(Ctl::TankOffA) + QLatin1Char(',') + m.text(Ctl::TankOffB);
    states({Ctl::TUnitsAT, Ctl::TUnitsBT, Ctl::TUnitsCT});
    texts({Ctl::DCharge1, Ctl::CORate, Ctl::Predict, Ctl::VRate, Ctl::DCharge2, Ctl::OCost1,
           Ctl::OCost2, Ctl::DVRate});
    states({Ctl::NoHistory});
    f += QLatin1Char('.');
    return f;
}

}  // namespace tw
