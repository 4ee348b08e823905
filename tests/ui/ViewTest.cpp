// The view: the widgets of the three windows bound to the program's models, and the
// History window's table and chart on a log the program itself has written, with its
// forecast settings saved to Data/Forecast.ini and drawn again.
#include <QAreaSeries>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QXYSeries>
#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/AboutWindow.h"
#include "app/Program.h"
#include "app/UpdateWindow.h"
#include "ui/LogWindow.h"
#include "ui/ProgramView.h"

namespace tw {
namespace {

// A started program in a fresh installation, shown in its real windows.
class View : public ::testing::Test {
protected:
    void SetUp() override {
        // Leaving the application would stop every later event loop of the test run.
        view.quit = [this](int exitCode) { quitCodes.push_back(exitCode); };
        ASSERT_TRUE(view.start(QString()));
    }
    template <class W = QWidget> W* widget(auto control, WindowId window = WindowId::Main) const {
        return qobject_cast<W*>(view.binder(window).widget(int(control)));
    }
    void click(auto control, WindowId window = WindowId::Main) { QTest::mouseClick(widget(control, window), Qt::LeftButton); }

    WorkFolder work;
    FakeDesktop desktop;
    Program p{desktop, work.files()};
    ProgramView view{p};
    std::vector<int> quitCodes;
};

TEST_F(View, EveryControlOfTheModelsIsAWidgetOfItsKind) {
    const char* classes[] = {"QLineEdit", "QLabel", "QPushButton", "QCheckBox", "QComboBox", "QGroupBox", "QLabel"};
    const std::pair<WindowId, const WindowModel*> windows[] = {
        {WindowId::Main, &p.main}, {WindowId::About, p.about.get()}, {WindowId::Update, &p.update->model}};
    for (const auto& [id, m] : windows) {
        EXPECT_EQ(view.binder(id).missingControls(), QStringList());
        for (int c = 0; c < m->count(); ++c) {
            // The update window's message runs over several lines.
            const bool lines = id == WindowId::Update && m->at(c).name == "Message";
            const QWidget* w = widget(c, id);
            EXPECT_STREQ(w ? w->metaObject()->className() : "", lines ? "QPlainTextEdit" : classes[int(m->at(c).kind)])
                << m->at(c).name.toStdString();
        }
    }
}

TEST_F(View, UserEventsReachTheModelAndItsChangesReachTheWidgets) {
    widget<QLineEdit>(Ctl::TARead1)->clear();
    QTest::keyClicks(widget(Ctl::TARead1), "45.5");
    EXPECT_EQ(p.main.text(Ctl::TARead1), "45.5");
    widget(Ctl::TankBS)->setFocus();
    QTest::keyClick(widget(Ctl::TankBS), Qt::Key_End);
    EXPECT_EQ(p.main.index(Ctl::TankBS), 2);
    click(Ctl::TUnitsBT);
    EXPECT_TRUE(p.main.checked(Ctl::TUnitsBT));
    EXPECT_EQ(widget<QLabel>(Ctl::TotalLH)->text(), "Total Gallons");  // the click changed the caption
    EXPECT_EQ(widget(Ctl::TankT)->toolTip(), "Total number of gallons used");
    // A download report changes the models without passing through a widget event.
    p.main.setText(Ctl::Status, "Data Cleared");
    p.main.setEnabled(Ctl::Clear, false);
    p.main.setFocus(Ctl::Date2);
    QCoreApplication::processEvents();
    EXPECT_EQ(widget<QLabel>(Ctl::Status)->text(), "Data Cleared");
    EXPECT_FALSE(widget(Ctl::Clear)->isEnabled());
    EXPECT_EQ(view.window(WindowId::Main)->focusWidget(), widget(Ctl::Date2));
}

class Closing : public View, public ::testing::WithParamInterface<bool> {};  // by title bar?

TEST_P(Closing, TheModalAboutWindowAndThenTheProgramByButtonOrTitleBar) {
    click(Ctl::About);
    QWidget* about = view.window(WindowId::About);
    EXPECT_TRUE(about->isVisible() && about->windowModality() == Qt::ApplicationModal);
    GetParam() ? void(about->close()) : click(AboutCtl::ExitAbout, WindowId::About);
    EXPECT_FALSE(about->isVisible() || p.about->open() || p.ended());
    GetParam() ? void(view.window(WindowId::Main)->close()) : click(Ctl::Exit);
    EXPECT_TRUE(p.ended() && view.ended() && !view.window(WindowId::Main)->isVisible());
    EXPECT_EQ(quitCodes, std::vector<int>{0});
    click(Ctl::AutoSave);  // an ended program lets nothing in
    EXPECT_FALSE(p.main.checked(Ctl::AutoSave));
}

INSTANTIATE_TEST_SUITE_P(Ways, Closing, ::testing::Bool());

TEST_F(View, TheHistoryWindowShowsThePeriodsAsTableAndChart) {
    click(Ctl::AutoSave);
    p.selected(WindowId::Main, int(Ctl::TankAS), 1);  // by depth
    p.typed(WindowId::Main, int(Ctl::Date1), "01/01/2010");
    p.typed(WindowId::Main, int(Ctl::TARead1), "60");
    // The second calculation starts from the reading the first one saved.
    for (const auto& [date, reading] : {std::pair{"10/01/2010", "30"}, {"09/02/2010", "10"}}) {
        p.typed(WindowId::Main, int(Ctl::Date2), date);
        p.typed(WindowId::Main, int(Ctl::TARead2), reading);
        p.click(WindowId::Main, int(Ctl::Calc));
        p.activate();
    }
    work.append("Log/Tankwise_D.log", {" 02/01/2010,       600,  £0.500,    £20.00,      ,  £321.00,      , Off, Off"});
    ASSERT_TRUE(desktop.messages.empty()) << desktop.messages[0].text.toStdString();
    LogWindow* window = view.showLogWindow(LogKind::History, "Log/Tankwise_H.log");
    EXPECT_EQ(window->windowTitle(), "Tankwise History");
    EXPECT_EQ(window->status()->text(), "3 readings, no lines skipped");
    const QStringList rows[] = {{"01/01/2010", "600", "", "", "", ""},
                                // The delivery of 2 January counts towards the first period's use.
                                {"10/01/2010", "300", "9", "900", "100.0", ""},
                                {"09/02/2010", "100", "30", "200", "6.7", ""}};
    ASSERT_EQ(window->table()->rowCount(), 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < window->table()->columnCount(); ++c)
            EXPECT_EQ(window->table()->item(r, c)->text(), rows[r].value(c)) << r << "," << c;

    QMap<QString, QAbstractSeries*> series;
    for (QAbstractSeries* s : window->chart()->series()) series[s->name()] = s;
    auto* bars = qobject_cast<QAreaSeries*>(series.value("Litres per day"));
    auto* deliveries = qobject_cast<QXYSeries*>(series.value("Delivery"));
    ASSERT_TRUE(bars && deliveries && series.contains("Cost per day") && series.contains("Oil in tanks"));
    EXPECT_NEAR(bars->upperSeries()->at(6).y(), 6.667, 0.001);  // four corners per period
    EXPECT_EQ(qobject_cast<QXYSeries*>(series["Cost per day"])->count(), 0);  // no oil value was known
    ASSERT_EQ(deliveries->count(), 1);
    EXPECT_EQ(QDateTime::fromMSecsSinceEpoch(qint64(deliveries->at(0).x())).date(), QDate(2010, 1, 2));
    EXPECT_EQ(qobject_cast<QXYSeries*>(series.value("Reserve"))->at(0).y(), 180);  // 15% of 1200 litres

    // A changed forecast setting is saved and the chart drawn again from it.
    window->reserve()->setValue(25);
    window->leadDays()->setValue(21);
    window->profile()->setCurrentIndex(2);
    emit window->profile()->activated(2);
    EXPECT_EQ(work.lines("Data/Forecast.ini").mid(3), QStringList({"[Forecast]", "Reserve=25", "LeadDays=21", "Profile=German"}));
    for (QAbstractSeries* s : window->chart()->series())
        if (s->name() == "Reserve") { EXPECT_EQ(qobject_cast<QXYSeries*>(s)->at(0).y(), 300); }

    // One window per log: showing it again raises it, read afresh.
    work.append("Log/Tankwise_H.log", {"damaged"});
    EXPECT_EQ(view.showLogWindow(LogKind::History, "Log/Tankwise_H.log"), window);
    EXPECT_EQ(window->status()->text(), "3 readings, 1 line skipped (damaged or not readable)");
}

}  // namespace
}  // namespace tw
