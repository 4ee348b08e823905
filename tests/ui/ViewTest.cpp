// The view: the widgets of the three windows bound to the program's models, and the
// History window's table and chart on a log the program itself has written, with its
// forecast settings saved to Data/Forecast.ini and drawn again.
#include <QAccessible>
#include <QAreaSeries>
#include <QCategoryAxis>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QValueAxis>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QSpinBox>
#include <QTableView>
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
    void click(auto control, WindowId window = WindowId::Main) {
        // The user brings the control's tab page forward first.
        if constexpr (std::is_same_v<decltype(control), Ctl>) p.main.setFocus(control);
        QCoreApplication::processEvents();
        QTest::mouseClick(widget(control, window), Qt::LeftButton);
    }

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
    ASSERT_EQ(window->table()->model()->rowCount(), 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < window->table()->model()->columnCount(); ++c)
            EXPECT_EQ(window->table()->model()->index(r, c).data().toString(), rows[r].value(c)) << r << "," << c;

    QMap<QString, QAbstractSeries*> series;
    for (QAbstractSeries* s : window->chart()->series()) series[s->name()] = s;
    auto* bars = qobject_cast<QAreaSeries*>(series.value("Litres per day"));
    auto* deliveries = qobject_cast<QXYSeries*>(series.value("Delivery"));
    ASSERT_TRUE(bars && deliveries && series.contains("Oil in tanks") && series.contains("Forecast"));
    EXPECT_NEAR(bars->upperSeries()->at(6).y(), 6.667, 0.001);  // four corners per period
    EXPECT_FALSE(series.contains("Cost per day"));  // no oil value was known: no cost axis either
    ASSERT_EQ(deliveries->count(), 1);
    EXPECT_EQ(QDateTime::fromMSecsSinceEpoch(qint64(deliveries->at(0).x())).date(), QDate(2010, 1, 2));
    const auto reserve = [&] {
        for (QAbstractSeries* s : window->chart()->series())
            if (s->name() == "Reserve") return qobject_cast<QAreaSeries*>(s)->upperSeries()->at(0).y();
        return -1.0;
    };
    EXPECT_EQ(reserve(), 180);  // 15% of 1200 litres

    // The axes hold every reading, the forecast to its last mark and the reserve, and
    // the order-by date is named on the time axis.
    window->resize(1400, 700);
    QTest::qWait(50);  // the axes fit the plot once it is laid out
    auto* time = qobject_cast<QCategoryAxis*>(window->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_TRUE(time);
    for (const char* name : {"Oil in tanks", "Forecast"}) {
        auto* xy = qobject_cast<QXYSeries*>(series.value(name));
        auto* oil = qobject_cast<QValueAxis*>(xy->attachedAxes().value(1));
        for (const QPointF& point : xy->points()) {
            EXPECT_TRUE(point.x() > time->min() && point.x() < time->max()) << name;
            EXPECT_TRUE(point.y() >= oil->min() && point.y() < oil->max()) << name;
        }
        EXPECT_GT(oil->max(), 180);
    }
    // Here the run-out date follows too closely to be named beside it.
    EXPECT_EQ(time->categoriesLabels().filter(QRegularExpression("^(Order|Runs out)")),
              QStringList("Order now, due<br>30/01/2010"));
    EXPECT_EQ(time->categoriesLabels().removeDuplicates(), 0);

    // A dark desktop gets a dark chart, with the forecast in a light colour on it.
    window->setPalette(QPalette(QColor(0x30, 0x30, 0x30)));  // a black base, white text
    EXPECT_LT(window->chart()->backgroundBrush().color().lightness(), 64);
    for (QAbstractSeries* s : window->chart()->series())
        if (s->name() == "Forecast") { EXPECT_GT(qobject_cast<QXYSeries*>(s)->pen().color().lightness(), 160); }

    // A changed forecast setting is saved and the chart drawn again from it.
    window->reserve()->setValue(25);
    window->leadDays()->setValue(21);
    window->profile()->setCurrentIndex(2);
    emit window->profile()->activated(2);
    EXPECT_EQ(work.lines("Data/Forecast.ini").mid(3), QStringList({"[Forecast]", "Reserve=25", "LeadDays=21", "Profile=German"}));
    EXPECT_EQ(reserve(), 300);

    // One window per log: showing it again raises it, read afresh.
    work.append("Log/Tankwise_H.log", {"damaged"});
    EXPECT_EQ(view.showLogWindow(LogKind::History, "Log/Tankwise_H.log"), window);
    EXPECT_EQ(window->status()->text(), "3 readings, 1 line skipped (damaged or not readable): line 17");
}

// Every input and result of every window has a name and a description a screen
// reader speaks: its labels and its tooltip, in the units chosen.
TEST_F(View, EveryFieldOfEveryWindowHasANameAndADescription) {
    std::vector<QWidget*> windows;
    for (const WindowId id : {WindowId::Main, WindowId::About, WindowId::Update}) windows.push_back(view.window(id));
    for (const LogKind kind : {LogKind::History, LogKind::Results})
        windows.push_back(view.showLogWindow(kind, kind == LogKind::History ? "Log/Tankwise_H.log" : "Log/Tankwise.log"));
    int fields = 0;
    for (QWidget* window : windows)
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const QWidget* up = w->parentWidget();  // a spin or combo box's own edit line is part of it
            if (qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QComboBox*>(up)) continue;
            if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w) && !qobject_cast<QCheckBox*>(w) &&
                !qobject_cast<QAbstractSpinBox*>(w) && !qobject_cast<QPlainTextEdit*>(w) && !qobject_cast<QTableView*>(w))
                continue;
            ++fields;
            // What a screen reader is given (a combo box on Linux speaks its value and
            // takes its name from a label instead).
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(w);
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
            EXPECT_FALSE(spoken->text(QAccessible::Description).isEmpty()) << w->objectName().toStdString();
        }
    EXPECT_GT(fields, 60);
    click(Ctl::TUnitsBT);  // gallons: the names follow the captions
    ASSERT_TRUE(p.main.checked(Ctl::TUnitsBT));
    const std::pair<Ctl, const char*> names[] = {{Ctl::Date3, "Delivery 1 Date"}, {Ctl::TDays, "Actual Days"},
                                                 {Ctl::TankTP, "Predict Total Gallons"}, {Ctl::TUnitsBT, "Gallons"},
                                                 {Ctl::OCost0, "Price of oil in tank"}, {Ctl::Forecast, "Forecast"},
                                                 {Ctl::TankAS, "Tank A Shape"}, {Ctl::TankOffB, "Tank B Offset"}};
    for (const auto& [c, name] : names) EXPECT_EQ(widget(c)->accessibleName(), name);
    EXPECT_EQ(widget(Ctl::TankTP)->accessibleDescription(), "Total number of gallons predicted");
}

// Tab goes through the inputs, then the results, then the buttons; Enter runs the
// default button, Calculate, and Escape closes the About window.
TEST_F(View, TheKeyboardReachesEveryResultRunsCalculateAndClosesAbout) {
    QWidget* main = view.window(WindowId::Main);
    main->show();
    widget(Ctl::Date1)->setFocus();
    std::vector<QWidget*> order;
    while (order.size() < 200 && std::find(order.begin(), order.end(), main->focusWidget()) == order.end()) {
        order.push_back(main->focusWidget());
        QTest::keyClick(order.back(), Qt::Key_Tab);
    }
    const auto at = [&](Ctl c) { return std::find(order.begin(), order.end(), widget(c)) - order.begin(); };
    for (const Ctl result : {Ctl::TDays, Ctl::TCO2P, Ctl::DCO2, Ctl::FillDate, Ctl::OrderBy, Ctl::Forecast}) {
        EXPECT_GT(at(result), at(Ctl::Notes));
        EXPECT_LT(at(result), at(Ctl::Calc));
    }
    QTest::keyClick(widget(Ctl::TARead2), Qt::Key_Return);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Data Error");

    click(Ctl::About);
    QTest::keyClick(view.window(WindowId::About), Qt::Key_Escape);
    EXPECT_FALSE(p.about->open() || view.window(WindowId::About)->isVisible());
}

}  // namespace
}  // namespace tw
