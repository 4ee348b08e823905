#include <gtest/gtest.h>

#include "ScenarioScript.h"

namespace tw {
namespace {

ScenarioStep Only(const QString& source) {
    const ScenarioScript script = ParseScenario(source);
    EXPECT_EQ(script.steps.size(), 1);
    return script.steps.value(0);
}

TEST(ScenarioParser, TextAtTheEndIsKeptExactlyWithItsBlanks) {
    const ScenarioStep step = Only("type Notes  two blanks before, two after  \n");
    EXPECT_EQ(step.command, "type");
    EXPECT_EQ(step.args, QStringList{"Notes"});
    EXPECT_EQ(step.text, " two blanks before, two after  ");
}

TEST(ScenarioParser, MissingTextIsEmpty) {
    EXPECT_EQ(Only("start").text, "");
    EXPECT_EQ(Only("start ").text, "");
    EXPECT_EQ(Only("start -InhibitUpdate now").text, "-InhibitUpdate now");
}

TEST(ScenarioParser, TwoWordCommandsTakeTheirArguments) {
    const ScenarioStep step = Only("expect checked AutoSave 1");
    EXPECT_EQ(step.command, "expect checked");
    EXPECT_EQ(step.args, (QStringList{"AutoSave", "1"}));
    EXPECT_EQ(Only("expect message Tankwise Data Error").text, "Tankwise Data Error");
    EXPECT_EQ(Only("server error 404").args, QStringList{"404"});
    EXPECT_EQ(Only("clock 2010-03-05 23:59:01").args, (QStringList{"2010-03-05", "23:59:01"}));
}

TEST(ScenarioParser, BlockLinesBelongToTheCommandAboveThem) {
    const ScenarioScript script = ParseScenario(
        "# a comment\n"
        "write Log/Tankwise.log\n"
        "| first  \n"
        "|\n"
        "\n"
        "   # an indented comment between block lines\n"
        "| | a bar\n"
        "start\n");
    ASSERT_EQ(script.steps.size(), 2);
    const ScenarioStep& write = script.steps.at(0);
    EXPECT_EQ(write.line, 2);
    EXPECT_TRUE(write.hasBlock);
    EXPECT_EQ(write.block, (QStringList{"first  ", "", "| a bar"}));
    EXPECT_EQ(script.steps.at(1).line, 8);
    EXPECT_FALSE(script.steps.at(1).hasBlock);
    EXPECT_EQ(script.lastLine, 8);
}

TEST(ScenarioParser, FileSavedWithCrLfReadsTheSame) {
    const ScenarioScript script = ParseScenario("expect file Data/x.ini\r\n| a \r\n|\r\n");
    ASSERT_EQ(script.steps.size(), 1);
    EXPECT_EQ(script.steps.at(0).block, (QStringList{"a ", ""}));
}

TEST(ScenarioParser, TailTakesItsCountAndThatManyLines) {
    const ScenarioStep step = Only("expect file Log/Tankwise.log tail 2\n| a\n| b\n");
    EXPECT_EQ(step.args, (QStringList{"Log/Tankwise.log", "tail", "2"}));
    EXPECT_EQ(step.block.size(), 2);
}

TEST(ScenarioParser, ExpectTextTakesTextOrBlock) {
    const ScenarioStep multi = Only("expect text Notes\n| one\n| two\n");
    EXPECT_TRUE(multi.hasBlock);
    EXPECT_EQ(multi.text, "");
    const ScenarioStep empty = Only("expect text TankBCap");
    EXPECT_FALSE(empty.hasBlock);
    EXPECT_EQ(empty.text, "");
}

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

INSTANTIATE_TEST_SUITE_P(
    Lines, ScenarioParserRefuses,
    testing::Values(
        BadScript{"UnknownCommand", "start\npress Calc\n", 2, "unknown command \"press\""},
        BadScript{"UnknownExpectation", "expect colour Calc red\n", 1, "unknown command \"expect colour\""},
        BadScript{"BlockBeforeAnyCommand", "| stray\n", 1, "without a command"},
        BadScript{"BlockUnderCommandWithoutOne", "click Calc\n| x\n", 2, "click takes no block"},
        BadScript{"BarWithoutBlank", "write Log/a.log\n|x\n", 2, "\"| \""},
        BadScript{"IndentedCommand", " click Calc\n", 1, "starts with its command word"},
        BadScript{"MissingName", "click\n", 1, "missing NAME"},
        BadScript{"ExtraArgument", "click Calc twice\n", 1, "unexpected \"twice\""},
        BadScript{"DoubleBlank", "select  TankAS 1\n", 1, "NAME is empty"},
        BadScript{"UnknownWindow", "close Settings\n", 1, "WINDOW must be"},
        BadScript{"StateNotZeroOrOne", "expect enabled Save yes\n", 1, "expected 0 or 1"},
        BadScript{"IndexNotNumber", "select TankAS first\n", 1, "INDEX"},
        BadScript{"NegativeWait", "wait -5\n", 1, "MS must be"},
        BadScript{"UnknownButton", "answer Maybe\n", 1, "BUTTON must be"},
        BadScript{"StatusOutOfRange", "server error 99\n", 1, "CODE"},
        BadScript{"ImpossibleDate", "clock 2020-02-30 12:00:00\n", 1, "DATE"},
        BadScript{"UnknownService", "desktop-fails printer\n", 1, "open or viewer"},
        BadScript{"PathLeavingTheFolder", "remove ../elsewhere\n", 1, "relative"},
        BadScript{"AbsolutePath", "expect exists /etc/passwd\n", 1, "relative"},
        BadScript{"BackslashPath", "expect missing Log\\Tankwise.log\n", 1, "relative"},
        BadScript{"TailWithoutCount", "expect file Log/a.log tail\n", 1, "missing N"},
        BadScript{"NotTail", "expect file Log/a.log last 2\n", 1, "tail N"},
        BadScript{"TailCountDiffersFromBlock", "expect file Log/a.log tail 2\n| a\n", 1, "exactly that many"},
        BadScript{"TextAndBlock", "expect text Notes a\n| b\n", 1, "either TEXT or block"},
        BadScript{"MessageWithoutTitle", "expect message\n| text\n", 1, "needs its text"}),
    [](const testing::TestParamInfo<BadScript>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw
