// The real program in its real windows on a display (CTest runs it under xvfb-run):
// a fresh working folder is created from the defaults, a two-reading calculation is
// typed and saved, and a screenshot of the main window is kept for the README.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/Language.h"
#include "ui/DesktopProgram.h"
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
TEST(RealWindowGerman, StartsInGerman) {
    QTemporaryDir home;
    const QStringList arguments{"--folder", home.path() + "/Tankwise", "--lang", "de", "-InhibitUpdate"};
    ASSERT_TRUE(InstallTranslations(ChooseLanguage(ParseCommandLine(arguments).language, {"en-GB"})));
    QtDesktop startDesktop{QString()};
    const auto launch = PrepareLaunch(startDesktop, DesktopLaunchInputs(arguments));
    ASSERT_TRUE(launch);
    DesktopProgram run(launch->folder);
    run.view.quit = [](int) {};
    ASSERT_TRUE(run.view.start(launch->switches));
    QWidget* main = run.view.window(WindowId::Main);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    const FormBinder& binder = run.view.binder(WindowId::Main);
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

}  // namespace
}  // namespace tw
