// The real program in its real windows on a display (CTest runs it under xvfb-run):
// a fresh working folder is created from the defaults, a two-reading calculation is
// typed and saved, and a screenshot of the main window is kept for the README.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "ui/DesktopProgram.h"
#include "ui/LogWindow.h"
#include "ui/Translations.h"

namespace tw {
namespace {

TEST(RealWindow, AFreshFolderCalculatesAndSavesTwoReadings) {
    QTemporaryDir home;
    const QString folder = home.path() + "/Tankwise";
    QtDesktop startDesktop{QString()};
    const auto launch = PrepareLaunch(startDesktop, DesktopLaunchInputs({"--folder", folder, "-InhibitUpdate"}));
    ASSERT_TRUE(launch);
    DesktopProgram run(launch->folder);
    std::vector<int> quitCodes;
    run.view.quit = [&](int exitCode) { quitCodes.push_back(exitCode); };
    ASSERT_TRUE(run.view.start(launch->switches));
    QWidget* main = run.view.window(WindowId::Main);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    // A 1366 x 768 laptop screen at 125% leaves about 560 pixels for it and its title bar.
    EXPECT_LE(main->height(), 530);
    const auto field = [&](Ctl c) { return qobject_cast<QLineEdit*>(run.view.binder(WindowId::Main).widget(int(c))); };
    const std::pair<Ctl, const char*> typed[] = {
        {Ctl::Date1, "01/03/2010"}, {Ctl::TARead1, "60"}, {Ctl::Date2, "10/04/2010"}, {Ctl::TARead2, "30"}};
    for (const auto& [c, text] : typed) QTest::keyClicks(field(c), text);  // the fresh fields are empty
    QTest::mouseClick(run.view.binder(WindowId::Main).widget(int(Ctl::Calc)), Qt::LeftButton);

    // Half of the default 1200-litre tank at 60 cm; 234.6 litres left at 30 cm.
    const std::pair<Ctl, const char*> shown[] = {
        {Ctl::TankT, "365"}, {Ctl::TDays, "40"}, {Ctl::VDay, "9.1"}, {Ctl::OLeft, "235"}, {Ctl::FillDate, "05/05/2010"}};
    for (const auto& [c, text] : shown) EXPECT_EQ(field(c)->text(), text) << int(c);
    QWidget* save = run.view.binder(WindowId::Main).widget(int(Ctl::Save));
    ASSERT_TRUE(save->isEnabled());
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(qobject_cast<QLabel*>(run.view.binder(WindowId::Main).widget(int(Ctl::Status)))->text(), "Calculation Saved");
    EXPECT_FALSE(save->isEnabled());
    EXPECT_TRUE(Files(folder).lastLines("Log/Tankwise_H.log", 1).value(0).startsWith(" 10/04/2010,     235,"));

    QTest::qWait(200);  // let the window finish painting before it is photographed
    EXPECT_TRUE(main->grab().save(QStringLiteral(TANKWISE_SCREENSHOT)));
    EXPECT_TRUE(quitCodes.empty());
}

// Started with --lang de (CTest runs it alone, in a German locale, since the
// translation stays installed): the captions, tooltips and the captions the program
// sets as it calculates are German; the picture is the German README's.
// The program started in a new folder as main() starts it, in the language the
// arguments and the desktop ask for; no `run` when it did not come up.
struct StartedProgram {
    explicit StartedProgram(const QStringList& languageArguments) {
        const QStringList arguments =
            QStringList{"--folder", home.path() + "/Tankwise"} + languageArguments + QStringList{"-InhibitUpdate"};
        language = SpeakChosenLanguage(arguments);
        QtDesktop startDesktop{QString()};
        const auto launch = PrepareLaunch(startDesktop, DesktopLaunchInputs(arguments));
        if (!launch) return;
        run = std::make_unique<DesktopProgram>(launch->folder);
        run->view.quit = [](int) {};
        if (!run->view.start(launch->switches) || !QTest::qWaitForWindowExposed(main())) run.reset();
    }
    QWidget* main() const { return run->view.window(WindowId::Main); }
    const FormBinder& binder() const { return run->view.binder(WindowId::Main); }

    QTemporaryDir home;
    QString language;  // the one spoken, "en" when no translation could be installed
    std::unique_ptr<DesktopProgram> run;
};

TEST(RealWindowGerman, StartsInGerman) {
    StartedProgram started({"--lang", "de"});
    ASSERT_EQ(started.language, "de");
    ASSERT_TRUE(started.run);
    QWidget* main = started.main();
    const FormBinder& binder = started.binder();
    const auto button = [&](Ctl c) { return qobject_cast<QAbstractButton*>(binder.widget(int(c))); };
    EXPECT_EQ(button(Ctl::Calc)->text(), "&Berechnen");
    EXPECT_EQ(button(Ctl::Calc)->toolTip(), "Ergebnisse berechnen");
    EXPECT_EQ(button(Ctl::Get_Last)->text(), "Letzte &holen");
    EXPECT_EQ(main->findChild<QTabWidget*>()->tabText(0), "Peilungen && Lieferungen");
    EXPECT_EQ(binder.widget(int(Ctl::TCost))->toolTip().toStdString(), "Gesamtkosten ohne MwSt. (inkl. Liefergebühren)");

    const auto field = [&](Ctl c) { return qobject_cast<QLineEdit*>(binder.widget(int(c))); };
    const std::pair<Ctl, const char*> typed[] = {
        {Ctl::Date1, "01.03.2010"}, {Ctl::TARead1, "60"}, {Ctl::Date2, "10.04.2010"}, {Ctl::TARead2, "30"}};
    for (const auto& [c, text] : typed) QTest::keyClicks(field(c), text);
    QTest::mouseClick(button(Ctl::Calc), Qt::LeftButton);
    EXPECT_EQ(field(Ctl::VDay)->text(), "9,1");  // the numbers follow the locale as before
    EXPECT_EQ(qobject_cast<QLabel*>(binder.widget(int(Ctl::OLeftM)))->text(), "Rest:");

    QTest::qWait(200);
    EXPECT_TRUE(main->grab().save(QStringLiteral(TANKWISE_SCREENSHOT_DE)));
}

namespace {

// Clicks a button of the main window and gives the log window it opened.
LogWindow* OpenLogWindow(DesktopProgram& run, Ctl button) {
    QTest::mouseClick(run.view.binder(WindowId::Main).widget(int(button)), Qt::LeftButton);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<LogWindow*>(w); window && window->isVisible()) return window;
    return nullptr;
}

// Types two readings of the default tank a day-first locale writes, calculates and saves.
void SaveTwoReadings(const FormBinder& binder, const char* date1, const char* date2) {
    const auto field = [&](Ctl c) { return qobject_cast<QLineEdit*>(binder.widget(int(c))); };
    const std::pair<Ctl, const char*> typed[] = {
        {Ctl::Date1, date1}, {Ctl::TARead1, "60"}, {Ctl::Date2, date2}, {Ctl::TARead2, "30"}};
    for (const auto& [c, text] : typed) QTest::keyClicks(field(c), text);
    QTest::mouseClick(binder.widget(int(Ctl::Calc)), Qt::LeftButton);
    EXPECT_EQ(field(Ctl::VDay)->text(), "9,1");
    QTest::mouseClick(binder.widget(int(Ctl::Save)), Qt::LeftButton);
}

QStringList ButtonCaptions(const QWidget* window) {
    QStringList captions;
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>()) captions << b->text();
    return captions;
}

}  // namespace

// Started with --lang fr in a French locale: the main window and the History window,
// its table, chart and buttons, speak French; the picture is the French README's.
TEST(RealWindowFrench, StartsInFrenchWithItsHistoryWindow) {
    StartedProgram started({"--lang", "fr"});
    ASSERT_TRUE(started.run);
    QWidget* main = started.main();
    const FormBinder& binder = started.binder();
    EXPECT_EQ(qobject_cast<QAbstractButton*>(binder.widget(int(Ctl::Calc)))->text(), "&Calculer");
    SaveTwoReadings(binder, "01/03/2010", "10/04/2010");
    QTest::qWait(200);
    EXPECT_TRUE(main->grab().save(QStringLiteral(TANKWISE_SCREENSHOT_FR)));

    LogWindow* history = OpenLogWindow(*started.run, Ctl::History);
    ASSERT_TRUE(history);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(history));
    EXPECT_EQ(history->windowTitle(), "Historique Tankwise");
    EXPECT_EQ(history->findChild<QTabWidget*>()->tabText(0), "&Tableau et graphique");
    EXPECT_EQ(history->table()->model()->headerData(3, Qt::Horizontal).toString(), "Consommation\n(litres)");
    EXPECT_TRUE(history->status()->text().startsWith("2 relevés")) << history->status()->text().toStdString();
    for (const char* caption : {"&Ouvrir avec...", "&Exporter en CSV...", "&Importer...", "&Bilan...", "&Fermer"})
        EXPECT_TRUE(ButtonCaptions(history).contains(caption)) << caption;
    QTest::qWait(200);
    EXPECT_TRUE(history->grab().save(QStringLiteral(TANKWISE_SCREENSHOT_FR).replace("screenshot-fr", "history-fr")));
}

// LANG=de_DE.UTF-8 alone, no --lang: the desktop's language is the windows'.
TEST(RealWindowDesktopGerman, SpeaksTheDesktopsLanguage) {
    StartedProgram started({});
    ASSERT_TRUE(started.run);
    const FormBinder& binder = started.binder();
    EXPECT_EQ(qobject_cast<QAbstractButton*>(binder.widget(int(Ctl::Calc)))->text(), "&Berechnen");
    SaveTwoReadings(binder, "01.03.2010", "10.04.2010");
    LogWindow* history = OpenLogWindow(*started.run, Ctl::History);
    ASSERT_TRUE(history);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(history));
    EXPECT_EQ(history->windowTitle(), "Tankwise-Verlauf");
    EXPECT_EQ(history->table()->model()->headerData(1, Qt::Horizontal).toString(), "Heizöl im Tank\n(Liter)");
    EXPECT_EQ(history->findChild<QTabWidget*>()->tabText(1), "&Protokoll wie gespeichert");
    EXPECT_TRUE(ButtonCaptions(history).contains("&Schließen"));
    QTest::qWait(200);
    EXPECT_TRUE(history->grab().save(QStringLiteral(TANKWISE_SCREENSHOT_DE).replace("screenshot-de", "history-de")));
}

}  // namespace
}  // namespace tw
