#include "app/CalculationChecks.h"

#include <QCoreApplication>

#include "app/FatalDump.h"
#include "app/Program.h"
#include "app/WindowFields.h"
#include "calc/Currency.h"
#include "calc/Fingerprint.h"
#include "calc/InputChecks.h"

namespace tw {

namespace {

void AddMessages(Program& p, const QStringList& messages) {
    for (const QString& message : messages) p.st.SaveError += message + QLatin1Char('\n');
}

void NormaliseInputFields(Program& p, const FieldTexts& typed, const QLocale& locale) {
    p.st.FieldsTyped = false;
    // The written forms first, as the window always showed them: a reading edited
    // on the way counts as edited even where the last pass gives its text back.
    ShowFields(p.main, NumbersWritten(typed, locale));
    const FieldTexts numbers = NormalisedNumbers(typed, locale);
    ShowFields(p.main, numbers);
    p.step(127);
    ShowFields(p.main, NormalisedDates(numbers, locale));
}

}  // namespace

EmptyReadings TakeEmptyReadings(const Program& p) {
    return EmptyReadingsOf(TakeFields(p.main, {Ctl::TARead1, Ctl::TARead2, Ctl::TBRead1, Ctl::TBRead2}));
}

void CheckInputFields(Program& p) {
    Trapped(p, "Check Data Error", [&] {
        p.step(121);
        const QLocale locale = p.desktop.locale();
        const FieldTexts typed = TakeFields(p.main, kInputFields);
        if (!NothingToCalculate(typed)) {
            p.step(122);
            p.step(123);
            p.step(124);
        }
        AddMessages(p, InputFieldMessages(typed, locale));

        p.step(125);
        if (p.st.InhibitMode == 1) p.st.SaveError.clear();

        // Not even the switch lets text reach the logs that their code page would
        // replace by a substitute byte.
        const QString outside = CharactersOutsideLogCodePage(p.main.text(Ctl::Notes));
        if (!outside.isEmpty()) {
            QStringList each;
            for (const QChar c : outside) each << QString(c);
            p.st.SaveError += QCoreApplication::translate(
                                  "Messages", "Notes cannot hold %1: the log files have no code for these characters")
                                  .arg(each.join(' ')) +
                              '\n';

        }

        p.step(126);
        if (p.st.SaveError.isEmpty()) NormaliseInputFields(p, typed, locale);
    });
}

void CheckCombinations(Program& p, const EmptyReadings& typed) {
    for (int step = 111; step <= 118; ++step) p.step(step);
    AddMessages(p, CrossCheckMessages(TakeFields(p.main, kCrossCheckFields), typed,
                                      p.desktop.locale()));
    if (p.st.InhibitMode == 1) p.st.SaveError.clear();
}

QString BuildInputFingerprint(Program& p) {
    return InputFingerprint(p.st.CurrencySymbol, TakeFields(p.main, kFingerprintFields));
}

}  // namespace tw
