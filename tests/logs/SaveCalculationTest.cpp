#include "app/SaveCalculation.h"

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

// Once saved, the value restored by Get Last and the restored deliveries belong to
// the saved calculation and are forgotten.
TEST_F(SaveCalculationTest, SavesTheThreeRecordsAndForgetsWhatWasRestored) {
    SaveClick(p);
    EXPECT_EQ(folder.bytes(kResults), results + "report line\r\n\r\n");
    EXPECT_EQ(folder.bytes(kHistory), history + "history line\r\n");
    EXPECT_EQ(folder.bytes(kDeliveries), deliveries + "delivery 1\r\ndelivery 2\r\n");
    EXPECT_EQ(p.st.OilValue, "");
    EXPECT_EQ(p.st.RetrievedDelivery1, "");
    EXPECT_EQ(p.st.RetrievedDelivery2, "");
}

// Cancel keeps the result unsaved, so it can still be saved in full later.
TEST_F(SaveCalculationTest, NoHistoryCancelKeepsTheRestoredValue) {
    tick(Ctl::NoHistory, true);
    desktop.answers.push_back(Answer::Cancel);
    SaveClick(p);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].icon, Icon::Warning);
    EXPECT_EQ(desktop.messages[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(p.st.OilValue, "123");
    EXPECT_TRUE(p.main.enabled(Ctl::Save));
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

}  // namespace
}  // namespace tw
