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
#include "app/MainControls.h"
#include "ui/LogWindow.h"

namespace tw {
namespace {

class LogWindows : public ViewTest {
protected:
    void type(Ctl c, const QString& text) { p.typed(WindowId::Main, int(c), text); }
    void click(Ctl c) { p.click(WindowId::Main, int(c)); }

    // Two saved calculations by depth, the first with a delivery.
    void saveTwoPeriods() {
        click(Ctl::AutoSave);
        p.selected(WindowId::Main, int(Ctl::TankAS), 1);
        type(Ctl::Date1, "01/01/2010");
        type(Ctl::TARead1, "0");
        type(Ctl::Date2, "10/01/2010");
        type(Ctl::TARead2, "60");
        type(Ctl::Date3, "02/01/2010");
        type(Ctl::LAdd1, "600");
        type(Ctl::OCost1, "0.5");
        type(Ctl::DCharge1, "20");
        click(Ctl::Calc);
        p.activate();
        type(Ctl::Date2, "09/02/2010");
        type(Ctl::TARead2, "30");
        click(Ctl::Calc);
        view.refresh();
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
    EXPECT_EQ(row(table, 0), QStringList({"01/01/2010", "0", "", "", "", ""}));
    EXPECT_EQ(row(table, 1), QStringList({"10/01/2010", "600", "9", "600", "66.7", ""}));
    EXPECT_EQ(row(table, 2), QStringList({"09/02/2010", "300", "30", "300", "10.0", "£5.00"}));

    QChart* chart = window->chart();
    auto* bars = qobject_cast<QAreaSeries*>(series(chart, "Litres per day"));
    auto* cost = qobject_cast<QXYSeries*>(series(chart, "Cost per day"));
    auto* oil = qobject_cast<QXYSeries*>(series(chart, "Oil in tanks"));
    auto* deliveries = qobject_cast<QXYSeries*>(series(chart, "Delivery"));
    ASSERT_TRUE(bars && cost && oil && deliveries);
    EXPECT_EQ(bars->upperSeries()->count(), 8);  // four corners per period
    EXPECT_DOUBLE_EQ(bars->upperSeries()->at(6).y(), 10);
    EXPECT_EQ(cost->count(), 1);
    EXPECT_DOUBLE_EQ(cost->at(0).y(), 5);
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
    EXPECT_EQ(results->status()->text(), "2 reports");
    EXPECT_TRUE(results->text()->toPlainText().contains("Total Oil Used            :    300"));
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
