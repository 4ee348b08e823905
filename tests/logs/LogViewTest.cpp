#include "logs/LogView.h"

#include <QDir>
#include <gtest/gtest.h>

#include "LogTestSupport.h"
#include "logs/LogFiles.h"

namespace tw {
namespace {

class LogWindowOperations : public StartedLogs {};

TEST_F(LogWindowOperations, OpenWithHandsTheLogToTheDesktopOrSaysItCannot) {
    OpenLogWith(p, LogKind::History);
    EXPECT_EQ(desktop.viewers, QStringList{"Log/Tankwise_H.log"});
    desktop.viewerFails = true;
    OpenLogWith(p, LogKind::Delivery);
    EXPECT_EQ(shown(), QStringList{"Tankwise Delivery Log File Error|Unable to run Notepad\r\n"
                                   "Check that it exists and\r\nis working properly."});
}

TEST_F(LogWindowOperations, ViewSaysWhatItReadAndWhatItSkipped) {
    folder.append("Log/Tankwise_H.log",
                {" 01/01/2010,     900,       0,       ,       ,                    ",
                 " 11/01/2010,     800,       0,       ,       ,   £400.00,  On, Off",
                 " 12/01/2010,   !!!"});
    const LogViewContent view = ReadLogView(p, LogKind::History);
    EXPECT_TRUE(view.read);
    EXPECT_EQ(view.status, "2 readings, 1 line skipped (damaged or not readable)");
    EXPECT_EQ(view.volumeUnit, "litres");
    ASSERT_EQ(view.rows.size(), 2u);
    EXPECT_DOUBLE_EQ(view.rows[1].perDay.value_or(0), 10);
    EXPECT_EQ(view.lines.last(), " 12/01/2010,   !!!");

    folder.denyRead("Log/Tankwise_D.log");
    const LogViewContent unreadable = ReadLogView(p, LogKind::Delivery);
    EXPECT_FALSE(unreadable.read);
    EXPECT_EQ(unreadable.status, "Unable to read the log file Tankwise_D.log.");
}

TEST_F(LogWindowOperations, ExportThatCannotWriteLeavesNoFileAndSaysWhy) {
    const QString target = folder.path() + "/missing-folder/Tankwise_History.csv";
    EXPECT_FALSE(ExportLogCsv(p, LogKind::History, target));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Export Error");
    EXPECT_TRUE(desktop.messages[0].text.startsWith("Unable to write the file " + target + "."));
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(ExportLogCsv(p, LogKind::History, folder.path() + "/Tankwise_History.csv"));
    EXPECT_EQ(desktop.messages.size(), 1u);
}

}  // namespace
}  // namespace tw
