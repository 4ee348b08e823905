#pragma once
#include <QAbstractButton>
#include <QChartView>
#include <QPointer>
#include <optional>
#include <utility>

namespace tw {

// Zooming the History chart's time axis: a drag across the chart zooms into that
// stretch, a right-click steps back out, Ctrl+wheel and Ctrl+plus/minus zoom around
// the pointer or the middle, and the "Show all" button (enabled only while zoomed)
// goes back to the whole. The chart's ChartDetail draws what is shown.
class ChartZoom : public QObject {
public:
    ChartZoom(QChartView* view, QAbstractButton* showAll, QWidget* window);

    // The stretch shown while zoomed, to keep it when the chart is filled again.
    std::optional<std::pair<qreal, qreal>> zoomedInto() const;
    // After the chart is filled again: follows its new time axis, showing `keep`.
    void follow(const std::optional<std::pair<qreal, qreal>>& keep);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void zoom(qreal factor, std::optional<qreal> atX);

    QChartView* view_;
    QPointer<QAbstractButton> showAll_;
};

}  // namespace tw
