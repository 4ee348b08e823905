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

// The oil tax goes into the first rate column, the delivery tax into the second.
TEST_F(DeliveryLog, FirstSaveWithTwoDeliveriesComposesHeaderAndBothLines) {
    delivery1("01/02/2013");
    delivery2("10/02/2013");
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.SaveError, "");
    EXPECT_EQ(p.st.DeliveryLine1, header() + "\r\n" + line1);
    EXPECT_EQ(p.st.DeliveryLine2, line2);
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

const char* const kLaterThan1 = "Delivery 1 date must be later than last delivery date saved\n";

struct DeliveryDateRow {
    const char* name;
    const char* date3;
    const char* date4;
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
        DeliveryDateRow{"afterBoth", "26/01/2013", "", ""},
        DeliveryDateRow{"equalToThePrevious", "25/01/2013", "", kLaterThan1},
        DeliveryDateRow{"betweenTheTwo", "22/01/2013", "", kLaterThan1},
        DeliveryDateRow{"olderLinesAreNotCompared", "27/01/2013", "", ""},
        DeliveryDateRow{"secondDeliveryRefused", "26/01/2013", "24/01/2013",
                        "Delivery 2 date must be later than last delivery date saved\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Deliveries brought back by Get Last are never written again and must not change,
// unless nothing is saved to the history and delivery logs at all.
struct RestoredRow {
    const char* name;
    Ctl changed;
    const char* text;
    bool noHistory;
    const char* error;
};
void PrintTo(const RestoredRow& row, std::ostream* os) { *os << row.name; }

class RestoredDeliveries : public DeliveryLog, public testing::WithParamInterface<RestoredRow> {};

TEST_P(RestoredDeliveries, MustNotChange) {
    saved({"01/02/2013", "10/02/2013"});
    delivery1("01/02/2013");
    delivery2("10/02/2013");
    p.st.RetrievedDelivery1 = "01/02/201310000.450025.00";
    p.st.RetrievedDelivery2 = "10/02/20135000.5000";
    type(GetParam().changed, GetParam().text);
    tick(Ctl::NoHistory, GetParam().noHistory);
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.SaveError, GetParam().error);
    EXPECT_EQ(p.st.DeliveryLine1, "");
    EXPECT_EQ(p.st.DeliveryLine2, "");
}

INSTANTIATE_TEST_SUITE_P(
    Signatures, RestoredDeliveries,
    testing::Values(RestoredRow{"chargeRemoved", Ctl::DCharge1, "", false,
                                "You must not change retrieved delivery 1 data\n"},
                    RestoredRow{"secondPriceChanged", Ctl::OCost2, "£0.5100", false,
                                "You must not change retrieved delivery 2 data\n"},
                    RestoredRow{"noHistorySkipsTheCheck", Ctl::DCharge1, "", true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct FortiethRow {
    const char* name;
    int savedLines;
    bool header;
};
void PrintTo(const FortiethRow& row, std::ostream* os) { *os << row.name; }

class DeliveryHeaderRule : public DeliveryLog, public testing::WithParamInterface<FortiethRow> {};

TEST_P(DeliveryHeaderRule, NewHeaderBeforeEveryFortiethDelivery) {
    saved(QStringList(GetParam().savedLines, "01/01/2012"));
    delivery1("01/02/2013");
    BuildDeliveryLines(p);
    EXPECT_EQ(p.st.DeliveryLine1.startsWith(header()), GetParam().header);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, DeliveryHeaderRule,
    testing::Values(FortiethRow{"line39", 39, false}, FortiethRow{"line40", 40, true},
                    FortiethRow{"line41", 41, false}, FortiethRow{"line80", 80, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeliveryLog, FailureAfterReadingEndsInTheFatalDump) {
    p.failAtStep(253);
    EXPECT_THROW(BuildDeliveryLines(p), ProgramEnded);
    EXPECT_TRUE(desktop.messages.back().text.contains("A Fatal Generate Delivery Log Error"));
    EXPECT_TRUE(desktop.messages.back().text.startsWith("Error Number 253"));
}

}  // namespace
}  // namespace tw
