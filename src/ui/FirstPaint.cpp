#include "ui/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace tw {

namespace {
class QuitAfterPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Queued, so the paint this event asks for is done first.
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    const auto now = std::chrono::steady_clock::now().time_since_epoch();
                    std::printf("first paint at %lld\n",
                                static_cast<long long>(std::chrono::nanoseconds(now).count()));
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};
}  // namespace

void QuitAfterFirstPaintIfAsked(QWidget* window) {
    if (!window || !qEnvironmentVariableIsSet("TANKWISE_QUIT_AFTER_FIRST_PAINT")) return;
    window->installEventFilter(new QuitAfterPaint(window));
}

}  // namespace tw
