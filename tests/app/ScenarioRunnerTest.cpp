// The scenario runner must fail a scenario whenever what the program did differs
// from what the file expects; a runner that passes too much hides every fault.
// These tests run the built tankwise-scenario beside this test program.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>

namespace {

struct RunResult {
    int exitCode = -1;
    QStringList lines;
};

QString RunnerPath() {
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    return QString::fromStdString((self.parent_path() / "tankwise-scenario").string());
}

RunResult RunFiles(const QList<QPair<QString, QString>>& files) {
    QTemporaryDir dir;
    QStringList paths;
    for (const auto& [name, source] : files) {
        QFile file(dir.path() + "/" + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(source.toUtf8());
        paths << file.fileName();
    }
    QProcess runner;
    runner.start(RunnerPath(), paths);
    EXPECT_TRUE(runner.waitForFinished(60000)) << RunnerPath().toStdString();
    RunResult result;
    result.exitCode = runner.exitCode();
    result.lines = QString::fromUtf8(runner.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    return result;
}

RunResult RunOne(const QString& source) { return RunFiles({{"s.scn", source}}); }

TEST(ScenarioRunner, ReportsEachFileAndExitsZeroOnlyWhenAllPass) {
    const RunResult all = RunFiles({{"a.scn", "start\nexpect text TankACap 1200\n"},
                               {"b.scn", "start\nexpect caption Main Tankwise\n"}});
    EXPECT_EQ(all.lines, (QStringList{"PASS a.scn", "PASS b.scn", "2 passed, 0 failed"}));
    EXPECT_EQ(all.exitCode, 0);

    const RunResult some = RunFiles({{"a.scn", "start\nexpect text TankACap 1200\n"},
                                {"b.scn", "start\nexpect text TankACap 1201\n"}});
    EXPECT_EQ(some.lines, (QStringList{"PASS a.scn",
                                       "FAIL b.scn:2: expected TankACap \"1201\", found \"1200\"",
                                       "1 passed, 1 failed"}));
    EXPECT_EQ(some.exitCode, 1);
}

struct Case {
    const char* name;
    const char* source;
    const char* outcome;  // the first line of the report, or its beginning
};

class ScenarioRunnerOutcome : public testing::TestWithParam<Case> {};

TEST_P(ScenarioRunnerOutcome, FirstLine) {
    const RunResult result = RunOne(QString::fromUtf8(GetParam().source));
    ASSERT_FALSE(result.lines.isEmpty());
    EXPECT_TRUE(result.lines.first().startsWith(QString::fromUtf8(GetParam().outcome)))
        << result.lines.first().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScenarioRunnerOutcome,
    testing::Values(
        Case{"UnmatchedMessageFailsAtTheEnd", "remove Data\nstart\n\n# end\n",
             "FAIL s.scn:4: expected every message box matched, found \"Tankwise Data Directory Error\""},
        Case{"MessageLineDiffers",
             "remove Data\nstart\nexpect message Tankwise Data Directory Error\n"
             "| The Data directory does not exist.\n| To restore the Data folder\n",
             "FAIL s.scn:3: expected line 2 of the message \"Tankwise Data Directory Error\" to be "
             "\"To restore the Data folder\", found \"To restore the Data directory\""},
        Case{"MessageTitleDiffers", "remove Help\nstart\nexpect message Tankwise Data Directory Error\n",
             "FAIL s.scn:3: expected the message box \"Tankwise Data Directory Error\", found "
             "\"Tankwise Help Directory Error\""},
        Case{"NoMessageWhenOneWasShown", "remove Help\nstart\nexpect no-message\n",
             "FAIL s.scn:3: expected no further message box"},
        Case{"ActingAfterTheEndFails", "remove Data\nstart\nclick Calc\n",
             "FAIL s.scn:3: expected the program running for click, found it ended"},
        Case{"EndedExpectationHolds", "start\nexpect ended 1\n",
             "FAIL s.scn:2: expected the program ended, found it running"},
        Case{"ClickOnDisabledControlFails", "start\nclick Save\n",
             "FAIL s.scn:2: expected Save enabled to click it, found it disabled"},
        Case{"QuestionWithoutAnswerFails", "start\nclick Archive\n",
             "FAIL s.scn:2: expected an answer queued for the message box \"Archive Tankwise Results Log File\""},
        Case{"UnusedAnswerFails", "answer No\nstart\n",
             "FAIL s.scn:2: expected every queued answer used, found No unused"},
        Case{"StatusLineStaysUntilItsTimerFallsDue",
             "start\nwait 2000\nexpect text Status\nclick Clear\nwait 1999\nexpect text Status\n",
             "FAIL s.scn:6: expected Status \"\", found \"Data Cleared\""},
        Case{"RunningTimerIsNotRestartedByANewStatus",
             "start\nwait 1000\nclick Clear\nwait 1000\nexpect text Status\n", "PASS s.scn"},
        // The status timer and the update window's timer both fall due at 2000 ms; a
        // skipped tick would move the window's close at its 1201st tick later.
        Case{"TimersDueTogetherBothFire",
             "start -InhibitUpdate\nclick Update\nwait 2000\nexpect text Status\nwait 118099\n"
             "expect open Update 1\nwait 1\nexpect open Update 0\n",
             "PASS s.scn"},
        Case{"FileLineDiffers", "start\nexpect file Log/Tankwise_H.log\n| Tankwise History Log\n| Version 3.1\n",
             "FAIL s.scn:2: expected line 2 of Log/Tankwise_H.log to be \"Version 3.1\", found \"Version 3.0\""},
        Case{"FileLongerThanExpected", "start\nexpect file Log/Tankwise_H.log\n| Tankwise History Log\n",
             "FAIL s.scn:2: expected 1 line(s) in Log/Tankwise_H.log, found line 2 \"Version 3.0\""},
        Case{"FileTailDiffers", "start\nexpect file Log/Tankwise_H.log tail 1\n| x\n",
             "FAIL s.scn:2: expected line 1 of the last 1 line(s) of Log/Tankwise_H.log to be \"x\", found \"\""},
        Case{"LineCountDiffers", "start\nexpect lines Log/Tankwise.log 11\n",
             "FAIL s.scn:2: expected 11 line(s) in Log/Tankwise.log, found 12"},
        Case{"MultiLineTextSplitsAtLineEnds", "start\nexpect text TankACap\n| 1200\n| \n",
             "FAIL s.scn:2: expected line 2 of TankACap to be \"\", found only 1 line(s)"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
