#include "app/OilPriceInTank.h"

#include "app/Program.h"
#include "calc/Costs.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"

namespace tw {

void OfferOilPriceInTank(Program& p) {
    const bool carried = ShownValue(p.st.OilValue, p.desktop.locale()) != 0;
    if (carried) p.main.setText(Ctl::OCost0, QString());
    p.main.setVisible(Ctl::OCost0, !carried);
    p.main.setVisible(Ctl::OCost0L, !carried);
}

void PriceOilInTank(Program& p) {
    if (!p.main.visible(Ctl::OCost0)) return;
    const double price = ShownValue(p.main.text(Ctl::OCost0), p.desktop.locale());
    p.st.OilValue = price > 0 ? GeneralNumber(OpeningOilValue(p.st.OilAtReading1, price)) : QString();
}

}  // namespace tw
