#include "logs/DeliveryLog.h"

#include "LogTestSupport.h"

namespace tw {
namespace {

// Fields as a calculation leaves them: the currency symbol back in front of the
// costs, the delivery totals worked out.
DeliveryInput Deliveries(const QString& date1, const QString& date2) {
    return {{date1, "1000", "£0.4500", "£25.00", "501.875", "", 1},
            {date2, "500", "£0.5000", "", "262.5", "", 2}, "5", "17.5", true, false};
}

// Deliveries with the last two saved on 25 and 20 January.
TEST(DeliveryLog, LinesHeadersAndFaults) {
    const QString header = "\r\n\r\n" + DeliveryColumnLines("VAT").join("\r\n") + "\r\n";
    const QString line1 = " 01/02/2013,      1000, £0.4500,    £25.00,    5%,  £501.88, 17.5%,  On, Off";
    const QString line2 = " 10/02/2013,       500, £0.5000,          ,    5%,  £262.50, 17.5%,  On, Off";
    const QString late1 = "Delivery 1 date must be later than last delivery date saved\n";
    const QString late2 = "Delivery 2 date must be later than last delivery date saved\n";
    const QString changed = "You must not change retrieved delivery 1 data\n";
    const struct { int lines; bool headerSeen; QString date1, date2, retrieved1, faults, line1, line2; } rows[] = {
        {0, false, "01/02/2013", "10/02/2013", "", "", header + line1, line2},
        {0, true, "01/02/2013", "10/02/2013", "", "", line1, line2},
        {39, true, "01/02/2013", "", "", "", line1, ""},
        {40, true, "01/02/2013", "", "", "", header + line1, ""},
        {80, true, "", "10/02/2013", "", "", header.chopped(2), line2},
        {40, true, "01/02/2013", "", "01/02/201310000.450025.00", "", "", ""},
        {3, true, "01/02/2013", "", "01/02/201310000.450020.00", changed, "", ""},
        {3, true, "25/01/2013", "", "", late1, "", ""},
        {0, false, "26/01/2013", "20/01/2013", "", late2, header.chopped(2), ""},
        {3, true, "20/01/2013", "19/01/2013", "", late1 + late2, "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines);
        DeliveryInput in = Deliveries(row.date1, row.date2);
        in.first.retrieved = row.retrieved1;
        const DeliveryLogEnd end{row.lines, row.headerSeen, {QDate(2013, 1, 25), QDate(2013, 1, 20)}};
        const QString faults = DeliveryFaults(in, end, "£", kUk);
        EXPECT_EQ(faults, row.faults);
        const DeliveryLines out = ComposeDeliveryLines(in, end, "VAT", !faults.isEmpty(), kUk);
        EXPECT_EQ(out.line1, row.line1);
        EXPECT_EQ(out.line2, row.line2);
    }
}

}  // namespace
}  // namespace tw
