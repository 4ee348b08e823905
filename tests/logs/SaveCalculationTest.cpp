#include "logs/SaveCalculation.h"

#include "LogTestSupport.h"

namespace tw {
namespace {

const QString kResults = "Log/Tankwise.log";
const QString kHistory = "Log/Tankwise_H.log";
const QString kDeliveries = "Log/Tankwise_D.log";

// A composed, unsaved calculation: the pending texts stand ready.
class SaveCalculationTest : public StartedLogs {
protected:
    void SetUp() override {
        StartedLogs::SetUp();
        type(Ctl::TDays, "45");
        p.st.ReportText = "report line\r\n";
        p.st.HistoryLine = "history line";
        p.st.DeliveryLine1 = "delivery 1";
        p.st.DeliveryLine2 = "delivery 2";
        p.st.SaveError.clear();
        p.st.OilValue = "123";
        p.st.RetrievedDelivery1 = "r1";
        p.st.RetrievedDelivery2 = "r2";
        tick(Ctl::NoHistory, false);
        p.main.setEnabled(Ctl::Save, true);
        results = folder.bytes(kResults);
        history = folder.bytes(kHistory);
        deliveries = folder.bytes(kDeliveries);
    }

    QByteArray results, history, deliveries;
};

TEST_F(SaveCalculationTest, SavesTheThreeRecordsOnce) {
    SaveClick(p);
    EXPECT_EQ(folder.bytes(kResults), results + "report line\r\n\r\n");
    EXPECT_EQ(folder.bytes(kHistory), history + "history line\r\n");
    EXPECT_EQ(folder.bytes(kDeliveries), deliveries + "delivery 1\r\ndelivery 2\r\n");
    EXPECT_FALSE(p.main.enabled(Ctl::Save));
    EXPECT_EQ(p.main.text(Ctl::Status), "Calculation Saved");
    EXPECT_TRUE(p.timer1.enabled);
    EXPECT_EQ(p.st.OilValue, "");
    EXPECT_EQ(p.st.RetrievedDelivery1, "");
    EXPECT_EQ(p.st.RetrievedDelivery2, "");
    EXPECT_TRUE(desktop.messages.empty());

    // The button is now disabled: a second click writes nothing.
    SaveClick(p);
    EXPECT_EQ(folder.bytes(kHistory), history + "history line\r\n");
}

TEST_F(SaveCalculationTest, NoResultDaysMeansNoReport) {
    type(Ctl::TDays, "");
    SaveCalculation(p);
    EXPECT_EQ(folder.bytes(kResults), results);
    EXPECT_EQ(folder.bytes(kHistory), history + "history line\r\n");
}

TEST_F(SaveCalculationTest, EmptyDeliveryLinesAreSkipped) {
    p.st.DeliveryLine1.clear();
    SaveCalculation(p);
    EXPECT_EQ(folder.bytes(kDeliveries), deliveries + "delivery 2\r\n");
}

struct NoHistoryRow {
    const char* name;
    Answer answer;
    bool reportSaved;
    const char* status;
};
void PrintTo(const NoHistoryRow& row, std::ostream* os) { *os << row.name; }

class NoHistory : public SaveCalculationTest, public testing::WithParamInterface<NoHistoryRow> {};

TEST_P(NoHistory, AsksFirstAndNeverTouchesHistoryOrDeliveries) {
    tick(Ctl::NoHistory, true);
    desktop.answers.push_back(GetParam().answer);
    SaveClick(p);
    ASSERT_EQ(desktop.messages.size(), 1u);
    const ShownMessage& asked = desktop.messages[0];
    EXPECT_EQ(asked.title, "Tankwise Save Data");
    EXPECT_EQ(asked.text,
              "No history data will be saved\r\nTo save history results click\r\n"
              "Cancel, reset the No History \r\ncheck box and click Save again");
    EXPECT_EQ(asked.icon, Icon::Warning);
    EXPECT_EQ(asked.buttons, Buttons::OkCancel);
    EXPECT_EQ(folder.bytes(kResults) != results, GetParam().reportSaved);
    EXPECT_EQ(folder.bytes(kHistory), history);
    EXPECT_EQ(folder.bytes(kDeliveries), deliveries);
    EXPECT_EQ(p.main.text(Ctl::Status), GetParam().status);
    // Cancel leaves the result unsaved so that it can be saved after all.
    EXPECT_EQ(p.main.enabled(Ctl::Save), !GetParam().reportSaved);
    EXPECT_EQ(p.st.OilValue, GetParam().reportSaved ? "" : "123");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, NoHistory,
    testing::Values(NoHistoryRow{"ok", Answer::Ok, true, "Calculation Saved"},
                    NoHistoryRow{"cancel", Answer::Cancel, false, "No Calculation Saved"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveCalculationTest, PendingErrorBlocksEverySaveAndGrowsEachTime) {
    p.st.SaveError =
        "Tank Reading Date 2 must be later than the last Tank Reading date saved\n";
    SaveClick(p);
    SaveClick(p);
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Save Data Error");
    EXPECT_EQ(desktop.messages[0].icon, Icon::Warning);
    EXPECT_EQ(desktop.messages[0].text,
              "Tank Reading Date 2 must be later than the last Tank Reading date saved\n"
              "No history or delivery data saved\n");
    EXPECT_TRUE(desktop.messages[1].text.endsWith(
        "No history or delivery data saved\nNo history or delivery data saved\n"));
    EXPECT_EQ(folder.bytes(kResults), results);
    EXPECT_EQ(folder.bytes(kHistory), history);
    EXPECT_EQ(folder.bytes(kDeliveries), deliveries);
    EXPECT_TRUE(p.main.enabled(Ctl::Save));
}

TEST_F(SaveCalculationTest, FailedWriteLeavesThatLogAsItWasAndTheRestGoesOn) {
    folder.deny(kHistory);
    SaveCalculation(p);
    EXPECT_EQ(shown(), QStringList{"Tankwise History Log File Error|Unable to write to the log "
                                   "file Tankwise_H.log.\r\nThis may be a permissions problem."});
    EXPECT_EQ(folder.bytes(kHistory), history);
    EXPECT_EQ(folder.bytes(kDeliveries), deliveries + "delivery 1\r\ndelivery 2\r\n");
    EXPECT_EQ(p.main.text(Ctl::Status), "Calculation Saved");
    // The pending texts stay as they were.
    EXPECT_EQ(p.st.HistoryLine, "history line");
}

TEST_F(SaveCalculationTest, MissingDeliveryLogIsReportedEvenWithoutDeliveries) {
    p.st.DeliveryLine1.clear();
    p.st.DeliveryLine2.clear();
    folder.remove(kDeliveries);
    SaveCalculation(p);
    EXPECT_EQ(shown(), QStringList{"Tankwise Delivery Log File Error|The delivery log file is "
                                   "either missing\r\nor corrupted. Delete the log file "
                                   "\r\nTankwise_D.log if it exists and restart\r\nthe program."});
    EXPECT_FALSE(folder.exists(kDeliveries));
}

TEST_F(SaveCalculationTest, MissingHistoryLogIsNotRecreated) {
    folder.remove(kHistory);
    SaveCalculation(p);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise History Log File Error");
    EXPECT_FALSE(folder.exists(kHistory));
    EXPECT_EQ(folder.bytes(kDeliveries), deliveries + "delivery 1\r\ndelivery 2\r\n");
}

}  // namespace
}  // namespace tw
