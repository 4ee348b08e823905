#include "app/Archive.h"

#include "LogTestSupport.h"

namespace tw {
namespace {

const QString kResults = "Log/Tankwise.log";
const QString kArchive1 = "Log/Tankwise_200601_1.log";
const QString kArchive2 = "Log/Tankwise_200601_2.log";

class ArchiveTest : public StartedLogs {
protected:
    void savedReport() { folder.append(kResults, {"01/06/2020 12:00:00", "", "  Use To Date ( 45 Days)"}); }
};

// Archives are named after today (yymmdd) with the first free sequence number.
TEST_F(ArchiveTest, YesCopiesToTodaysFirstFreeName) {
    savedReport();
    const QByteArray first = folder.bytes(kResults);
    desktop.answers.push_back(Answer::Yes);
    ArchiveClick(p);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(folder.bytes(kArchive1), first);

    savedReport();
    const QByteArray second = folder.bytes(kResults);
    desktop.answers.push_back(Answer::Yes);
    ArchiveClick(p);
    EXPECT_EQ(folder.bytes(kArchive1), first);
    EXPECT_EQ(folder.bytes(kArchive2), second);
}

// The status line is emptied first; the second question is a plain Yes/No; Cancel
// changes nothing even when there is no data to lose.
TEST_F(ArchiveTest, SecondQuestionAndCancelChangeNothing) {
    savedReport();
    const QByteArray before = folder.bytes(kResults);
    p.setStatus("Calculation Saved");
    desktop.answers = {Answer::No, Answer::No};
    ArchiveClick(p);
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[1].icon, Icon::None);
    EXPECT_EQ(desktop.messages[1].buttons, Buttons::YesNo);
    EXPECT_EQ(p.main.text(Ctl::Status), "");
    EXPECT_FALSE(p.timer1.enabled);
    EXPECT_EQ(folder.bytes(kResults), before);

    folder.write(kResults, {"Tankwise Results Log"});
    desktop.answers.push_back(Answer::Cancel);
    ArchiveClick(p);
    EXPECT_EQ(folder.lines(kResults), QStringList{"Tankwise Results Log"});
    EXPECT_FALSE(folder.exists(kArchive1));
}

TEST_F(ArchiveTest, UnreadableResultsLogCannotBeArchived) {
    savedReport();
    folder.denyRead(kResults);
    ArchiveClick(p);
    EXPECT_EQ(desktop.messages.back().text.section("\r\n", 0, 0),
              "Unable to archive the results log file Tankwise.log.");
}

}  // namespace
}  // namespace tw
