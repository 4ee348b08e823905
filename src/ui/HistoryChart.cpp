#include "ui/HistoryChart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QCoreApplication>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPointer>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

#include "ui/AxisFitter.h"
#include "ui/ChartAxes.h"
#include "ui/ChartColours.h"
#include "ui/ChartDetail.h"
#include "ui/ChartPoints.h"

namespace tw {

namespace {

// The texts it shows, in the language of the installed translation.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(HistoryChart)
};

qreal Ms(const QDate& date) { return ChartMs(date); }

QValueAxis* ValueAxis(QChart* chart, const QString& title, Qt::Alignment side, const QColor& labels,
                      const ChartColours& colours) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleBrush(colours.text);
    axis->setLabelsColor(labels);
    axis->setLabelFormat(QStringLiteral("%.4g"));
    axis->setGridLineColor(colours.grid);
    axis->setLinePenColor(colours.axisLine);
    chart->addAxis(axis, side);
    return axis;
}

void Attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

void HideFromLegend(QChart* chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart->legend()->markers(series)) marker->setVisible(false);
}

struct TimeSpan {
    QDate first, last;
};

// From the first reading or delivery to the last mark or forecast point, with a
// little room on both sides; a single day gets a week around it.
TimeSpan SpanOf(const std::vector<HistoryTableRow>& rows, const LogViewContent& content,
               const ForecastChartSeries& forecast) {
    QDate first = rows.front().date, last = first;
    for (const HistoryTableRow& row : rows) {
        first = std::min(first, row.date);
        last = std::max(last, row.date);
    }
    for (const SavedDelivery& d : content.deliveries) {
        first = std::min(first, d.date);
        last = std::max(last, d.date);
    }
    for (const LevelPoint& point : forecast.projected) last = std::max(last, point.date);
    for (const ChartMark& mark : forecast.marks) last = std::max(last, mark.date);
    const qint64 room = std::max<qint64>(3, first.daysTo(last) / 30);
    return {first.addDays(-room), last.addDays(room)};
}

}  // namespace

std::vector<LegendEntry> FillHistoryChart(QChart* chart, const std::vector<HistoryTableRow>& rows,
                                          const LogViewContent& content,
                                          const ForecastChartSeries& forecast, const QPalette& palette) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    const ChartColours colours = ColoursFor(palette);
    chart->setBackgroundBrush(colours.background);
    chart->setBackgroundPen(Qt::NoPen);
    chart->setLocale(content.locale);
    chart->setLocalizeNumbers(true);
    chart->legend()->hide();  // the window shows a legend that wraps
    std::vector<LegendEntry> legend;
    if (rows.empty()) return legend;

    const TimeSpan span = SpanOf(rows, content, forecast);
    auto* time = new QCategoryAxis;
    time->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    time->setLabelsColor(colours.text);
    time->setGridLineColor(colours.grid);
    time->setLinePenColor(colours.axisLine);
    time->setRange(Ms(span.first), Ms(span.last));
    time->setStartValue(Ms(span.first));
    chart->addAxis(time, Qt::AlignBottom);

    const QString unit = content.volumeUnit;
    const QString perDayTitle = Words::tr("%1 per day").arg(unit.left(1).toUpper() + unit.mid(1));
    // Each series is filled in one call before it is attached: a point appended to
    // an attached series lays the whole chart out again.
    const HistoryPoints points = ChartPointsOf(rows);
    auto* bars = new QLineSeries;
    auto* costs = new QLineSeries;
    auto* levels = new QScatterSeries;
    bars->replace(points.bars);
    costs->replace(points.costs);
    levels->replace(points.levels);
    const double topUse = points.topUse, topCost = points.topCost;
    double topOil = points.topLevel;
    if (forecast.reserve) topOil = std::max(topOil, *forecast.reserve);
    for (const LevelPoint& point : forecast.projected) topOil = std::max(topOil, point.oil);
    for (const ChartMark& mark : forecast.marks) topOil = std::max(topOil, mark.oil);

    std::vector<AxisLabel> markLabels;
    for (const ChartMark& mark : forecast.marks) {
        // On two lines, the date under its words, to take less of the axis.
        QString text = mark.label;
        const qsizetype space = text.lastIndexOf(' ');
        if (space > 0) text = text.left(space) + "<br>" + text.mid(space + 1);
        markLabels.push_back({Ms(mark.date), text});
    }
    auto* fitter = new AxisFitter(chart, time, markLabels, content.locale);

    DetailSeries detail{levels};
    if (bars->count() > 0) {
        QValueAxis* use = ValueAxis(chart, perDayTitle, Qt::AlignLeft, colours.use, colours);
        detail.bars = bars;
        detail.use = use;
        fitter->addValueAxis(use, AxisTop(topUse));
        auto* useArea = new QAreaSeries(bars);
        // The area does not own its line; as its child the line goes with the area.
        bars->setParent(useArea);
        useArea->setName(perDayTitle);
        useArea->setColor(colours.use);
        useArea->setBorderColor(colours.use.darker(125));
        Attach(chart, useArea, time, use);
        legend.push_back({colours.use, QStringLiteral("■"), perDayTitle});
    } else {
        delete bars;
    }

    QValueAxis* oil = ValueAxis(chart, Words::tr("Oil in tanks (%1)").arg(unit), Qt::AlignLeft, colours.oil, colours);
    fitter->setOilAxis(oil, topOil > 0 ? topOil * 1.06 : 1);
    if (forecast.reserve) {
        // The reserve is a band from the bottom, named inside it at the left.
        auto* upper = new QLineSeries;
        upper->append(Ms(span.first), *forecast.reserve);
        upper->append(Ms(span.last), *forecast.reserve);
        auto* band = new QAreaSeries(upper);
        upper->setParent(band);
        band->setName(Words::tr("Reserve"));
        band->setColor(colours.reserve);
        band->setPen(Qt::NoPen);
        Attach(chart, band, time, oil);
        const QString name = Words::tr("Reserve %1 %2").arg(content.locale.toString(*forecast.reserve, 'f', 0), unit);
        auto* label = new QScatterSeries;
        label->append(Ms(span.first), *forecast.reserve);
        fitter->setLevelLabel(label, name, *forecast.reserve);
        label->setMarkerSize(1);
        label->setColor(Qt::transparent);
        label->setBorderColor(Qt::transparent);
        label->setPointLabelsFormat(name);
        label->setPointLabelsColor(colours.text);
        label->setPointLabelsVisible(true);
        Attach(chart, label, time, oil);
        HideFromLegend(chart, label);
        QColor swatch = colours.reserve;
        swatch.setAlpha(255);
        legend.push_back({swatch, QStringLiteral("■"), name});
    }

    levels->setName(Words::tr("Oil in tanks"));
    levels->setMarkerSize(7);
    levels->setColor(colours.oil);
    levels->setBorderColor(colours.oil);
    Attach(chart, levels, time, oil);
    legend.push_back({colours.oil, QStringLiteral("●"), levels->name()});
    if (!forecast.projected.empty()) {
        auto* projected = new QLineSeries;
        projected->setName(Words::tr("Forecast"));
        projected->setPen(QPen(colours.oil, 2, Qt::DashLine));
        QList<QPointF> line;
        for (const LevelPoint& point : forecast.projected) line << QPointF(Ms(point.date), point.oil);
        projected->replace(line);
        Attach(chart, projected, time, oil);
        legend.push_back({colours.oil, QStringLiteral("- -"), projected->name()});
    }

    if (costs->count() > 0) {
        const QString symbol = content.locale.currencySymbol();
        const QString title = symbol.isEmpty() ? Words::tr("Cost per day") : Words::tr("Cost per day (%1)").arg(symbol);
        QValueAxis* cost = ValueAxis(chart, title, Qt::AlignRight, colours.cost, colours);
        cost->setGridLineVisible(false);  // the left axis's grid serves
        fitter->addValueAxis(cost, AxisTop(topCost));
        detail.costs = costs;
        detail.cost = cost;
        costs->setName(Words::tr("Cost per day"));
        costs->setPen(QPen(colours.cost, 2));
        costs->setPointsVisible(true);
        Attach(chart, costs, time, cost);
        legend.push_back({colours.cost, QStringLiteral("—"), costs->name()});
    } else {
        delete costs;
    }

    if (!content.deliveries.empty()) {
        // A delivery sits on the time axis, lifted just enough to be whole.
        auto* deliveries = new QScatterSeries;
        deliveries->setName(Words::tr("Delivery"));
        deliveries->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
        deliveries->setMarkerSize(12);
        deliveries->setColor(colours.delivery);
        deliveries->setBorderColor(colours.background);  // apart from the bars and the band
        deliveries->replace(DeliveryPointsOf(content.deliveries, topOil * 0.03));
        Attach(chart, deliveries, time, oil);
        legend.push_back({colours.delivery, QStringLiteral("▲"), deliveries->name()});
    }

    // The order-by and run-out dates: a line across the plot, named on the time axis.
    for (const ChartMark& mark : forecast.marks) {
        const bool runOut = mark.oil <= 0.5;
        const QColor colour = runOut ? colours.runOut : colours.orderBy;
        auto* line = new QLineSeries;
        line->setName(mark.label);
        line->setPen(QPen(colour, 2, runOut ? Qt::SolidLine : Qt::DashLine));
        line->append(Ms(mark.date), 0);
        line->append(Ms(mark.date), topOil * 10);  // the plot cuts it at its top
        Attach(chart, line, time, oil);
        auto* point = new QScatterSeries;
        point->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        point->setMarkerSize(9);
        point->setColor(colour);
        point->setBorderColor(colour);
        point->append(Ms(mark.date), mark.oil);
        Attach(chart, point, time, oil);
        legend.push_back({colour, runOut ? QStringLiteral("│") : QStringLiteral("┆"), mark.label});
    }
    fitter->fit();
    new ChartDetail(time, fitter, rows, detail);
    return legend;
}

QString LegendHtml(const std::vector<LegendEntry>& entries) {
    QStringList shown;
    for (const LegendEntry& entry : entries)
        shown << "<span style=\"color:" + entry.colour.name() + "\"><b>" + entry.symbol.toHtmlEscaped() +
                     "</b></span>&nbsp;" + entry.name.toHtmlEscaped().replace(' ', "&nbsp;");
    return shown.join(QStringLiteral(" &nbsp; "));
}

}  // namespace tw
