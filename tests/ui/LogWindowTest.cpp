// The log windows on logs the program itself has written: the table's rows, the
// chart's series and the status line.
#include <QAreaSeries>
#include <QChart>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QXYSeries>
#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "platform/MainControls.h"
#include "ui/LogWindow.h"

namespace tw {
namespace {

class LogWindows : public ViewTest {
protected:
    void type(Ctl c, const QString& text) { p.typed(WindowId::Main, int(c), text); }
    void click(Ctl c) { p.click(WindowId::Main, int(c)); }

    // Two saved calculations by depth; a delivery between them in its log.
    void saveTwoPeriods() {
        click(Ctl::AutoSave);
        p.selected(WindowId::Main, int(Ctl::TankAS), 1);
        type(Ctl::Date1, "01/01/2010");
        type(Ctl::TARead1, "60");
        type(Ctl::Date2, "10/01/2010");
        type(Ctl::TARead2, "30");
        click(Ctl::Calc);
        p.activate();
        type(Ctl::Date2, "09/02/2010");
        type(Ctl::TARead2, "10");
        click(Ctl::Calc);
        view.refresh();
        work.append("Log/Tankwise_D.log",
                    {" 02/01/2010,       600,  £0.500,    £20.00,      ,  £321.00,      , Off, Off"});
        ASSERT_TRUE(desktop.messages.empty()) << desktop.messages[0].text.toStdString();
    }
    QStringList row(QTableWidget* table, int r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << (table->item(r, c) ? table->item(r, c)->text() : "-");
        return cells;
    }
    QAbstractSeries* series(QChart* chart, const QString& name) {
        for (QAbstractSeries* s : chart->series())
            if (s->name() == name) return s;
        return nullptr;
    }
};

TEST_F(LogWindows, HistoryShowsItsPeriodsAsTableAndChart) {
    saveTwoPeriods();
    LogWindow* window = view.showLogWindow(LogKind::History, "Log/Tankwise_H.log");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Tankwise History");
    EXPECT_EQ(window->status()->text(), "3 readings, no lines skipped");
    QTableWidget* table = window->table();
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(row(table, 0), QStringList({"01/01/2010", "600", "", "", "", ""}));
    // The delivery of 2 January counts towards the first period's use.
    EXPECT_EQ(row(table, 1), QStringList({"10/01/2010", "300", "9", "900", "100.0", ""}));
    EXPECT_EQ(row(table, 2), QStringList({"09/02/2010", "100", "30", "200", "6.7", ""}));

    QChart* chart = window->chart();
    auto* bars = qobject_cast<QAreaSeries*>(series(chart, "Litres per day"));
    auto* cost = qobject_cast<QXYSeries*>(series(chart, "Cost per day"));
    auto* oil = qobject_cast<QXYSeries*>(series(chart, "Oil in tanks"));
    auto* deliveries = qobject_cast<QXYSeries*>(series(chart, "Delivery"));
    ASSERT_TRUE(bars && cost && oil && deliveries);
    EXPECT_EQ(bars->upperSeries()->count(), 8);  // four corners per period
    EXPECT_NEAR(bars->upperSeries()->at(6).y(), 6.667, 0.001);
    EXPECT_EQ(cost->count(), 0);  // no oil value was known
    EXPECT_EQ(oil->count(), 3);
    ASSERT_EQ(deliveries->count(), 1);
    EXPECT_EQ(QDateTime::fromMSecsSinceEpoch(qint64(deliveries->at(0).x())).date(),
              QDate(2010, 1, 2));

    // One window per log: the button raises it again, read afresh.
    work.append("Log/Tankwise_H.log", {"damaged"});
    EXPECT_EQ(view.showLogWindow(LogKind::History, "Log/Tankwise_H.log"), window);
    EXPECT_EQ(window->status()->text(), "3 readings, 1 line skipped (damaged or not readable)");
}

TEST_F(LogWindows, ResultsAndDeliveriesShowTheirTextEndingInView) {
    saveTwoPeriods();
    LogWindow* results = view.showLogWindow(LogKind::Results, "Log/Tankwise.log");
    const int reports = int(work.lines("Log/Tankwise.log").filter("Use To Date (").size());
    ASSERT_GT(reports, 0);
    EXPECT_EQ(results->status()->text(), QString::number(reports) + (reports == 1 ? " report" : " reports"));
    EXPECT_TRUE(results->text()->toPlainText().contains("Total Oil Used            :    200"));
    EXPECT_EQ(results->table(), nullptr);

    LogWindow* deliveries = view.showLogWindow(LogKind::Delivery, "Log/Tankwise_D.log");
    EXPECT_NE(deliveries, results);
    EXPECT_EQ(deliveries->status()->text(), "1 delivery, no lines skipped");
    EXPECT_TRUE(deliveries->text()->toPlainText().endsWith(
        " 02/01/2010,       600,  £0.500,    £20.00,      ,  £321.00,      , Off, Off"))
        << deliveries->text()->toPlainText().toStdString();
}

}  // namespace
}  // namespace tw
