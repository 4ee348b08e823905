// Draws the History window over a year of saved readings and saves it as a PNG
// for the README: history-shot OUTPUT.png (run with QT_QPA_PLATFORM=offscreen).
#include <QApplication>
#include <QDate>
#include <cmath>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "logs/LogColumns.h"
#include "ui/LogWindow.h"
#include "ui/ProgramView.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    tw::WorkFolder work;
    tw::FakeDesktop desktop;
    tw::Program p(desktop, work.files());
    tw::ProgramView view(p);
    view.quit = [](int) {};
    if (!view.start(QStringLiteral("-InhibitUpdate"))) return 1;

    // Fortnightly readings through a year: more oil burnt in winter, two deliveries.
    QStringList history, deliveries;
    const QDate start(2023, 9, 1);
    double oil = 900;
    for (int i = 0; i <= 26; ++i) {
        const QDate date = start.addDays(14 * i);
        const double perDay = 2.5 + 5.5 * std::max(0.0, std::cos((date.dayOfYear() - 15) * 2 * M_PI / 365));
        if (i > 0) oil -= perDay * 14;
        if (i == 8 || i == 17) {
            oil += 1000;
            const QDate on = date.addDays(-3);
            deliveries << tw::DeliveryLineText({on.toString("dd/MM/yyyy"), "1000", "£0.620",
                                                "£30.00", "5%", "£682.50", "20%", true, true});
        }
        const double value = oil * 0.6;
        tw::HistoryRow row{date.toString("dd/MM/yyyy"), QString::number(std::lround(oil)), "0", "", "",
                           "£" + QString::number(value, 'f', 2), true, true};
        history << (i == 0 ? tw::FirstReadingLine(row) : tw::HistoryDataLine(row));
    }
    work.append("Log/Tankwise_H.log", history);
    work.append("Log/Tankwise_D.log", deliveries);
    tw::LogWindow* window = view.showLogWindow(tw::LogKind::History, "Log/Tankwise_H.log");
    window->resize(1300, 640);
    QApplication::processEvents();
    return window->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
