#include "app/StartingReading.h"

#include "app/Program.h"
#include "calc/Fields.h"

namespace tw {

bool IsStartingReading(const Program& p) {
    const MainModel& m = p.main;
    const QLocale locale = p.desktop.locale();
    if (!ParseDate(m.text(Ctl::Date1), locale)) return false;
    for (Ctl c : {Ctl::Date2, Ctl::Date3, Ctl::LAdd1, Ctl::OCost1, Ctl::DCharge1, Ctl::Date4,
                  Ctl::LAdd2, Ctl::OCost2, Ctl::DCharge2})
        if (!m.text(c).isEmpty()) return false;
    // The checks fill a reading left empty with 0.
    return NumberValue(m.text(Ctl::TARead2), locale) == 0 &&
           NumberValue(m.text(Ctl::TBRead2), locale) == 0;
}

}  // namespace tw
