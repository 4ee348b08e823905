#include "logs/Archive.h"

#include "LogTestSupport.h"

namespace tw {
namespace {

const QString kResults = "Log/Tankwise.log";
const QString kArchive1 = "Log/Tankwise_200601_1.log";
const QString kArchive2 = "Log/Tankwise_200601_2.log";
const QStringList kFreshLog{"Tankwise Results Log", "Version 3.0", "File Created",
                            "01/06/2020 13:30:00", "", ""};

class ArchiveTest : public StartedLogs {
protected:
    void SetUp() override {
        StartedLogs::SetUp();
        desktop.clock = desktop.clock.addSecs(90 * 60);
        history = folder.bytes("Log/Tankwise_H.log");
        deliveries = folder.bytes("Log/Tankwise_D.log");
    }
    void savedReport() { folder.append(kResults, {"01/06/2020 12:00:00", "", "  Use To Date ( 45 Days)"}); }
    void answer(std::initializer_list<Answer> answers) {
        for (Answer a : answers) desktop.answers.push_back(a);
    }
    void expectOtherLogsUntouched() {
        EXPECT_EQ(folder.bytes("Log/Tankwise_H.log"), history);
        EXPECT_EQ(folder.bytes("Log/Tankwise_D.log"), deliveries);
    }

    QByteArray history, deliveries;
};

TEST_F(ArchiveTest, YesWithDataCopiesToTodaysFirstFreeNameAndStartsAFreshLog) {
    savedReport();
    const QByteArray before = folder.bytes(kResults);
    answer({Answer::Yes});
    ArchiveClick(p);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Archive Tankwise Results Log File");
    EXPECT_EQ(desktop.messages[0].text,
              "Do you want to archive the log file?\r\n"
              "To Archive the results log file and create a new one click Yes\r\n"
              "To Clear the results log file without archiving it click No\r\n"
              "Click Cancel to return");
    EXPECT_EQ(desktop.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(folder.bytes(kArchive1), before);
    EXPECT_EQ(folder.lines(kResults), kFreshLog);
    EXPECT_EQ(p.main.text(Ctl::Status), "Results Log File Archived");
    expectOtherLogsUntouched();

    // The second archive of the day holds only what was saved after the first.
    savedReport();
    const QByteArray second = folder.bytes(kResults);
    answer({Answer::Yes});
    ArchiveClick(p);
    EXPECT_EQ(folder.bytes(kArchive1), before);
    EXPECT_EQ(folder.bytes(kArchive2), second);
}

TEST_F(ArchiveTest, YesWithoutDataRefusesAndLeavesTheLog) {
    const QByteArray before = folder.bytes(kResults);
    answer({Answer::Yes});
    ArchiveClick(p);
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[1].title, "Tankwise Results Log File Error");
    EXPECT_EQ(desktop.messages[1].text,
              "There is no data to archive!\r\nResults log file not archived.");
    EXPECT_EQ(folder.bytes(kResults), before);
    EXPECT_FALSE(folder.exists(kArchive1));
}

struct ClearRow {
    const char* name;
    bool withData;
    std::vector<Answer> answers;
    bool cleared;
    const char* status;
};
void PrintTo(const ClearRow& row, std::ostream* os) { *os << row.name; }

class ClearWithoutArchive : public ArchiveTest, public testing::WithParamInterface<ClearRow> {};

TEST_P(ClearWithoutArchive, AsksAgainOnlyWhenThereIsData) {
    const ClearRow& row = GetParam();
    if (row.withData) savedReport();
    const QStringList before = folder.lines(kResults);
    for (Answer a : row.answers) desktop.answers.push_back(a);
    ArchiveClick(p);
    EXPECT_TRUE(desktop.answers.empty());
    EXPECT_EQ(desktop.messages.size(), row.answers.size());
    if (row.answers.size() == 2) {
        EXPECT_EQ(desktop.messages[1].title, "Tankwise Create New Log File");
        EXPECT_EQ(desktop.messages[1].text, "Are you sure you want to create a new results log file?");
        EXPECT_EQ(desktop.messages[1].icon, Icon::None);
        EXPECT_EQ(desktop.messages[1].buttons, Buttons::YesNo);
    }
    EXPECT_EQ(folder.lines(kResults), row.cleared ? kFreshLog : before);
    EXPECT_EQ(p.main.text(Ctl::Status), row.status);
    EXPECT_FALSE(folder.exists(kArchive1));
    expectOtherLogsUntouched();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ClearWithoutArchive,
    testing::Values(
        ClearRow{"noWithoutData", false, {Answer::No}, true, "Results Log File Cleared"},
        ClearRow{"noThenYes", true, {Answer::No, Answer::Yes}, true, "Results Log File Cleared"},
        ClearRow{"noThenNo", true, {Answer::No, Answer::No}, false, ""},
        ClearRow{"cancelWithData", true, {Answer::Cancel}, false, ""},
        ClearRow{"cancelWithoutData", false, {Answer::Cancel}, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArchiveTest, StartsByEmptyingTheStatusLine) {
    p.setStatus("Calculation Saved");
    answer({Answer::Cancel});
    ArchiveClick(p);
    EXPECT_EQ(p.main.text(Ctl::Status), "");
    EXPECT_FALSE(p.timer1.enabled);
}

TEST_F(ArchiveTest, StartupRecordsAloneAreNoData) {
    folder.append(kResults, {"Tankwise Started", "Version 3.0", "01/06/2020 12:00:00", "", ""});
    answer({Answer::No});
    ArchiveClick(p);
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(folder.lines(kResults), kFreshLog);
}

TEST_F(ArchiveTest, FailedCopyLeavesTheLogAndNoArchive) {
    savedReport();
    const QByteArray before = folder.bytes(kResults);
    folder.deny(kArchive1);
    answer({Answer::Yes});
    ArchiveClick(p);
    EXPECT_EQ(shown().last(), "Tankwise Results Log File Error|Unable to archive the results log "
                              "file Tankwise.log.\r\nThis may be a permissions problem.");
    EXPECT_EQ(folder.bytes(kResults), before);
    EXPECT_FALSE(folder.exists(kArchive1));
}

TEST_F(ArchiveTest, FailedFreshLogKeepsTheArchiveAndTheOldLog) {
    savedReport();
    const QByteArray before = folder.bytes(kResults);
    folder.deny(kResults);
    answer({Answer::Yes});
    ArchiveClick(p);
    EXPECT_EQ(desktop.messages.back().text,
              "Unable to archive the results log file Tankwise.log.\r\n"
              "This may be a permissions problem.");
    EXPECT_EQ(folder.bytes(kArchive1), before);
    EXPECT_EQ(folder.bytes(kResults), before);
}

TEST_F(ArchiveTest, MissingResultsLogIsWarnedAndNothingIsAsked) {
    folder.remove(kResults);
    ArchiveClick(p);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Results Log File Error");
    EXPECT_EQ(desktop.messages[0].text.section("\r\n", 0, 0),
              "The results log file is either missing");
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
