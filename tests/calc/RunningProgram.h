#pragma once
// A program started headless on a fresh working folder, for tests that drive the
// main window's fields and call the calculation's operations directly.
#include <QStringList>
#include <utility>
#include <vector>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"

namespace tw {

struct RunningProgram {
    FakeDesktop desktop;
    WorkFolder folder;
    Program p{desktop, folder.files()};

    // Starts in British English, the locale of the default configuration file, and
    // then works in the given locale.
    explicit RunningProgram(QLocale locale = QLocale(QLocale::English, QLocale::UnitedKingdom)) {
        p.start("-InhibitUpdate");
        desktop.userLocale = locale;
    }

    // The main window's text of a control.
    QString text(Ctl c) const { return p.main.text(c); }
    void set(Ctl c, const QString& text) { p.typed(WindowId::Main, int(c), text); }
};

// The fourteen fields a calculation reads, readings and deliveries.
inline const Ctl kReadingAndDeliveryFields[] = {
    Ctl::Date1, Ctl::Date2, Ctl::TARead1, Ctl::TARead2, Ctl::TBRead1, Ctl::TBRead2,  Ctl::Date3,
    Ctl::Date4, Ctl::LAdd1, Ctl::LAdd2,   Ctl::OCost1,  Ctl::OCost2,  Ctl::DCharge1, Ctl::DCharge2};

// Texts to type, in order.
using Fields = std::vector<std::pair<Ctl, QString>>;

inline Fields operator+(Fields a, const Fields& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// How a tank is read.
enum ReadingMode { Depth, Volume };

// Sets the reading modes first (switching a mode empties that tank's readings),
// empties the readings and deliveries, types the given texts and starts a fresh
// error text, as a calculation would before its checks.
inline void Prepare(RunningProgram& run, ReadingMode tankA, ReadingMode tankB,
                    const Fields& typed) {
    run.p.main.setChecked(Ctl::TankAU, tankA == Volume);
    run.p.main.setChecked(Ctl::TankBU, tankB == Volume);
    for (Ctl c : kReadingAndDeliveryFields) run.set(c, QString());
    for (const auto& [control, text] : typed) run.set(control, text);
    run.p.st.SaveError.clear();
}

// Messages as gathered: each followed by a line feed.
inline QString Gathered(const QStringList& messages) {
    QString text;
    for (const QString& m : messages) text += m + '\n';
    return text;
}

}  // namespace tw
