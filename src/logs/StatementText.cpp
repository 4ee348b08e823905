#include "logs/StatementText.h"

#include <cmath>

#include "calc/Currency.h"
#include "calc/Formats.h"

namespace tw {

namespace {

class Writer {
public:
    Writer(const StatementWords& w) : w_(w), tax_(ShownTaxWord(TaxWordOf(CurrencySymbolOf(w.locale)))) {}

    QString date(const QDate& d) const { return ShortDate(d, w_.locale); }
    QString money(double v) const { return CurrencyText(v, w_.locale); }
    // Oil is priced to a tenth of a penny and finer.
    QString price(double v) const { return w_.locale.toCurrencyString(v, CurrencySymbolOf(w_.locale), 4); }
    QString number(double v, int decimals) const { return w_.locale.toString(v, 'f', decimals); }
    QString unit() const { return w_.gallons ? QStringLiteral("gallons") : QStringLiteral("litres"); }
    QString oil(double v) const { return number(v, 0) + " " + unit(); }
    QString mass() const { return w_.pounds ? QStringLiteral("lb") : QStringLiteral("kg"); }
    const QString& tax() const { return tax_; }

    QString span(const StatementFigures& f) const {
        return date(f.period.start) + " to " + date(f.period.lastDay());
    }
    QString periodName(const StatementPeriod& p) const {
        return (p.season ? QStringLiteral("heating season ") : QStringLiteral("calendar year ")) + p.name();
    }

    QString stock(const StockFigure& s) const {
        QString text = oil(s.litres);
        if (s.value) text += ", " + money(*s.value) + " without " + tax_;
        return text;
    }
    QString stockWhen(const StockFigure& s, bool closing) const {
        if (s.interpolated)
            return (closing ? "at the end of " + date(s.date.addDays(-1)) : "at the start of " + date(s.date)) +
                   ", worked out between the readings of " + date(s.readBefore) + " and " + date(s.readAfter);
        return "the saved reading of " + date(s.date);
    }

private:
    const StatementWords& w_;
    QString tax_;
};

QString SplitWeighting(const UseWeights& weights, const Writer& out, const QString& perDayUnit) {
    if (weights.model())
        return "in proportion to the fitted use, " + out.number(weights.model()->base, 2) + " " + perDayUnit +
               " a day plus " + out.number(weights.model()->k, 3) + " " + perDayUnit + " per degree day";
    return QStringLiteral("in proportion to the degree days");
}

QString ChangeText(double percent, const QString& before) {
    const long rounded = std::lround(std::abs(percent));
    if (rounded == 0) return "the same as " + before + " after allowing for the weather";
    return QString::number(rounded) + (percent < 0 ? "% less than " : "% more than ") + before +
           " after allowing for the weather";
}

}  // namespace

StatementDocument ComposeStatement(const SeasonStatement& statement, const UseWeights& weights,
                                   const StatementWords& words) {
    const Writer out(words);
    const StatementFigures& f = statement.current;
    const QString unitShort = words.gallons ? QStringLiteral("gal") : QStringLiteral("l");
    StatementDocument doc;
    doc.title = "Heating oil statement " + f.period.name();
    doc.heading = {"Household: " + words.household,
                   "Period: " + out.span(f) + " (" + out.periodName(f.period) + ")",
                   "Made by Tankwise " + words.version + " on " + out.date(words.today)};
    doc.footer = "Tankwise " + words.version + " \u2013 " + words.household + " \u2013 " + f.period.name();
    if (!f.covered) {
        doc.notes << "No saved readings reach into this period: there is nothing to state.";
        return doc;
    }
    if (f.from != f.period.start || f.to != f.period.end)
        doc.notes << "The saved readings cover " + out.date(f.from) + " to " + out.date(f.to.addDays(-1)) +
                         " of this period; the figures are for those days.";

    doc.sections.push_back({"Stock and deliveries",
                            {{"Opening stock", out.stock(f.opening)},
                             {"", out.stockWhen(f.opening, false)},
                             {"Delivered", out.oil(f.delivered) + " in " + QString::number(f.deliveries.size()) +
                                               (f.deliveries.size() == 1 ? " delivery" : " deliveries")},
                             {"Closing stock", out.stock(f.closing)},
                             {"", out.stockWhen(f.closing, true)}}});
    StatementDocument::Section use{"Use and cost",
                                   {{"Days", QString::number(f.days())}, {"Oil used", out.oil(f.used)}}};
    use.rows.push_back({"Cost before " + out.tax(), out.money(f.costBeforeTax)});
    use.rows.push_back({out.tax(), out.money(f.tax)});
    use.rows.push_back({"Total cost", out.money(f.totalCost)});
    use.rows.push_back({"Cost per day", f.costPerDay ? out.money(*f.costPerDay) : QStringLiteral("not known")});
    use.rows.push_back({"CO2", out.number(f.co2, 0) + " " + out.mass()});
    doc.sections.push_back(use);

    StatementDocument::Section weather{"Weather", {}};
    const auto weatherRows = [&](const StatementFigures& s, const QString& prefix) {
        weather.rows.push_back({prefix + "Degree days (" + words.profileName + " profile)", out.number(s.degreeDays, 0)});
        if (s.litresPer100DegreeDays)
            weather.rows.push_back({prefix + out.unit().left(1).toUpper() + out.unit().mid(1) + " per 100 degree days",
                                    out.number(*s.litresPer100DegreeDays, 1)});
        if (s.normalisedUse) weather.rows.push_back({prefix + "Weather-normalised use", out.oil(*s.normalisedUse)});
    };
    weatherRows(f, QString());
    if (statement.before) {
        const QString before = statement.before->period.name();
        weather.rows.push_back({"Oil used in " + before, out.oil(statement.before->used)});
        weatherRows(*statement.before, before + ": ");
        if (statement.changePercent) weather.rows.push_back({"Change", ChangeText(*statement.changePercent, before)});
    } else {
        weather.rows.push_back({"Change", "no saved readings for " + f.period.previous().name()});
    }
    doc.sections.push_back(weather);

    StatementDocument::Table deliveries{"Deliveries",
                                        {"Date", "Amount", "Price", "Charge", out.tax(), "Total"}, {}};
    for (const StatementDelivery& d : f.deliveries)
        deliveries.rows.push_back({out.date(d.date), out.oil(d.litres), out.price(d.price),
                                   out.money(d.charge), out.money(d.tax), out.money(d.total)});
    doc.tables.push_back(deliveries);

    StatementDocument::Table parts{"Saved periods", {"From", "To", "Days", "Oil used", "Cost with " + out.tax(), ""}, {}};
    for (const StatementPart& p : f.parts)
        parts.rows.push_back({out.date(p.from), out.date(p.to), QString::number(p.from.daysTo(p.to)), out.oil(p.used),
                              p.costs ? out.money(p.costs->tCost + p.costs->vCost) : QStringLiteral("not priced"),
                              p.split ? QStringLiteral("split") : QString()});
    doc.tables.push_back(parts);

    if (f.anySplit())
        doc.notes << "Periods marked split run past the start or end of the statement; their oil is shared " +
                         SplitWeighting(weights, out, unitShort) + ", and the stock at the cut is worked out the same way.";
    if (f.unpricedParts > 0)
        doc.notes << QString::number(f.unpricedParts) +
                         " saved period(s) had no value for the oil at their first reading; their cost is not included.";
    doc.notes << "Degree days are those of a normal year by the " + words.profileName +
                     " profile; the weather-normalised use is the use such a year would have given.";
    doc.chartTitle = "Oil used per month (" + out.unit() + ") and degree days";
    doc.months = f.months;
    for (const MonthFigure& m : f.months) doc.monthLabels << words.locale.standaloneMonthName(m.month.month(), QLocale::ShortFormat);
    doc.useLegend = "Oil used (" + out.unit() + ")";
    doc.degreeDayLegend = "Degree days (" + words.profileName + " profile)";
    return doc;
}

}  // namespace tw
