#include "app/Tidying.h"

#include "app/FatalDump.h"
#include "app/Program.h"
#include "app/WindowFields.h"
#include "calc/Tidy.h"

namespace tw {

void TidyOutput(Program& p) {
    Trapped(p, "Tidy Output Error", [&] {
        const QLocale locale = p.desktop.locale();
        p.step(231);
        FieldTexts results =
            BareResults(TakeFields(p.main, kResultFields), p.st.CurrencySymbol, locale);
        ShowFields(p.main, results);

        p.step(232);
        results = FormattedResults(results, locale);
        ShowFields(p.main, results);

        p.step(233);
        ShowFields(p.main, FinishedResults(results, locale));
    });
}

void TidyInput(Program& p) {
    Trapped(p, "Tidy Input Error", [&] {
        p.step(261);
        const bool noOil = p.st.OilAtReading1 == 0 && p.st.OilAtReading2 == 0;
        ShowFields(p.main, TidiedInput(TakeFields(p.main, kTidiedInputFields), noOil,
                                       p.desktop.locale()));
    });
}

}  // namespace tw
