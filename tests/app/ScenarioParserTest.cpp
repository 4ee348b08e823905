#include <gtest/gtest.h>

#include "ScenarioScript.h"

namespace tw {
namespace {

// A parser that drops or bends a line would let a scenario pass without checking
// what it says; these pin how lines are read and which lines are refused.
struct StepRow {
    const char* name;
    const char* source;
    const char* command;
    QStringList args;
    const char* text;
    QStringList block;
};

class ScenarioParserReads : public testing::TestWithParam<StepRow> {};

TEST_P(ScenarioParserReads, OneStep) {
    const StepRow& row = GetParam();
    const ScenarioScript script = ParseScenario(QString::fromUtf8(row.source));
    ASSERT_EQ(script.steps.size(), 1);
    const ScenarioStep& step = script.steps.at(0);
    EXPECT_EQ(step.command, row.command);
    EXPECT_EQ(step.args, row.args);
    EXPECT_EQ(step.text, QString::fromUtf8(row.text));
    EXPECT_EQ(step.block, row.block);
    EXPECT_EQ(step.hasBlock, !row.block.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScenarioParserReads,
    testing::Values(
        StepRow{"textKeepsItsBlanks", "type Notes  two blanks before, two after  \n", "type",
                {"Notes"}, " two blanks before, two after  ", {}},
        StepRow{"fileSavedWithCrLf", "expect file Data/x.ini\r\n| a \r\n|\r\n", "expect file",
                {"Data/x.ini"}, "", {"a ", ""}},
        StepRow{"emptyText", "expect text TankBCap", "expect text", {"TankBCap"}, "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadScript {
    const char* name;
    const char* source;
    int line;
    const char* says;  // a part of the message
};

class ScenarioParserRefuses : public testing::TestWithParam<BadScript> {};

TEST_P(ScenarioParserRefuses, TheLineWithAMessage) {
    const BadScript& bad = GetParam();
    try {
        ParseScenario(QString::fromUtf8(bad.source));
        FAIL() << "accepted " << bad.source;
    } catch (const ScenarioSyntaxError& error) {
        EXPECT_EQ(error.line, bad.line);
        EXPECT_TRUE(error.message.contains(QString::fromUtf8(bad.says)))
            << error.message.toStdString();
    }
}

// Each of these, if accepted, would be read as something else or not at all.
INSTANTIATE_TEST_SUITE_P(
    Lines, ScenarioParserRefuses,
    testing::Values(
        BadScript{"UnknownCommand", "start\npress Calc\n", 2, "unknown command \"press\""},
        BadScript{"UnknownExpectation", "expect colour Calc red\n", 1, "unknown command \"expect colour\""},
        BadScript{"BlockUnderCommandWithoutOne", "click Calc\n| x\n", 2, "click takes no block"},
        BadScript{"BarWithoutBlank", "write Log/a.log\n|x\n", 2, "\"| \""},
        BadScript{"ExtraArgument", "click Calc twice\n", 1, "unexpected \"twice\""},
        BadScript{"StateNotZeroOrOne", "expect enabled Save yes\n", 1, "expected 0 or 1"},
        BadScript{"PathLeavingTheFolder", "remove ../elsewhere\n", 1, "relative"},
        BadScript{"AbsolutePath", "expect exists /etc/passwd\n", 1, "relative"},
        BadScript{"TailCountDiffersFromBlock", "expect file Log/a.log tail 2\n| a\n", 1, "exactly that many"},
        BadScript{"TextAndBlock", "expect text Notes a\n| b\n", 1, "either TEXT or block"}),
    [](const testing::TestParamInfo<BadScript>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw
