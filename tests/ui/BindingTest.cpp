// User events reach the program, and what the program changes reaches the widgets.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ViewFixture.h"
#include "app/AboutWindow.h"
#include "app/UpdateWindow.h"

namespace tw {
namespace {

using Binding = ViewTest;

TEST_F(Binding, TypedTextReachesTheModel) {
    auto* reading = control<QLineEdit>(Ctl::TARead1);
    reading->clear();
    QTest::keyClicks(reading, "45.5");
    EXPECT_EQ(p.main.text(Ctl::TARead1), "45.5");
    QTest::keyClick(reading, Qt::Key_Backspace);
    EXPECT_EQ(p.main.text(Ctl::TARead1), "45.");
}

TEST_F(Binding, ProgramCaptionsAndTooltipsReachTheWidgetsAfterAClick) {
    QTest::mouseClick(control(Ctl::TUnitsBT), Qt::LeftButton);
    ASSERT_TRUE(p.main.checked(Ctl::TUnitsBT));
    EXPECT_TRUE(control<QCheckBox>(Ctl::TUnitsBT)->isChecked());
    EXPECT_EQ(control<QLabel>(Ctl::TotalLH)->text(), "Total Gallons");
    EXPECT_EQ(control(Ctl::TankT)->toolTip(), "Total number of gallons used");
}

TEST_F(Binding, ChangesMadeOutsideAnEventShowOnTheNextTurnOfTheEventLoop) {
    // A download report changes the models without passing through a widget event.
    p.main.setText(Ctl::Status, "Data Cleared");
    p.main.setEnabled(Ctl::Clear, false);
    QCoreApplication::processEvents();
    EXPECT_EQ(control<QLabel>(Ctl::Status)->text(), "Data Cleared");
    EXPECT_FALSE(control(Ctl::Clear)->isEnabled());
}

TEST_F(Binding, ChoosingAShapeReachesTheModel) {
    auto* shape = control<QComboBox>(Ctl::TankBS);
    ASSERT_EQ(shape->count(), 3);
    shape->setFocus();
    QTest::keyClick(shape, Qt::Key_End);
    EXPECT_EQ(p.main.index(Ctl::TankBS), 2);
    EXPECT_EQ(p.main.itemText(Ctl::TankBS), "Rectangular");
}

TEST_F(Binding, TheModelsFocusMovesTheWindowsFocus) {
    p.main.setFocus(Ctl::Date2);
    view.refresh();
    EXPECT_EQ(window(WindowId::Main)->focusWidget(), control(Ctl::Date2));
}

TEST_F(Binding, ClickingTheLogoOpensTheWebSite) {
    QTest::mouseClick(control(Ctl::Logo), Qt::LeftButton);
    EXPECT_EQ(desktop.opened, QStringList{p.siteBase});
}

struct WayRow {
    const char* name;
    bool byTitleBar;
};

class EndingWay : public ViewTest, public ::testing::WithParamInterface<WayRow> {};

TEST_P(EndingWay, EndsTheProgramQuitsAndLetsNothingIn) {
    if (GetParam().byTitleBar)
        window(WindowId::Main)->close();
    else
        QTest::mouseClick(control(Ctl::Exit), Qt::LeftButton);
    EXPECT_TRUE(p.ended());
    EXPECT_TRUE(view.ended());
    EXPECT_EQ(quitCodes, std::vector<int>{0});
    EXPECT_FALSE(window(WindowId::Main)->isVisible());
    QTest::mouseClick(control(Ctl::AutoSave), Qt::LeftButton);
    EXPECT_FALSE(p.main.checked(Ctl::AutoSave));
}

class AboutClosing : public ViewTest, public ::testing::WithParamInterface<WayRow> {};

TEST_P(AboutClosing, TheModalAboutWindowClosesThroughTheProgram) {
    QTest::mouseClick(control(Ctl::About), Qt::LeftButton);
    QWidget* about = window(WindowId::About);
    ASSERT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(about->windowTitle(), "About Tankwise");
    EXPECT_EQ(control<QLabel>(WindowId::About, int(AboutCtl::ProgVersion))->text(), "Version 3.0");
    if (GetParam().byTitleBar)
        about->close();
    else
        QTest::mouseClick(control(WindowId::About, int(AboutCtl::ExitAbout)), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(p.about->open());
    EXPECT_FALSE(p.ended());
}

const auto kWays = ::testing::Values(WayRow{"button", false}, WayRow{"titleBar", true});
const auto kWayName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Ways, EndingWay, kWays, kWayName);
INSTANTIATE_TEST_SUITE_P(Ways, AboutClosing, kWays, kWayName);

TEST_F(Binding, TheUpdateWindowIsShownOnlyWhileItsModelIsShown) {
    QWidget* update = window(WindowId::Update);
    p.update->model.setOpen(true, false);  // loaded hidden, as the automatic check does
    view.refresh();
    EXPECT_FALSE(update->isVisible());
    p.update->model.setOpen(true, true);
    view.refresh();
    EXPECT_TRUE(update->isVisible());
    p.update->model.setOpen(false, false);
    view.refresh();
    EXPECT_FALSE(update->isVisible());
}

TEST_F(Binding, ComingBackFromTheUpdateWindowActivatesTheMainWindow) {
    p.main.setEnabled(Ctl::Save, true);
    view.refresh();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window(WindowId::Update), &activate);
    QCoreApplication::sendEvent(window(WindowId::Main), &activate);
    QCoreApplication::processEvents();
    // The main window's activation disables Save.
    EXPECT_FALSE(p.main.enabled(Ctl::Save));
    EXPECT_FALSE(control(Ctl::Save)->isEnabled());
}

TEST_F(Binding, ComingBackFromAMessageBoxDoesNotActivateTheMainWindowAgain) {
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window(WindowId::Main), &activate);
    p.main.setEnabled(Ctl::Save, true);
    p.main.setText(Ctl::TARead1, "55");
    view.refresh();
    // A message box took the activation and gave it back.
    QCoreApplication::sendEvent(window(WindowId::Main), &activate);
    QCoreApplication::processEvents();
    EXPECT_TRUE(p.main.enabled(Ctl::Save));
    EXPECT_EQ(p.main.text(Ctl::TARead1), "55");
}

TEST_F(Binding, TheStatusTimerRunsWhileTheModelHasItEnabled) {
    p.timer1.interval = 20;
    p.setStatus("Calculation Saved");
    view.refresh();
    EXPECT_EQ(control<QLabel>(Ctl::Status)->text(), "Calculation Saved");
    // The tick clears the status line and stops the timer.
    EXPECT_TRUE(QTest::qWaitFor([&] { return control<QLabel>(Ctl::Status)->text().isEmpty(); }, 2000));
    EXPECT_FALSE(p.timer1.enabled);
}

}  // namespace
}  // namespace tw
