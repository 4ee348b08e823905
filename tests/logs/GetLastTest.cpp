#include "app/GetLast.h"

#include "LogTestSupport.h"
#include "logs/LogColumns.h"

namespace tw {
namespace {

const QString kHistory = "Log/Tankwise_H.log";
const QString kDeliveries = "Log/Tankwise_D.log";

class GetLast : public StartedLogs {
protected:
    void history(const HistoryRow& row) {
        folder.append(kHistory, {"", "", "Tank A: ...", "Tank B: Not Set", ""});
        folder.append(kHistory, HistoryColumnLines("VAT"));
        folder.append(kHistory, {FirstReadingLine({"01/12/2012", "900", "0", "80.0", "", "", false, false}),
                                 HistoryDataLine(row)});
    }
    void deliveries(const QList<DeliveryRow>& rows) {
        folder.append(kDeliveries, QStringList{"", ""} + DeliveryColumnLines("VAT"));
        for (const DeliveryRow& row : rows) folder.append(kDeliveries, {DeliveryLineText(row)});
    }
    QString text(Ctl c) const { return p.main.text(c); }

    const HistoryRow saved{"15/01/2013", "785", "0", "80.5", "", "£123.45", true, false};
};

TEST_F(GetLast, FreshLogsHoldNothingToRestore) {
    type(Ctl::Date1, "typed");
    p.main.setEnabled(Ctl::Save, true);
    GetLastClick(p);
    EXPECT_EQ(text(Ctl::Date1), "");
    EXPECT_EQ(text(Ctl::Status), "No Previous Readings Or Deliveries To Restore");
    EXPECT_TRUE(p.main.hasFocus(Ctl::Date1));
    EXPECT_FALSE(p.main.enabled(Ctl::Save));
    EXPECT_TRUE(p.st.ReadingRestored);
    EXPECT_TRUE(p.timer1.enabled);
    EXPECT_TRUE(desktop.messages.empty());
}

// The heating of the saved reading 2 describes both readings of the next period.
TEST_F(GetLast, LastHistoryLineBecomesTheFirstReading) {
    history(saved);
    GetLastClick(p);
    EXPECT_EQ(text(Ctl::Date1), "15/01/2013");
    EXPECT_EQ(text(Ctl::TARead1), "80.5");  // depth readings: the depth column
    EXPECT_EQ(text(Ctl::TBRead1), "");
    EXPECT_EQ(p.st.OilValue, "123");
    EXPECT_TRUE(p.main.checked(Ctl::CHeat1));
    EXPECT_TRUE(p.main.checked(Ctl::CHeat2));
    EXPECT_FALSE(p.main.checked(Ctl::WHeat1));
    EXPECT_FALSE(p.main.checked(Ctl::WHeat2));
    EXPECT_EQ(text(Ctl::TARead2), "");
}

TEST_F(GetLast, DepthModeAfterVolumeReadingsRestoresTheBlankDepth) {
    history({"15/01/2013", "785", "0", "", "", "", false, false});
    GetLastClick(p);
    EXPECT_EQ(text(Ctl::Date1), "15/01/2013");
    EXPECT_EQ(text(Ctl::TARead1), "");
}

struct OilValueRow {
    const char* name;
    const char* piece;
    const char* oilValue;
};
void PrintTo(const OilValueRow& row, std::ostream* os) { *os << row.name; }

class RestoredOilValue : public GetLast, public testing::WithParamInterface<OilValueRow> {};

TEST_P(RestoredOilValue, IsRoundedToAWholeNumber) {
    HistoryRow row = saved;
    row.oilValue = GetParam().piece;
    history(row);
    GetLastClick(p);
    EXPECT_EQ(p.st.OilValue, GetParam().oilValue);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, RestoredOilValue,
    testing::Values(OilValueRow{"pence", "£123.45", "123"}, OilValueRow{"underOneHalf", "£0.49", ""}, OilValueRow{"oneHalf", "£0.50", "1"},
                    OilValueRow{"blank", "", ""},
                    OilValueRow{"thousands", "£1,234.56", "1235"},
                    OilValueRow{"negative", "-£12.60", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Both deliveries come back marked as saved (their signatures are what the next
// save checks); the heating flags of the last delivery line win.
TEST_F(GetLast, DeliveriesAfterTheFirstReadingComeBackMarkedAsSaved) {
    history(saved);
    deliveries({{"20/01/2013", "1000", "£0.4500", "£100.00", "5%", "£577.50", "", false, true},
                {"25/01/2013", "500", "£0.5000", "", "5%", "£262.50", "", true, true}});
    GetLastClick(p);
    EXPECT_EQ(p.st.RetrievedDelivery1, "20/01/201310000.4500100.00");
    EXPECT_EQ(text(Ctl::Date4), "25/01/2013");
    EXPECT_EQ(text(Ctl::LAdd2), "500");
    EXPECT_EQ(text(Ctl::OCost2), "£0.5000");
    EXPECT_EQ(text(Ctl::DCharge2), "");
    EXPECT_EQ(p.st.RetrievedDelivery2, "25/01/20135000.5000");
    EXPECT_TRUE(p.main.checked(Ctl::CHeat1));
    EXPECT_TRUE(p.main.checked(Ctl::WHeat2));
}

TEST_F(GetLast, DeliveriesOnOrBeforeTheFirstReadingStayInThePast) {
    history(saved);
    deliveries({{"15/01/2013", "1000", "£0.4500", "", "", "£450.00", "", true, true},
                {"16/01/2013", "500", "£0.5000", "", "", "£250.00", "", false, false}});
    GetLastClick(p);
    // The saved reading's own day is not restored; the next day goes into delivery 1.
    EXPECT_EQ(text(Ctl::Date3), "16/01/2013");
    EXPECT_EQ(text(Ctl::LAdd1), "500");
    EXPECT_EQ(text(Ctl::Date4), "");
    EXPECT_EQ(p.st.RetrievedDelivery2, "");
    EXPECT_FALSE(p.main.checked(Ctl::CHeat2));
}

TEST_F(GetLast, FailureWhileRestoringEndsInTheFatalDump) {
    history(saved);
    p.failAtStep(144);
    EXPECT_THROW(GetLastClick(p), ProgramEnded);
    EXPECT_TRUE(desktop.messages.back().text.startsWith(
        "Error Number 144\r\nA Fatal History Log File Read Error Has Occurred"));
}

}  // namespace
}  // namespace tw
