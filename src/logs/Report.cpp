#include "logs/Report.h"

#include "app/FatalDump.h"
#include "app/Program.h"
#include "app/Startup.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "logs/LogColumns.h"
#include "logs/TankLines.h"

namespace tw {

namespace {

const QString kEnd = QStringLiteral("\r\n");

// A number is "set" when its value is not 0; empty or non-numeric text is 0.
bool IsSet(const QString& text, const QLocale& locale) { return NumberValue(text, locale) != 0; }

// Labels are 26 characters of words and blanks, then ": ", so values start in column 29.
QString Label(const QString& words) { return words.leftJustified(26, QLatin1Char(' ')) + ": "; }

class ReportWriter {
public:
    explicit ReportWriter(Program& p) : p_(p), locale_(p.desktop.locale()) {}

    QString field(Ctl c) const { return p_.main.text(c); }
    // Amounts keep their digits in their columns (group separators go first).
    QString aligned(Ctl c, int width) const {
        return RightAlign(FitCurrency(field(c), width, locale_), width);
    }
    QString currency(const QString& number) const {
        return RightAlign(FitCurrency(CurrencyText(NumberValue(number), locale_), 9, locale_), 9);
    }
    QString percent(Ctl rate) const { return field(rate) + "%"; }

    QString quantity(const QString& label, Ctl c, int width, const QString& unit) const {
        return Label(label) + aligned(c, width) + QString(10 - width, QLatin1Char(' ')) + unit;
    }

    // The cost lines of one section, each starting with its own line break.
    QString costLines(bool predicted) const {
        const State& st = p_.st;
        const QString tax = st.TaxWord;
        const bool oil = IsSet(st.OilValue, locale_);
        const bool vat = IsSet(field(Ctl::VRate), locale_) && oil;
        const bool deliveryVat = IsSet(field(Ctl::DVRate), locale_) && oil && st.DeliveryChargeTotal != 0;
        const bool charges = st.DeliveryChargeTotal != 0;
        const QString phrase = predicted ? predictedChargePhrase() : periodChargePhrase();
        QString text;
        if (vat)
            text += kEnd + Label("Cost Before " + tax) +
                    aligned(predicted ? Ctl::TCostP : Ctl::TCost, 9) + phrase;
        if (vat)
            text += kEnd + Label(tax + " Cost - Oil") +
                    currency(predicted ? st.PredictedOilVat : st.OilVat) + " at " +
                    percent(Ctl::VRate);
        if (deliveryVat)
            text += kEnd + Label(tax + " Cost - Delivery") +
                    currency(predicted ? st.PredictedDeliveryVat : st.DeliveryVat) + " at " +
                    percent(Ctl::DVRate);
        if (vat && charges)
            text += kEnd + Label(tax + " Cost - Total") +
                    aligned(predicted ? Ctl::VCostP : Ctl::VCost, 9);
        if (oil)
            text += kEnd + Label("Total Cost") + aligned(predicted ? Ctl::TVCostP : Ctl::TVCost, 9) +
                    phrase;
        if (oil && !predicted)
            text += kEnd + Label("Cost Per Day") + aligned(Ctl::DCost, 9) + " (inc " + tax + ")";
        return text;
    }

private:
    QString periodChargePhrase() const {
        if (p_.st.DeliveryChargeTotal == 0) return {};
        return p_.st.RetrievedDelivery2.isEmpty() ? " (inc Delivery Charge)"
                                                  : " (inc Delivery Charges)";
    }
    QString predictedChargePhrase() const {
        const State& st = p_.st;
        if (st.DeliveryChargeTotal == 0 || st.PredictedDeliveries == 0) return {};
        return " (inc " + GeneralNumber(st.PredictedDeliveries) + " Delivery " +
               (st.PredictedDeliveries > 1 ? "Charges" : "Charge") + ")";
    }

    Program& p_;
    QLocale locale_;
};

}  // namespace

void BuildReport(Program& p) {
    Trapped(p, "Generate Log 1 Error", [&] {
        p.step(241);
        const ReportWriter w(p);
        const QString volumes = VolumeWord(p) + "s";
        const QString mass = p.st.MassUnit;
        QString r;
        r += NowStamp(p) + kEnd;
        r += w.field(Ctl::Notes) + kEnd;
        r += TankLine(p, false) + kEnd;
        r += TankLine(p, true) + kEnd;
        r += kEnd;
        r += "Use To Date (" + w.aligned(Ctl::TDays, 3) + " Days)" + kEnd;
        r += QString(22, QLatin1Char('-')) + kEnd;
        r += Label("From") + w.field(Ctl::Date1) + kEnd;
        r += Label("To") + w.field(Ctl::Date2) + kEnd;
        r += w.quantity("CO2 Generated", Ctl::TCO2, 6, mass) + kEnd;
        r += w.quantity("CO2 Generated Per Day", Ctl::DCO2, 8, mass) + kEnd;
        r += w.quantity("Total Oil Used", Ctl::TankT, 6, volumes) + kEnd;
        r += w.quantity("Oil Left", Ctl::OLeft, 6, volumes) + kEnd;
        r += w.quantity("Oil Used Per day", Ctl::VDay, 8, volumes);
        r += w.costLines(false) + kEnd;

        p.step(242);
        if (IsSet(w.field(Ctl::Predict), p.desktop.locale())) {
            r += kEnd;
            r += "Prediction Over " + w.aligned(Ctl::Predict, 2) + " Month(s) (" +
                 w.aligned(Ctl::TDaysP, 3) + " Days)" + kEnd;
            r += QString(38, QLatin1Char('-')) + kEnd;
            r += Label("From") + w.field(Ctl::Date1) + kEnd;
            r += Label("Date Tank(s) Empty") + w.field(Ctl::FillDate) + kEnd;
            r += w.quantity("CO2 Generated", Ctl::TCO2P, 6, mass) + kEnd;
            r += w.quantity("Total Oil Used", Ctl::TankTP, 6, volumes);
            r += w.costLines(true) + kEnd;
        }
        r += QString(58, QLatin1Char('-')) + kEnd;
        r += kEnd;
        p.st.ReportText = r;
    });
}

}  // namespace tw
