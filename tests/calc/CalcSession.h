#pragma once
// A program started headless on a fresh default installation (1200-litre horizontal
// tank, 120 cm deep, VAT 5% on oil and delivery, CO2 2.54, 6 months' prediction),
// driven through the main window as the user would.
#include <QLocale>
#include <string>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"

namespace tw {

// Texts are compared as standard strings so that a failure prints them as text.
inline std::string Str(const QString& text) { return text.toStdString(); }

// The scripted desktop, able to hand out the bare C locale itself (a real desktop
// replaces it with British English) to show what the core does with no currency.
struct SessionDesktop : FakeDesktop {
    bool bareC = false;
    QLocale locale() override { return bareC ? QLocale::c() : FakeDesktop::locale(); }
};

struct CalcSession {
    SessionDesktop desktop;
    WorkFolder folder;
    Program p{desktop, folder.files()};

    explicit CalcSession(const char* arguments = "-InhibitUpdate",
                         QLocale locale = QLocale(QLocale::English, QLocale::UnitedKingdom)) {
        desktop.userLocale = locale;
        p.start(QString::fromLatin1(arguments));
    }

    std::string text(Ctl c) const { return Str(p.main.text(c)); }
    void type(Ctl c, const QString& text) { p.typed(WindowId::Main, int(c), text); }
    void click(Ctl c) { p.click(WindowId::Main, int(c)); }
    void tick(Ctl box, bool on) {
        if (p.main.checked(box) != on) click(box);
    }
    // Tank A read as gauge volumes.
    void volumeReadings(const QString& reading1, const QString& reading2) {
        tick(Ctl::TankAU, true);
        type(Ctl::TARead1, reading1);
        type(Ctl::TARead2, reading2);
    }
    // The text of the last message box, or empty when none was shown.
    std::string lastMessage() const {
        return desktop.messages.empty() ? std::string() : Str(desktop.messages.back().text);
    }
};

}  // namespace tw
