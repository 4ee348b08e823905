// The History window's forecast settings: a changed value reaches Data/Forecast.ini
// and the chart is drawn again from it.
#include <QChart>
#include <QComboBox>
#include <QSpinBox>
#include <QXYSeries>
#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "ui/LogWindow.h"
#include "ui/ProgramView.h"

namespace tw {
namespace {

TEST(ForecastPanel, ChangedSettingsAreSavedAndRedrawn) {
    WorkFolder work;
    FakeDesktop desktop;
    Program p{desktop, work.files()};
    ProgramView view{p};
    view.quit = [](int) {};
    ASSERT_TRUE(view.start(QString()));
    work.append("Log/Tankwise_H.log",
                {" 01/01/2010,     600,       0,   60.0,       ,                    ",
                 " 10/01/2010,     300,       0,   30.0,       ,          , Off, Off"});
    LogWindow* window = view.showLogWindow(LogKind::History, "Log/Tankwise_H.log");
    const auto reserveLevel = [&] {
        for (QAbstractSeries* s : window->chart()->series())
            if (s->name() == "Reserve") return qobject_cast<QXYSeries*>(s)->at(0).y();
        return -1.0;
    };
    EXPECT_EQ(reserveLevel(), 180);  // 15% of the default 1200 litres

    window->reserve()->setValue(25);
    window->leadDays()->setValue(21);
    window->profile()->setCurrentIndex(2);
    emit window->profile()->activated(2);
    EXPECT_EQ(work.lines("Data/Forecast.ini").mid(3),
              QStringList({"[Forecast]", "Reserve=25", "LeadDays=21", "Profile=German"}));
    EXPECT_EQ(reserveLevel(), 300);
}

}  // namespace
}  // namespace tw
