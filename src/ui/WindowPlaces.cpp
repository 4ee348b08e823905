#include "ui/WindowPlaces.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QWidget>

namespace tw {

QSettings WindowPlaceStore() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tankwise"),
                     QStringLiteral("Windows"));
}

WindowPlace::WindowPlace(QWidget* window, QString key, QSplitter* splitter)
    : QObject(window), window_(window), key_(std::move(key)), splitter_(splitter) {
    QSettings store = WindowPlaceStore();
    const QByteArray geometry = store.value(key_ + "/geometry").toByteArray();
    // A kept place on a screen that is gone is moved onto the screen there is.
    restored_ = !geometry.isEmpty() && window_->restoreGeometry(geometry);
    if (splitter_) {
        const QByteArray state = store.value(key_ + "/splitter").toByteArray();
        if (!state.isEmpty()) splitter_->restoreState(state);
    }
    window_->installEventFilter(this);
}

void WindowPlace::keep() const {
    if (!window_) return;
    QSettings store = WindowPlaceStore();
    store.setValue(key_ + "/geometry", window_->saveGeometry());
    if (splitter_) store.setValue(key_ + "/splitter", splitter_->saveState());
}

bool WindowPlace::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Hide && window_->isWindow()) keep();
    return QObject::eventFilter(watched, event);
}

void FitToScreen(QWidget* window, QSize wish) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(wish.expandedTo(window->minimumSizeHint()));
        return;
    }
    // Room for the title bar and the frame the window manager adds.
    const QRect room = screen->availableGeometry();
    window->resize(wish.boundedTo(QSize(room.width() * 95 / 100, room.height() * 90 / 100))
                       .expandedTo(window->minimumSizeHint()));
    window->move(room.center() - window->rect().center());
}

}  // namespace tw
