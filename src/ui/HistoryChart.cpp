#include "ui/HistoryChart.h"

#include <QAreaSeries>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

namespace tw {

namespace {

qreal Ms(const QDate& date) { return qreal(date.startOfDay().toMSecsSinceEpoch()); }

QValueAxis* ValueAxis(QChart* chart, const QString& title, Qt::Alignment side, const QColor& color) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelsColor(color);
    axis->setLabelFormat(QStringLiteral("%.4g"));
    axis->setMin(0);
    chart->addAxis(axis, side);
    return axis;
}

void Attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

void DrawForecast(QChart* chart, const ForecastChartSeries& forecast, QAbstractAxis* time,
                  QValueAxis* oil, const QColor& oilColor, const QDate& first, const QDate& last) {
    if (!forecast.projected.empty()) {
        auto* projected = new QLineSeries;
        projected->setName(QStringLiteral("Forecast"));
        projected->setPen(QPen(oilColor, 2, Qt::DashLine));
        for (const LevelPoint& point : forecast.projected) projected->append(Ms(point.date), point.oil);
        Attach(chart, projected, time, oil);
    }
    if (forecast.reserve) {
        auto* reserve = new QLineSeries;
        reserve->setName(QStringLiteral("Reserve"));
        reserve->setPen(QPen(QColor(0xb0, 0x30, 0x30), 1.5, Qt::DotLine));
        reserve->append(Ms(first), *forecast.reserve);
        reserve->append(Ms(last), *forecast.reserve);
        Attach(chart, reserve, time, oil);
    }
    const QColor markColors[] = {QColor(0xd0, 0x8a, 0x00), QColor(0xb0, 0x30, 0x30)};
    for (size_t i = 0; i < forecast.marks.size(); ++i) {
        const ChartMark& mark = forecast.marks[i];
        auto* point = new QScatterSeries;
        point->setName(mark.label);
        point->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        point->setMarkerSize(10);
        point->setColor(markColors[std::min<size_t>(i, 1)]);
        // A format without placeholders shows the mark's own text beside it.
        point->setPointLabelsFormat(mark.label);
        point->setPointLabelsVisible(true);
        point->setPointLabelsClipping(false);
        point->append(Ms(mark.date), mark.oil);
        Attach(chart, point, time, oil);
        // The label beside the point says it all; the legend would repeat it, cut short.
        for (QLegendMarker* marker : chart->legend()->markers(point)) marker->setVisible(false);
    }
}

}  // namespace

void FillHistoryChart(QChart* chart, const LogViewContent& content,
                      const ForecastChartSeries& forecast) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->setLocale(content.locale);
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);

    const QColor useColor(0x3a, 0x7c, 0xc2), costColor(0xc2, 0x5a, 0x1e), oilColor(0x55, 0x55, 0x55);
    auto* time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("MMM yy"));
    time->setTickCount(7);
    chart->addAxis(time, Qt::AlignBottom);
    const QString perDayTitle = content.volumeUnit.left(1).toUpper() + content.volumeUnit.mid(1) + " per day";
    QValueAxis* use = ValueAxis(chart, perDayTitle, Qt::AlignLeft, useColor);
    QValueAxis* oil = ValueAxis(chart, "Oil in tanks (" + content.volumeUnit + ")", Qt::AlignLeft, oilColor);
    const QString symbol = content.locale.currencySymbol();
    QValueAxis* cost = ValueAxis(chart, "Cost per day" + (symbol.isEmpty() ? QString() : " (" + symbol + ")"),
                                 Qt::AlignRight, costColor);

    // Each period's bar spans its days, with a small gap so neighbours stay apart.
    auto* bars = new QLineSeries;
    auto* costs = new QLineSeries;
    auto* levels = new QScatterSeries;
    double top = 0, topCost = 0, topOil = 0;
    for (size_t i = 0; i < content.rows.size(); ++i) {
        const HistoryTableRow& row = content.rows[i];
        levels->append(Ms(row.date), row.oil);
        topOil = std::max(topOil, row.oil);
        if (i == 0 || !row.perDay) continue;
        const qreal from = Ms(content.rows[i - 1].date), to = Ms(row.date);
        const qreal gap = (to - from) * 0.08;
        const double perDay = std::max(0.0, *row.perDay);
        bars->append(from + gap, 0);
        bars->append(from + gap, perDay);
        bars->append(to - gap, perDay);
        bars->append(to - gap, 0);
        top = std::max(top, perDay);
        if (row.costPerDay) {
            costs->append((from + to) / 2, *row.costPerDay);
            topCost = std::max(topCost, *row.costPerDay);
        }
    }
    auto* useArea = new QAreaSeries(bars);
    // The area does not own its line; as its child the line goes when the chart
    // removes the area at the next reload.
    bars->setParent(useArea);
    useArea->setName(perDayTitle);
    useArea->setColor(useColor);
    useArea->setBorderColor(useColor.darker(130));
    costs->setName(QStringLiteral("Cost per day"));
    costs->setColor(costColor);
    costs->setPen(QPen(costColor, 2));
    costs->setPointsVisible(true);
    levels->setName(QStringLiteral("Oil in tanks"));
    levels->setMarkerSize(7);
    levels->setColor(oilColor);
    levels->setBorderColor(oilColor);

    auto* deliveries = new QScatterSeries;
    deliveries->setName(QStringLiteral("Delivery"));
    deliveries->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    deliveries->setMarkerSize(12);
    deliveries->setColor(QColor(0x2e, 0x9e, 0x4f));

    Attach(chart, useArea, time, use);
    Attach(chart, levels, time, oil);
    Attach(chart, costs, time, cost);
    Attach(chart, deliveries, time, use);

    use->setMax(top > 0 ? top * 1.15 : 1);
    // A delivery's marker sits on the time axis, lifted just enough to be whole.
    for (const SavedDelivery& d : content.deliveries) deliveries->append(Ms(d.date), use->max() * 0.03);
    if (forecast.reserve) topOil = std::max(topOil, *forecast.reserve);
    for (const LevelPoint& point : forecast.projected) topOil = std::max(topOil, point.oil);
    oil->setMax(topOil > 0 ? topOil * 1.1 : 1);
    cost->setMax(topCost > 0 ? topCost * 1.15 : 1);
    for (QValueAxis* axis : {use, oil, cost}) axis->applyNiceNumbers();
    if (!content.rows.empty()) {
        // Deliveries outside the readings still show; a single day gets a week around it.
        QDate first = content.rows.front().date, last = content.rows.back().date;
        for (const HistoryTableRow& row : content.rows) {
            first = std::min(first, row.date);
            last = std::max(last, row.date);
        }
        if (!forecast.projected.empty()) {
            last = std::max(last, forecast.projected.back().date);
            // Room after the last mark for its label.
            last = last.addDays(std::max<qint64>(14, first.daysTo(last) / 8));
        }
        if (first == last) {
            first = first.addDays(-3);
            last = last.addDays(3);
        }
        time->setRange(first.startOfDay(), last.startOfDay());
        DrawForecast(chart, forecast, time, oil, oilColor, first, last);
    }
}

}  // namespace tw
