// The small parts of the view: captions without access-key marks, model timers and
// the mark of a running copy.
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/InstanceMark.h"
#include "ui/FormBinder.h"
#include "ui/ModelTimer.h"

namespace tw {
namespace {

struct CaptionCase {
    const char* name;
    const char* caption;
    const char* shown;
};

// Rows are named in test output by their name only.
void PrintTo(const CaptionCase& row, std::ostream* out) { *out << row.name; }

class Captions : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(Captions, ShowOneAmpersandForTwoAndNoneForAnAccessKey) {
    EXPECT_EQ(PlainCaption(QString::fromUtf8(GetParam().caption)),
              QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    View, Captions,
    ::testing::Values(CaptionCase{"DoubledAmpersand", "Tank && Oil Data", "Tank & Oil Data"},
                      CaptionCase{"AccessKey", "Sa&ve Data", "Save Data"},
                      CaptionCase{"TrailingAmpersand", "Fish &", "Fish "},
                      CaptionCase{"FourAmpersands", "a&&&&b", "a&&b"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ModelTimers, OnlyARestartBeginsAFullIntervalAgain) {
    Timer model;
    model.interval = 1000;
    ModelTimer timer(model, [] {});
    model.start(0);
    timer.follow();
    QThread::msleep(300);
    // Enabling a running timer changes nothing: the interval keeps counting.
    model.start(0);
    timer.follow();
    EXPECT_LE(timer.remaining(), 750);
    // Stopped and started again: a new interval counts from now.
    model.stop();
    model.start(0);
    timer.follow();
    EXPECT_GT(timer.remaining(), 900);
}

TEST(InstanceMarks, AStaleMarkIsTakenOverAndALiveOneIsSeen) {
    QTemporaryDir folder;
    QFile stale(folder.path() + "/Tankwise.lock");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    // The lock of a process that no longer runs.
    stale.write("2147480000\ntankwise\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    const InstanceMark first("Tankwise", folder.path());
    EXPECT_TRUE(first.firstCopy());
    const InstanceMark second("Tankwise", folder.path());
    EXPECT_TRUE(second.anotherCopyRunning());
    EXPECT_TRUE(QFile::exists(first.path()));
}

}  // namespace
}  // namespace tw
