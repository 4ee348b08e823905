#include "ui/ChartZoom.h"

#include <QShortcut>
#include <QWheelEvent>
#include <algorithm>

#include "ui/ChartDetail.h"

namespace tw {

ChartZoom::ChartZoom(QChartView* view, QAbstractButton* showAll, QWidget* window)
    : QObject(view), view_(view), showAll_(showAll) {
    view->setRubberBand(QChartView::HorizontalRubberBand);
    view->viewport()->installEventFilter(this);
    showAll->setEnabled(false);
    connect(showAll, &QAbstractButton::clicked, this, [this] {
        if (ChartDetail* detail = ChartDetail::Of(view_->chart())) detail->showAll();
    });
    auto* in = new QShortcut(QKeySequence::ZoomIn, window);
    auto* out = new QShortcut(QKeySequence::ZoomOut, window);
    connect(in, &QShortcut::activated, this, [this] { zoom(0.5, std::nullopt); });
    connect(out, &QShortcut::activated, this, [this] { zoom(2, std::nullopt); });
}

std::optional<std::pair<qreal, qreal>> ChartZoom::zoomedInto() const {
    const ChartDetail* detail = ChartDetail::Of(view_->chart());
    if (!detail || !detail->zoomed()) return std::nullopt;
    return detail->shown();
}

void ChartZoom::follow(const std::optional<std::pair<qreal, qreal>>& keep) {
    ChartDetail* detail = ChartDetail::Of(view_->chart());
    showAll_->setEnabled(false);
    if (!detail) return;
    connect(detail->timeAxis(), &QValueAxis::rangeChanged, showAll_, [this, detail] {
        showAll_->setEnabled(detail->zoomed());
    });
    if (keep) detail->show(keep->first, keep->second);
}

void ChartZoom::zoom(qreal factor, std::optional<qreal> atX) {
    ChartDetail* detail = ChartDetail::Of(view_->chart());
    if (!detail) return;
    const QRectF plot = view_->chart()->plotArea();
    const auto [min, max] = detail->shown();
    const qreal x = atX ? std::clamp(*atX, plot.left(), plot.right()) : plot.center().x();
    detail->zoom(factor, min + (x - plot.left()) / std::max<qreal>(1, plot.width()) * (max - min));
}

bool ChartZoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier && wheel->angleDelta().y() != 0) {
            const QPointF at = view_->mapToScene(wheel->position().toPoint());
            zoom(wheel->angleDelta().y() > 0 ? 0.8 : 1.25, view_->chart()->mapFromScene(at).x());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tw
