#include <gtest/gtest.h>

#include <QNetworkReply>

#include "LoopbackServer.h"
#include "update/UrlGet.h"

namespace tw {
namespace {

using namespace testing_loopback;

// Everything one download reported, in order.
struct Recorder {
    std::vector<int> progress;
    std::vector<int> complete;
    std::vector<std::pair<int, QString>> failed;
    bool busyAtEvent = true;

    explicit Recorder(UrlGet& get) {
        QObject::connect(&get, &UrlGet::DownloadProgress, [this](int n) { progress.push_back(n); });
        QObject::connect(&get, &UrlGet::DownloadComplete, [this, &get](int n) {
            busyAtEvent = get.Busy();
            complete.push_back(n);
        });
        QObject::connect(&get, &UrlGet::DownloadFailed, [this, &get](int n, const QString& d) {
            busyAtEvent = get.Busy();
            failed.emplace_back(n, d);
        });
    }
    bool finished() const { return !complete.empty() || !failed.empty(); }
};

class UrlGetTest : public ::testing::Test {
protected:
    LoopbackServer server;
    UrlGet get;
    Recorder events{get};
};

TEST_F(UrlGetTest, DeliversTheWholeBodyAndAsksForAFreshCopy) {
    server.body = "<Version1>3.1</Version1>";
    get.DownloadStart(server.baseUrl() + "software/misc/updatecheck.xml?PName=Tankwise&ampPVer=3.0.0.0",
                      UrlGet::kFreshCopy);
    EXPECT_TRUE(get.Busy());
    ASSERT_TRUE(RunUntil([&] { return events.finished(); }));
    ASSERT_EQ(events.complete, std::vector<int>{24});
    EXPECT_TRUE(events.failed.empty());
    EXPECT_FALSE(events.busyAtEvent);  // idle before the event is raised
    EXPECT_EQ(get.Bytes(), server.body);
    ASSERT_FALSE(events.progress.empty());
    EXPECT_EQ(events.progress.back(), 24);
    EXPECT_TRUE(server.lastRequest.startsWith(
        "GET /software/misc/updatecheck.xml?PName=Tankwise&ampPVer=3.0.0.0 HTTP/1.1"));
    EXPECT_TRUE(server.lastRequest.contains("Cache-Control: no-cache"));
}

struct FailureRow {
    const char* name;
    int status;  // 0: nothing listens at the address
    int error;   // the number the failure must carry; 0: any but 0
};

class DownloadFailure : public UrlGetTest, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(DownloadFailure, IsReportedOnceWithItsNumberAndLeavesItIdle) {
    server.status = GetParam().status;
    server.body = "error page";
    get.DownloadStart(GetParam().status ? server.baseUrl() : RefusingBaseUrl(), UrlGet::kFreshCopy);
    ASSERT_TRUE(RunUntil([&] { return events.finished(); }));
    EXPECT_TRUE(events.complete.empty());
    ASSERT_EQ(events.failed.size(), 1u);
    if (GetParam().error)
        EXPECT_EQ(events.failed[0].first, GetParam().error);
    else
        EXPECT_NE(events.failed[0].first, 0);
    EXPECT_FALSE(events.failed[0].second.isEmpty());
    EXPECT_FALSE(events.busyAtEvent);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, DownloadFailure,
    ::testing::Values(FailureRow{"notFound", 404, 0}, FailureRow{"serverError", 500, 0},
                      FailureRow{"notModified", 304, 0},
                      FailureRow{"refused", 0, int(QNetworkReply::ConnectionRefusedError)}),
    [](const auto& info) { return std::string(info.param.name); });

struct SizeRow {
    const char* name;
    qint64 size;
    bool announced;
    bool fits;
};

class ReplySize : public UrlGetTest, public ::testing::WithParamInterface<SizeRow> {};

TEST_P(ReplySize, CompletesUpToTheLimitAndFailsAboveIt) {
    server.body = QByteArray(GetParam().size, 'x');
    server.announceLength = GetParam().announced;
    get.DownloadStart(server.baseUrl(), UrlGet::kFreshCopy);
    ASSERT_TRUE(RunUntil([&] { return events.finished(); }));
    if (GetParam().fits) {
        EXPECT_EQ(events.complete, std::vector<int>{int(GetParam().size)});
        EXPECT_EQ(get.Bytes().size(), GetParam().size);
        EXPECT_TRUE(events.failed.empty());
    } else {
        EXPECT_TRUE(events.complete.empty());
        EXPECT_EQ(events.failed.size(), 1u);
        EXPECT_LE(get.Bytes().size(), UrlGet::kDefaultLimit);
    }
    EXPECT_FALSE(get.Busy());
}

INSTANTIATE_TEST_SUITE_P(
    Limit, ReplySize,
    ::testing::Values(SizeRow{"zeroBytes", 0, true, true},
                      SizeRow{"exactlyTheLimit", UrlGet::kDefaultLimit, true, true},
                      SizeRow{"oneByteOverAnnounced", UrlGet::kDefaultLimit + 1, true, false},
                      SizeRow{"oneByteOverUnannounced", UrlGet::kDefaultLimit + 1, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw
