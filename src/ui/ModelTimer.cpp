#include "ui/ModelTimer.h"

namespace tw {

ModelTimer::ModelTimer(const Timer& model, std::function<void()> tick) : model_(model) {
    QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
}

void ModelTimer::follow() {
    if (!model_.enabled || model_.interval <= 0) {
        timer_.stop();
        return;
    }
    if (timer_.isActive() && generation_ == model_.generation &&
        timer_.interval() == model_.interval)
        return;
    generation_ = model_.generation;
    timer_.start(model_.interval);
}

}  // namespace tw
