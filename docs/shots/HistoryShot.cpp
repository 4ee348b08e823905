// A year of saved readings for the README's pictures:
//   history-shot OUTPUT.png [--dark] [--main]   draws the History window over it
//                                      (offscreen), in a dark palette with --dark,
//                                      or the main window with --main
//   history-shot --fill FOLDER         makes FOLDER a working folder holding it, for
//                                      the real program (docs/shots/shots.sh)
#include <QApplication>
#include <QDate>
#include <QDirIterator>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QPalette>
#include <QStyleFactory>
#include <cmath>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "calc/TankVolume.h"
#include "logs/LogColumns.h"
#include "ui/LogWindow.h"
#include "ui/ProgramView.h"

namespace {

// Fortnightly dips through a year of the default tank (1200 litres, 120 cm, lying):
// more oil burnt in winter, two deliveries.
void WriteYear(tw::WorkFolder& work) {
    QStringList history = {"", "", "Tank A: 1200litres Cylindrical (H), Depth: 120cm Offset: 0.0cm (Depth)",
                           "Tank B: Not Set", ""};
    history << tw::HistoryColumnLines("VAT");
    QStringList deliveries;
    const QDate start(2023, 9, 1);
    double oil = 800;
    for (int i = 0; i <= 26; ++i) {
        const QDate date = start.addDays(14 * i);
        const double perDay = 2.5 + 5.5 * std::max(0.0, std::cos((date.dayOfYear() - 15) * 2 * M_PI / 365));
        if (i > 0) oil -= perDay * 14;
        if (i == 8 || i == 17) {
            oil += 600;
            const QDate on = date.addDays(-3);
            deliveries << tw::DeliveryLineText({on.toString("dd/MM/yyyy"), "600", "£0.6200",
                                                "£30.00", "5%", "£426.60", "20%", true, true});
        }
        // The dip to a millimetre, and the oil the tank model makes of it.
        const double dip = std::round(tw::DepthForVolume(1200, 120, float(oil), 0) * 10) / 10;
        oil = tw::TankVolume(0, "1200", "120", QString::number(dip, 'f', 1), 0);
        const double value = oil * 0.6;
        tw::HistoryRow row{date.toString("dd/MM/yyyy"), QString::number(std::lround(oil)), "0",
                           QString::number(dip, 'f', 1), "", "£" + QString::number(value, 'f', 2), true, true};
        history << (i == 0 ? tw::FirstReadingLine(row) : tw::HistoryDataLine(row));
    }
    work.append("Log/Tankwise_H.log", history);
    work.append("Log/Tankwise_D.log", deliveries);
}

bool CopyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(file, target)) return false;
    }
    return QDir().mkpath(to + "/Log");
}

QPalette DarkPalette() {
    QPalette dark;
    const QColor window(0x2b, 0x2b, 0x2b), base(0x1e, 0x1e, 0x1e), text(0xe8, 0xe8, 0xe8);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, text);
    // A disabled control greyed, as a dark desktop theme draws it.
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return dark;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty()) return 2;
    tw::WorkFolder work;
    WriteYear(work);
    if (args[0] == "--fill") return args.size() == 2 && CopyTree(work.path(), args[1]) ? 0 : 1;

    if (args.contains("--dark")) {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setPalette(DarkPalette());
    }
    tw::FakeDesktop desktop;
    tw::Program p(desktop, work.files());
    tw::ProgramView view(p);
    view.quit = [](int) {};
    if (!view.start(QStringLiteral("-InhibitUpdate"))) return 1;
    QWidget* window = view.window(tw::WindowId::Main);
    if (args.contains("--main")) {
        window->show();
    } else {
        window = view.showLogWindow(tw::LogKind::History, "Log/Tankwise_H.log");
        window->resize(1092, 560);  // a 1366 x 768 screen at 125%, less a panel
    }
    // The chart fits its axes once it is laid out.
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
    return window->grab().save(args[0]) ? 0 : 1;
}
