#include "ui/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace tw {

namespace {
class QuitAfterPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Queued, so the paint this event asks for is done first.
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};
}  // namespace

void QuitAfterFirstPaintIfAsked(QWidget* window) {
    if (!window || !qEnvironmentVariableIsSet("TANKWISE_QUIT_AFTER_FIRST_PAINT")) return;
    window->installEventFilter(new QuitAfterPaint(window));
}

}  // namespace tw
