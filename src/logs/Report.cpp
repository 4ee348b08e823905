#include "logs/Report.h"

#include "calc/Fields.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"
#include "logs/LogColumns.h"
#include "logs/TankLines.h"

namespace tw {

namespace {

const QString kEnd = QStringLiteral("\r\n");

// A number is "set" when its value is not 0; empty or non-numeric text is 0.
bool IsSet(const QString& text, const QLocale& locale) { return ShownValue(text, locale) != 0; }

// Labels are 26 characters of words and blanks, then ": ", so values start in column 29.
QString Label(const QString& words) { return words.leftJustified(26, QLatin1Char(' ')) + ": "; }

class ReportWriter {
public:
    ReportWriter(const ReportInput& in, const QLocale& locale) : in_(in), locale_(locale) {}

    // Amounts keep their digits in their columns (group separators go first).
    QString aligned(const QString& text, int width) const {
        return RightAlign(FitCurrency(text, width, locale_), width);
    }
    QString currency(const QString& number) const {
        return RightAlign(FitCurrency(CurrencyText(ShownValue(number, locale_), locale_), 9, locale_), 9);
    }

    QString quantity(const QString& label, const QString& text, int width,
                     const QString& unit) const {
        return Label(label) + aligned(text, width) + QString(10 - width, QLatin1Char(' ')) + unit;
    }

    // The cost lines of one section, each starting with its own line break.
    QString costLines(bool predicted) const {
        const ReportCosts& c = predicted ? in_.predicted : in_.period;
        const QString& tax = in_.taxWord;
        const bool charges = in_.deliveryChargeTotal != 0;
        const bool oil = IsSet(in_.oilValue, locale_);
        const bool vat = IsSet(in_.vatRate, locale_) && oil;
        const bool deliveryVat = IsSet(in_.deliveryVatRate, locale_) && oil && charges;
        const QString phrase = predicted ? predictedChargePhrase() : periodChargePhrase();
        QString text;
        if (vat)
            text += kEnd + Label("Cost Before " + tax) + aligned(c.costBeforeTax, 9) + phrase;
        if (vat)
            text += kEnd + Label(tax + " Cost - Oil") + currency(c.oilVat) + " at " +
                    in_.vatRate + "%";
        if (deliveryVat)
            text += kEnd + Label(tax + " Cost - Delivery") + currency(c.deliveryVat) + " at " +
                    in_.deliveryVatRate + "%";
        if (vat && charges) text += kEnd + Label(tax + " Cost - Total") + aligned(c.taxTotal, 9);
        if (oil) text += kEnd + Label("Total Cost") + aligned(c.totalCost, 9) + phrase;
        if (oil && !predicted)
            text += kEnd + Label("Cost Per Day") + aligned(in_.costPerDay, 9) + " (inc " + tax + ")";
        return text;
    }

private:
    QString periodChargePhrase() const {
        if (in_.deliveryChargeTotal == 0) return {};
        return in_.secondDeliveryRestored ? " (inc Delivery Charges)" : " (inc Delivery Charge)";
    }
    QString predictedChargePhrase() const {
        const double n = in_.predictedDeliveries;
        if (in_.deliveryChargeTotal == 0 || n == 0) return {};
        return " (inc " + GeneralNumber(n) + " Delivery " + (n > 1 ? "Charges" : "Charge") + ")";
    }

    const ReportInput& in_;
    QLocale locale_;
};

}  // namespace

QString BuildReport(const ReportInput& in, const QLocale& locale) {
    const ReportWriter w(in, locale);
    const QString volumes = VolumeWord(in.volumeUnit) + "s";
    const QString& mass = in.massUnit;
    QString r;
    r += in.stamp + kEnd;
    r += in.notes + kEnd;
    r += in.tankLineA + kEnd;
    r += in.tankLineB + kEnd;
    r += kEnd;
    r += "Use To Date (" + w.aligned(in.days, 3) + " Days)" + kEnd;
    r += QString(22, QLatin1Char('-')) + kEnd;
    r += Label("From") + in.date1 + kEnd;
    r += Label("To") + in.date2 + kEnd;
    r += w.quantity("CO2 Generated", in.co2, 6, mass) + kEnd;
    r += w.quantity("CO2 Generated Per Day", in.co2PerDay, 8, mass) + kEnd;
    r += w.quantity("Total Oil Used", in.oilUsed, 6, volumes) + kEnd;
    r += w.quantity("Oil Left", in.oilLeft, 6, volumes) + kEnd;
    r += w.quantity("Oil Used Per day", in.oilPerDay, 8, volumes);
    r += w.costLines(false) + kEnd;

    if (IsSet(in.months, locale)) {
        r += kEnd;
        r += "Prediction Over " + w.aligned(in.months, 2) + " Month(s) (" +
             w.aligned(in.predictedDays, 3) + " Days)" + kEnd;
        r += QString(38, QLatin1Char('-')) + kEnd;
        r += Label("From") + in.date1 + kEnd;
        r += Label("Date Tank(s) Empty") + in.emptyDate + kEnd;
        r += w.quantity("CO2 Generated", in.predictedCo2, 6, mass) + kEnd;
        r += w.quantity("Total Oil Used", in.predictedOilUsed, 6, volumes);
        r += w.costLines(true) + kEnd;
    }
    r += QString(58, QLatin1Char('-')) + kEnd;
    r += kEnd;
    return r;
}

}  // namespace tw
