// The real program in its real windows on a display (CTest runs it under xvfb-run):
// a fresh working folder is created from the defaults, a two-reading calculation is
// typed and saved, and a screenshot of the main window is kept for the README.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/DesktopProgram.h"

namespace tw {
namespace {

QString Shown(DesktopProgram& run, Ctl c) {
    const QWidget* w = run.view.binder(WindowId::Main).widget(int(c));
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    return "?";
}

TEST(RealWindow, AFreshFolderCalculatesAndSavesTwoReadings) {
    QTemporaryDir home;
    const QString folder = home.path() + "/Tankwise";
    QtDesktop startDesktop{QString()};
    auto launch =
        PrepareLaunch(startDesktop, DesktopLaunchInputs({"--folder", folder, "-InhibitUpdate"}));
    ASSERT_TRUE(launch);
    ASSERT_EQ(launch->folder, folder);

    DesktopProgram run(launch->folder);
    std::vector<int> quitCodes;
    run.view.quit = [&](int exitCode) { quitCodes.push_back(exitCode); };
    ASSERT_TRUE(run.view.start(launch->switches));
    QWidget* main = run.view.window(WindowId::Main);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    EXPECT_EQ(main->windowTitle(), "Tankwise");

    const auto type = [&](Ctl c, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(run.view.binder(WindowId::Main).widget(int(c)));
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    };
    type(Ctl::Date1, "01/03/2010");
    type(Ctl::TARead1, "60");
    type(Ctl::Date2, "10/04/2010");
    type(Ctl::TARead2, "30");
    QTest::mouseClick(run.view.binder(WindowId::Main).widget(int(Ctl::Calc)), Qt::LeftButton);

    // Half of the default 1200-litre tank at 60 cm; 234.6 litres left at 30 cm.
    EXPECT_EQ(Shown(run, Ctl::TankT), "365");
    EXPECT_EQ(Shown(run, Ctl::TDays), "40");
    EXPECT_EQ(Shown(run, Ctl::VDay), "9.1");
    EXPECT_EQ(Shown(run, Ctl::OLeft), "235");
    EXPECT_EQ(Shown(run, Ctl::FillDate), "05/05/2010");
    QWidget* save = run.view.binder(WindowId::Main).widget(int(Ctl::Save));
    ASSERT_TRUE(save->isEnabled());
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(Shown(run, Ctl::Status), "Calculation Saved");
    EXPECT_FALSE(save->isEnabled());

    const QStringList history = Files(folder).readLines("Log/Tankwise_H.log");
    ASSERT_GE(history.size(), 2);
    EXPECT_TRUE(history[history.size() - 2].startsWith(" 01/03/2010,     600,")) << history.join('\n').toStdString();
    // The history keeps whole litres, cut rather than rounded.
    EXPECT_TRUE(history.last().startsWith(" 10/04/2010,     234,")) << history.join('\n').toStdString();

    QTest::qWait(200);  // let the window finish painting before it is photographed
    EXPECT_TRUE(main->grab().save(QStringLiteral(TANKWISE_SCREENSHOT)));
    EXPECT_TRUE(quitCodes.empty());
}

}  // namespace
}  // namespace tw
