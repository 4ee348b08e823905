#include <functional>

#include "FakeDesktop.h"
#include "LogTestSupport.h"
#include "WorkFolder.h"
#include "app/DeliveryLines.h"
#include "app/HistoryLine.h"
#include "app/Program.h"
#include "app/ResultsReport.h"
#include "platform/ProgramEnded.h"

namespace tw {
namespace {

// A failure at each step of composing the logs ends in the fatal dump with that
// step's number; a failure while reading the delivery log is only a warning.
TEST(LogSteps, FailureNamesTheOperationAndItsStep) {
    const struct {
        int step;
        std::function<void(Program&)> compose;
        QString message;
    } rows[] = {
        {211, BuildHistoryLine, "Error Number 211\r\nA Fatal Generate History Log Error"},
        {212, BuildHistoryLine, "Error Number 212\r\nA Fatal Generate History Log Error"},
        {213, BuildHistoryLine, "Error Number 213\r\nA Fatal Generate History Log Error"},
        {241, [](Program& p) { BuildReport(p); }, "Error Number 241\r\nA Fatal Generate Log 1"},
        {242, [](Program& p) { BuildReport(p); }, "Error Number 242\r\nA Fatal Generate Log 1"},
        {252, BuildDeliveryLines, "Error Number 252\r\nA Fatal Generate Delivery Log Error"},
        {253, BuildDeliveryLines, "Error Number 253\r\nA Fatal Generate Delivery Log Error"},
        {251, BuildDeliveryLines, "Unable to read from the log file Tankwise_D.log.\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.step);
        FakeDesktop desktop;
        WorkFolder folder;
        Program p{desktop, folder.files()};
        p.start("-InhibitUpdate");
        p.main.setText(Ctl::Date2, "15/02/2013");
        desktop.messages.clear();
        p.failAtStep(row.step);
        bool ended = false;
        try {
            row.compose(p);
        } catch (const ProgramEnded&) {
            ended = true;
        }
        EXPECT_EQ(ended, row.step != 251);
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_TRUE(desktop.messages.front().text.startsWith(row.message))
            << desktop.messages.front().text.toStdString();
    }
}

}  // namespace
}  // namespace tw
