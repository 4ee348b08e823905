#pragma once
#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QString>

class QSplitter;
class QWidget;

namespace tw {

// Where the user left the program's windows: size, place and splitter positions.
// They live in the user's configuration folder (~/.config/Tankwise/Windows.ini), not
// in the working folder's settings, which describe the tanks and move between
// computers whose screens differ.
QSettings WindowPlaceStore();

// Keeps one window's size and place under `key`: puts it back now, if it was kept,
// and keeps it whenever the window is hidden (closed, or the program ending). With
// a splitter, its position is kept the same way.
class WindowPlace : public QObject {
public:
    WindowPlace(QWidget* window, QString key, QSplitter* splitter = nullptr);
    // True when a kept size and place were put back.
    bool restored() const { return restored_; }
    void keep() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    QString key_;
    QPointer<QSplitter> splitter_;
    bool restored_ = false;
};

// Sizes a window that has no kept place: its wish, within most of the screen it opens
// on, and never below what its layout needs; and puts it in the middle of the screen.
void FitToScreen(QWidget* window, QSize wish);

}  // namespace tw
