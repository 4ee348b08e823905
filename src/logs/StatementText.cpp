#include "logs/StatementText.h"

#include <QCoreApplication>
#include <cmath>

#include "calc/Currency.h"
#include "calc/Formats.h"

namespace tw {

namespace {

// The statement is read by people only, so it speaks the window's language.
class Writer {
    Q_DECLARE_TR_FUNCTIONS(StatementText)

public:
    Writer(const StatementWords& w) : w_(w), tax_(ShownTaxWord(TaxWordOf(CurrencySymbolOf(w.locale)))) {}

    QString date(const QDate& d) const { return ShortDate(d, w_.locale); }
    QString money(double v) const { return CurrencyText(v, w_.locale); }
    // Oil is priced to a tenth of a penny and finer.
    QString price(double v) const { return w_.locale.toCurrencyString(v, CurrencySymbolOf(w_.locale), 4); }
    QString number(double v, int decimals) const { return w_.locale.toString(v, 'f', decimals); }
    QString unit() const { return w_.gallons ? tr("gallons") : tr("litres"); }
    // "Litres", to begin a caption.
    QString unitCaption() const { return w_.gallons ? tr("Gallons") : tr("Litres"); }
    QString oil(double v) const { return tr("%1 %2", "amount of oil").arg(number(v, 0), unit()); }
    QString mass() const { return w_.pounds ? QStringLiteral("lb") : QStringLiteral("kg"); }
    const QString& tax() const { return tax_; }
    // The degree-day profile by its country; a file of the user's by its name.
    QString profile(const QString& name) const {
        if (name == QLatin1String("UK")) return tr("UK");
        if (name == QLatin1String("German")) return tr("German");
        return name;
    }

    QString span(const StatementFigures& f) const {
        return tr("%1 to %2").arg(date(f.period.start), date(f.period.lastDay()));
    }
    QString periodName(const StatementPeriod& p) const {
        return (p.season ? tr("heating season %1") : tr("calendar year %1")).arg(p.name());
    }

    QString stock(const StockFigure& s) const {
        QString text = oil(s.litres);
        if (s.value) text = tr("%1, %2 without %3").arg(text, money(*s.value), tax_);
        return text;
    }
    QString stockWhen(const StockFigure& s, bool closing) const {
        if (s.interpolated)
            return (closing ? tr("at the end of %1, worked out between the readings of %2 and %3")
                                  .arg(date(s.date.addDays(-1)), date(s.readBefore), date(s.readAfter))
                            : tr("at the start of %1, worked out between the readings of %2 and %3")
                                  .arg(date(s.date), date(s.readBefore), date(s.readAfter)));
        return tr("the saved reading of %1").arg(date(s.date));
    }

private:
    const StatementWords& w_;
    QString tax_;
};

QString SplitWeighting(const UseWeights& weights, const Writer& out, const QString& perDayUnit) {
    if (weights.model())
        return Writer::tr("in proportion to the fitted use, %1 %2 a day plus %3 %2 per degree day")
            .arg(out.number(weights.model()->base, 2), perDayUnit, out.number(weights.model()->k, 3));
    return Writer::tr("in proportion to the degree days");
}

QString ChangeText(double percent, const QString& before) {
    const long rounded = std::lround(std::abs(percent));
    if (rounded == 0) return Writer::tr("the same as %1 after allowing for the weather").arg(before);
    return (percent < 0 ? Writer::tr("%1% less than %2 after allowing for the weather")
                        : Writer::tr("%1% more than %2 after allowing for the weather"))
        .arg(rounded)
        .arg(before);
}

}  // namespace

StatementDocument ComposeStatement(const SeasonStatement& statement, const UseWeights& weights,
                                   const StatementWords& words) {
    const Writer out(words);
    const StatementFigures& f = statement.current;
    const QString unitShort = words.gallons ? QStringLiteral("gal") : QStringLiteral("l");
    const QString profile = out.profile(words.profileName);
    StatementDocument doc;
    doc.title = Writer::tr("Heating oil statement %1").arg(f.period.name());
    doc.heading = {Writer::tr("Household: %1").arg(words.household),
                   Writer::tr("Period: %1 (%2)").arg(out.span(f), out.periodName(f.period)),
                   Writer::tr("Made by Tankwise %1 on %2").arg(words.version, out.date(words.today))};
    doc.footer = "Tankwise " + words.version + " \u2013 " + words.household + " \u2013 " + f.period.name();
    if (!f.covered) {
        doc.notes << Writer::tr("No saved readings reach into this period: there is nothing to state.");
        return doc;
    }
    if (f.from != f.period.start || f.to != f.period.end)
        doc.notes << Writer::tr("The saved readings cover %1 to %2 of this period; the figures are for those days.")
                         .arg(out.date(f.from), out.date(f.to.addDays(-1)));

    const qsizetype deliveryCount = qsizetype(f.deliveries.size());
    doc.sections.push_back({Writer::tr("Stock and deliveries"),
                            {{Writer::tr("Opening stock"), out.stock(f.opening)},
                             {"", out.stockWhen(f.opening, false)},
                             {Writer::tr("Delivered"),
                              (deliveryCount == 1 ? Writer::tr("%1 in %2 delivery") : Writer::tr("%1 in %2 deliveries"))
                                  .arg(out.oil(f.delivered))
                                  .arg(deliveryCount)},
                             {Writer::tr("Closing stock"), out.stock(f.closing)},
                             {"", out.stockWhen(f.closing, true)}}});
    StatementDocument::Section use{
        Writer::tr("Use and cost"),
        {{Writer::tr("Days"), QString::number(f.days())}, {Writer::tr("Oil used"), out.oil(f.used)}}};
    use.rows.push_back({Writer::tr("Cost before %1").arg(out.tax()), out.money(f.costBeforeTax)});
    use.rows.push_back({out.tax(), out.money(f.tax)});
    use.rows.push_back({Writer::tr("Total cost"), out.money(f.totalCost)});
    use.rows.push_back({Writer::tr("Cost per day"), f.costPerDay ? out.money(*f.costPerDay) : Writer::tr("not known")});
    use.rows.push_back({QStringLiteral("CO2"), out.number(f.co2, 0) + " " + out.mass()});
    doc.sections.push_back(use);

    StatementDocument::Section weather{Writer::tr("Weather"), {}};
    // The rows of the year before begin with its name: "2023/24: Degree days".
    const auto weatherRows = [&](const StatementFigures& s, const QString& before) {
        const auto caption = [&](const QString& text) {
            return before.isEmpty() ? text : Writer::tr("%1: %2", "the year before: caption").arg(before, text);
        };
        weather.rows.push_back(
            {caption(Writer::tr("Degree days (%1 profile)").arg(profile)), out.number(s.degreeDays, 0)});
        if (s.litresPer100DegreeDays)
            weather.rows.push_back({caption(Writer::tr("%1 per 100 degree days").arg(out.unitCaption())),
                                    out.number(*s.litresPer100DegreeDays, 1)});
        if (s.normalisedUse)
            weather.rows.push_back({caption(Writer::tr("Weather-normalised use")), out.oil(*s.normalisedUse)});
    };
    weatherRows(f, QString());
    if (statement.before) {
        const QString before = statement.before->period.name();
        weather.rows.push_back({Writer::tr("Oil used in %1").arg(before), out.oil(statement.before->used)});
        weatherRows(*statement.before, before);
        if (statement.changePercent)
            weather.rows.push_back({Writer::tr("Change"), ChangeText(*statement.changePercent, before)});
    } else {
        weather.rows.push_back(
            {Writer::tr("Change"), Writer::tr("no saved readings for %1").arg(f.period.previous().name())});
    }
    doc.sections.push_back(weather);

    StatementDocument::Table deliveries{Writer::tr("Deliveries"),
                                        {Writer::tr("Date"), Writer::tr("Amount"), Writer::tr("Price"),
                                         Writer::tr("Charge"), out.tax(), Writer::tr("Total")},
                                        {}};
    for (const StatementDelivery& d : f.deliveries)
        deliveries.rows.push_back({out.date(d.date), out.oil(d.litres), out.price(d.price),
                                   out.money(d.charge), out.money(d.tax), out.money(d.total)});
    doc.tables.push_back(deliveries);

    StatementDocument::Table parts{Writer::tr("Saved periods"),
                                   {Writer::tr("From"), Writer::tr("To"), Writer::tr("Days"), Writer::tr("Oil used"),
                                    Writer::tr("Cost with %1").arg(out.tax()), ""},
                                   {}};
    for (const StatementPart& p : f.parts)
        parts.rows.push_back({out.date(p.from), out.date(p.to), QString::number(p.from.daysTo(p.to)), out.oil(p.used),
                              p.costs ? out.money(p.costs->tCost + p.costs->vCost) : Writer::tr("not priced"),
                              p.split ? Writer::tr("split") : QString()});
    doc.tables.push_back(parts);

    if (f.anySplit())
        doc.notes << Writer::tr(
                         "Periods marked split run past the start or end of the statement; their oil is "
                         "shared %1, and the stock at the cut is worked out the same way.")
                         .arg(SplitWeighting(weights, out, unitShort));
    if (f.unpricedParts > 0)
        doc.notes << Writer::tr(
                         "%1 saved period(s) had no value for the oil at their first reading; their cost "
                         "is not included.")
                         .arg(f.unpricedParts);
    doc.notes << Writer::tr(
                     "Degree days are those of a normal year by the %1 profile; the weather-normalised use "
                     "is the use such a year would have given.")
                     .arg(profile);
    doc.chartTitle = Writer::tr("Oil used per month (%1) and degree days").arg(out.unit());
    doc.months = f.months;
    for (const MonthFigure& m : f.months) doc.monthLabels << words.locale.standaloneMonthName(m.month.month(), QLocale::ShortFormat);
    doc.useLegend = Writer::tr("Oil used (%1)").arg(out.unit());
    doc.degreeDayLegend = Writer::tr("Degree days (%1 profile)").arg(profile);
    return doc;
}

}  // namespace tw
