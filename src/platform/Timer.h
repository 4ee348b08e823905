#pragma once
#include <QtGlobal>

namespace tw {

// A window timer as data: the view (or the scenario runner) runs a real timer while
// it is enabled and calls the owner's tick handler each interval.
struct Timer {
    int interval = 0;       // milliseconds
    bool enabled = false;
    qint64 startedAt = 0;   // Desktop::ticks() when it was last enabled
    quint64 generation = 0; // raised every time it is (re)started

    void start(qint64 now) {
        if (enabled) return;  // enabling a running timer does not restart it
        enabled = true;
        startedAt = now;
        ++generation;
    }
    void stop() { enabled = false; }
};

}  // namespace tw
