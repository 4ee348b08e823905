#pragma once
#include <QCategoryAxis>
#include <QChart>
#include <QLocale>
#include <QPointer>
#include <QScatterSeries>
#include <QValueAxis>
#include <vector>

#include "ui/ChartAxes.h"

namespace tw {

// Keeps the axes fitted to the plot's size and the time shown: as many value ticks
// as have room, and the time labels that do not collide. Lives as long as the time axis.
class AxisFitter : public QObject {
public:
    AxisFitter(QChart* chart, QCategoryAxis* time, std::vector<AxisLabel> marks, QLocale locale)
        : QObject(time), chart_(chart), time_(time), marks_(std::move(marks)), locale_(std::move(locale)) {
        // Queued: the labels change the plot's size, which must settle first.
        connect(chart, &QChart::plotAreaChanged, this, [this] { fit(); }, Qt::QueuedConnection);
    }
    // The oil axis leads: the others take its number of ticks, so the grid serves all.
    void setOilAxis(QValueAxis* axis, double top) { oil_ = {axis, top}; }
    void addValueAxis(QValueAxis* axis, double top) { values_.push_back({axis, top}); }
    // A new top for an axis given before, for what is now shown; fit() applies it.
    void setTop(QValueAxis* axis, double top);
    // A label inside the plot at the left, at the level `y`.
    void setLevelLabel(QScatterSeries* series, const QString& text, double y) {
        levelLabel_ = series;
        levelText_ = text;
        levelY_ = y;
    }
    void fit();

private:
    QChart* chart_;
    QCategoryAxis* time_;
    std::vector<AxisLabel> marks_;
    QLocale locale_;
    std::pair<QValueAxis*, double> oil_{nullptr, 0};
    std::vector<std::pair<QValueAxis*, double>> values_;
    QPointer<QScatterSeries> levelLabel_;
    QString levelText_;
    double levelY_ = 0;
    QSizeF fitted_;
    std::pair<qreal, qreal> fittedRange_{0, 0};
};

}  // namespace tw
