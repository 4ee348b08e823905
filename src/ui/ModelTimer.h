#pragma once
#include <QTimer>
#include <functional>

#include "platform/Timer.h"

namespace tw {

// Runs a real timer for a timer of the model: running while the model's timer is
// enabled, started afresh each time the model restarts it.
class ModelTimer {
public:
    ModelTimer(const Timer& model, std::function<void()> tick);

    // Brings the real timer in line with the model after the model may have changed.
    void follow();
    bool running() const { return timer_.isActive(); }
    void stop() { timer_.stop(); }
    // Milliseconds to the next tick; -1 when not running.
    int remaining() const { return timer_.remainingTime(); }

private:
    const Timer& model_;
    QTimer timer_;
    quint64 generation_ = 0;
};

}  // namespace tw
