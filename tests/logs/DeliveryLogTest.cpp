#include "logs/DeliveryLog.h"

#include "LogTestSupport.h"
#include "logs/LogColumns.h"
#include "logs/LogFiles.h"

namespace tw {
namespace {

const QString kDeliveries = "Log/Tankwise_D.log";

// Fields as a calculation leaves them: normalised amounts and prices, the
// currency symbol back in front of the costs, the delivery totals worked out.
class DeliveryLog : public StartedLogs {
protected:
    void SetUp() override {
        StartedLogs::SetUp();
        p.st.TaxWord = "VAT";
        type(Ctl::VRate, "5");
        type(Ctl::DVRate, "17.5");
        type(Ctl::Date2, "15/02/2013");
        tick(Ctl::CHeat2, true);
        tick(Ctl::WHeat2, false);
        tick(Ctl::NoHistory, false);
        p.st.SaveError.clear();
    }

    void delivery1(const QString& date) {
        type(Ctl::Date3, date);
        type(Ctl::LAdd1, "1000");
        type(Ctl::OCost1, "£0.4500");
        type(Ctl::DCharge1, "£25.00");
        p.st.Delivery1Cost = "501.875";
    }
    void delivery2(const QString& date) {
        type(Ctl::Date4, date);
        type(Ctl::LAdd2, "500");
        type(Ctl::OCost2, "£0.5000");
        type(Ctl::DCharge2, "");
        p.st.Delivery2Cost = "262.5";
    }

    // A header block and saved delivery lines with the given dates.
    void saved(const QStringList& dates) {
        QStringList lines{"", ""};
        lines << DeliveryColumnLines("VAT");
        for (const QString& date : dates)
            lines << DeliveryLineText({date, "900", "£0.4000", "", "5%", "£378.00", "", true, true});
        folder.append(kDeliveries, lines);
    }

    const QString line1 =
        " 01/02/2013,      1000, £0.4500,    £25.00,    5%,  £501.88, 17.5%,  On, Off";
    const QString line2 =
        " 10/02/2013,       500, £0.5000,          ,    5%,  £262.50, 17.5%,  On, Off";
    QString header() const { return "\r\n\r\n" + DeliveryColumnLines("VAT").join("\r\n"); }
};

TEST_F(DeliveryLog, FirstSaveWithoutDeliveriesWritesTheHeaderAlone) {
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.DeliveryLine1, header());
    EXPECT_EQ(p.st.DeliveryLine2, "");
    AppendDeliveries(p);
    const QStringList file = folder.lines(kDeliveries);
    EXPECT_EQ(file.mid(5), QStringList({"", ""}) + DeliveryColumnLines("VAT"));

    // Later saves without deliveries add nothing.
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.DeliveryLine1, "");
    EXPECT_EQ(p.st.DeliveryLine2, "");
}

TEST_F(DeliveryLog, FirstSaveWithTwoDeliveriesWritesHeaderAndBothLines) {
    delivery1("01/02/2013");
    delivery2("10/02/2013");
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.SaveError, "");
    EXPECT_EQ(p.st.DeliveryLine1, header() + "\r\n" + line1);
    EXPECT_EQ(p.st.DeliveryLine2, line2);
    AppendDeliveries(p);
    const QStringList file = folder.lines(kDeliveries);
    const QStringList expected =
        QStringList({"", ""}) + DeliveryColumnLines("VAT") + QStringList{line1, line2};
    EXPECT_EQ(file.mid(5), expected);
}

TEST_F(DeliveryLog, LaterDeliveryLineHasNoHeader) {
    saved({"01/01/2013"});
    delivery1("01/02/2013");
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.DeliveryLine1, line1);
}

TEST_F(DeliveryLog, EmptyRatesGiveBlankColumns) {
    saved({"01/01/2013"});
    delivery1("01/02/2013");
    type(Ctl::VRate, "");
    type(Ctl::DVRate, "");
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.DeliveryLine1.mid(44, 5), "     ");
    EXPECT_EQ(p.st.DeliveryLine1.mid(61, 5), "     ");
}

struct DeliveryDateRow {
    const char* name;
    const char* date3;
    const char* date4;
    bool noHistory;
    const char* error;
};
void PrintTo(const DeliveryDateRow& row, std::ostream* os) { *os << row.name; }

class DeliveryDates : public DeliveryLog, public testing::WithParamInterface<DeliveryDateRow> {};

// The last two saved deliveries are dated 25 and 20 January 2013, after one of the 30th.
TEST_P(DeliveryDates, MustBeLaterThanBothOfTheLastTwoSavedDeliveries) {
    saved({"30/01/2013", "25/01/2013", "20/01/2013"});
    const DeliveryDateRow& row = GetParam();
    if (*row.date3) delivery1(row.date3);
    if (*row.date4) delivery2(row.date4);
    tick(Ctl::NoHistory, row.noHistory);
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.SaveError, row.error);
    if (*row.error) {
        EXPECT_EQ(p.st.DeliveryLine1, "");
        EXPECT_EQ(p.st.DeliveryLine2, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DeliveryDates,
    testing::Values(
        DeliveryDateRow{"afterBoth", "26/01/2013", "", false, ""},
        DeliveryDateRow{"equalToTheLast", "20/01/2013", "", false,
                        "Delivery 1 date must be later than last delivery date saved\n"},
        DeliveryDateRow{"equalToThePrevious", "25/01/2013", "", false,
                        "Delivery 1 date must be later than last delivery date saved\n"},
        DeliveryDateRow{"betweenTheTwo", "22/01/2013", "", false,
                        "Delivery 1 date must be later than last delivery date saved\n"},
        DeliveryDateRow{"olderLinesAreNotCompared", "27/01/2013", "", false, ""},
        DeliveryDateRow{"secondDeliveryAlone", "", "26/01/2013", false, ""},
        DeliveryDateRow{"secondDeliveryRefused", "26/01/2013", "24/01/2013", false,
                        "Delivery 2 date must be later than last delivery date saved\n"},
        DeliveryDateRow{"bothRefused", "01/01/2013", "02/01/2013", false,
                        "Delivery 1 date must be later than last delivery date saved\n"
                        "Delivery 2 date must be later than last delivery date saved\n"},
        DeliveryDateRow{"noHistorySkipsTheChecks", "01/01/2013", "02/01/2013", true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeliveryLog, CreationTimeStampIsNoSavedDelivery) {
    // The fresh log ends with its time stamp (01/06/2020) and an empty line.
    delivery1("01/02/2013");
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.SaveError, "");
    EXPECT_EQ(p.st.DeliveryLine1, header() + "\r\n" + line1);
}

TEST_F(DeliveryLog, HeaderAloneAtTheEndHoldsNoSavedDate) {
    saved({});
    delivery1("01/02/2013");
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.SaveError, "");
    EXPECT_EQ(p.st.DeliveryLine1, line1);
}

struct RestoredRow {
    const char* name;
    const char* amount;
    const char* charge;
    const char* error;
};
void PrintTo(const RestoredRow& row, std::ostream* os) { *os << row.name; }

class RestoredDelivery : public DeliveryLog, public testing::WithParamInterface<RestoredRow> {};

TEST_P(RestoredDelivery, IsNeverWrittenAgainAndMustNotChange) {
    saved({"01/02/2013"});
    // Get Last restored the saved delivery 1; a new delivery 2 follows it.
    delivery1("01/02/2013");
    p.st.RetrievedDelivery1 = "01/02/201310000.450025.00";
    type(Ctl::LAdd1, GetParam().amount);
    type(Ctl::DCharge1, GetParam().charge);
    delivery2("10/02/2013");
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.SaveError, GetParam().error);
    EXPECT_EQ(p.st.DeliveryLine1, "");
    EXPECT_EQ(p.st.DeliveryLine2, *GetParam().error ? "" : line2);
}

INSTANTIATE_TEST_SUITE_P(
    Signatures, RestoredDelivery,
    testing::Values(RestoredRow{"unchanged", "1000", "£25.00", ""},
                    RestoredRow{"amountChanged", "1001", "£25.00",
                                "You must not change retrieved delivery 1 data\n"},
                    RestoredRow{"chargeRemoved", "1000", "",
                                "You must not change retrieved delivery 1 data\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeliveryLog, RestoredSecondDeliveryIsCheckedByItsOwnNumber) {
    saved({"01/02/2013", "10/02/2013"});
    delivery1("01/02/2013");
    delivery2("10/02/2013");
    p.st.RetrievedDelivery1 = "01/02/201310000.450025.00";
    p.st.RetrievedDelivery2 = "10/02/20135000.5000";
    type(Ctl::OCost2, "£0.5100");
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.SaveError, "You must not change retrieved delivery 2 data\n");
}

TEST_F(DeliveryLog, NoHistorySkipsTheRestoredDeliveryCheck) {
    saved({"01/02/2013"});
    delivery1("01/02/2013");
    p.st.RetrievedDelivery1 = "something else";
    tick(Ctl::NoHistory, true);
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.SaveError, "");
}

struct FortiethRow {
    const char* name;
    int savedLines;
    bool withDelivery;
    bool header;
};
void PrintTo(const FortiethRow& row, std::ostream* os) { *os << row.name; }

class DeliveryHeaderRule : public DeliveryLog, public testing::WithParamInterface<FortiethRow> {};

TEST_P(DeliveryHeaderRule, NewHeaderBeforeEveryFortiethDelivery) {
    saved(QStringList(GetParam().savedLines, "01/01/2012"));
    if (GetParam().withDelivery) delivery1("01/02/2013");
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.DeliveryLine1.startsWith(header()), GetParam().header);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, DeliveryHeaderRule,
    testing::Values(FortiethRow{"line39", 39, true, false}, FortiethRow{"line40", 40, true, true},
                    FortiethRow{"line41", 41, true, false}, FortiethRow{"line80", 80, true, true},
                    // A header is not repeated by saves that add no delivery.
                    FortiethRow{"line40WithoutDelivery", 40, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeliveryLog, UnreadableLogIsReportedAndNoLineIsComposed) {
    p.st.DeliveryLine1 = "left over";
    delivery1("01/02/2013");
    folder.denyRead(kDeliveries);
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.DeliveryLine1, "");
    EXPECT_EQ(p.st.DeliveryLine2, "");
    EXPECT_EQ(shown(), QStringList{"Tankwise Delivery Log File Error|Unable to read from the log "
                                   "file Tankwise_D.log.\r\nThis may be a permissions problem."});
}

TEST_F(DeliveryLog, FailureAfterReadingEndsInTheFatalDump) {
    p.failAtStep(253);
    EXPECT_THROW(BuildDeliveryLines(p), ProgramEnded);
    EXPECT_TRUE(desktop.messages.back().text.contains("A Fatal Generate Delivery Log Error"));
    EXPECT_TRUE(desktop.messages.back().text.startsWith("Error Number 253"));
}

}  // namespace
}  // namespace tw
