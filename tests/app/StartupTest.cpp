#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/FatalDump.h"
#include "app/Program.h"
#include "platform/ProgramEnded.h"
#include "app/Startup.h"

namespace tw {
namespace {

struct SwitchRow {
    const char* name;
    const char* arguments;
    int mode;
};

class Switches : public testing::TestWithParam<SwitchRow> {};

TEST_P(Switches, GiveTheirMode) {
    EXPECT_EQ(InhibitModeFor(QString::fromLatin1(GetParam().arguments)), GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Switches,
    testing::Values(SwitchRow{"none", "", 0}, SwitchRow{"errorCheck", "-InhibitErrorCheck", 1},
                    SwitchRow{"combCheck", "-InhibitCombCheck", 2},
                    SwitchRow{"shortUpdate", "-ShortUpdateTime", 5},
                    SwitchRow{"shortUpdateWithMore", "-ShortUpdateTime now", 5},
                    SwitchRow{"inhibitUpdate", "-InhibitUpdate", 6},
                    SwitchRow{"inhibitUpdateWithMore", "-InhibitUpdate x", 6},
                    SwitchRow{"errorCheckWithWord", "-InhibitErrorCheck x", 0},
                    SwitchRow{"lowerCase", "-inhibitupdate", 0},
                    SwitchRow{"leadingBlank", " -InhibitUpdate", 0}),
    [](const auto& info) { return std::string(info.param.name); });

class StartedProgram : public testing::Test {
protected:
    FakeDesktop desktop;
    WorkFolder folder;
    Program p{desktop, folder.files()};
};

TEST_F(StartedProgram, MissingHelpFolderEndsBeforeAnyFileIsTouched) {
    folder.remove("Help");
    EXPECT_THROW(p.start(""), ProgramEnded);
    EXPECT_TRUE(p.ended());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Help Directory Error");
    EXPECT_EQ(desktop.messages[0].icon, Icon::Stop);
    EXPECT_FALSE(folder.exists("Log/Tankwise.log"));
}

TEST_F(StartedProgram, FatalDumpNamesTheStepInTheLogAndTheMessage) {
    p.start("-InhibitUpdate");
    p.main.setText(Ctl::Notes, "a, b");
    EXPECT_THROW(DumpError(p, "Calculation Error", 104), ProgramEnded);
    const QStringList log = folder.lines("Log/Tankwise.log");
    const qsizetype at = log.indexOf("******** Calculation Error 104 ********");
    ASSERT_GE(at, 0);
    EXPECT_EQ(log.at(at + 2), "Dump of configuration file and available program data follows:");
    EXPECT_EQ(log.at(at + 5), "Tankwise Configuration");
    EXPECT_TRUE(log.contains("1200, Cylindrical (H), 120.0, 0"));
    EXPECT_TRUE(log.contains("a, b"));  // written as it is, not quoted
    EXPECT_EQ(log.last(), "");
    EXPECT_EQ(log.at(log.size() - 3), "******** End of Error Dump ********");
    ASSERT_FALSE(desktop.messages.empty());
    EXPECT_EQ(desktop.messages.back().title, "Tankwise Fatal Error");
    EXPECT_EQ(desktop.messages.back().text,
              "Error Number 104\r\nA Fatal Calculation Error Has Occurred\r\n"
              "The Program Will Now Terminate");
}

TEST_F(StartedProgram, FatalDumpWithoutAResultsLogStillTellsTheUser) {
    p.start("-InhibitUpdate");
    folder.remove("Log/Tankwise.log");
    EXPECT_THROW(DumpError(p, "Tidy Input Error", 261), ProgramEnded);
    EXPECT_FALSE(folder.exists("Log/Tankwise.log"));
    EXPECT_EQ(desktop.messages.back().text.section("\r\n", 0, 0), "Error Number 261");
}

TEST_F(StartedProgram, AFailureDuringLoadingIsALoadingErrorAtItsStep) {
    p.failAtStep(155);
    EXPECT_THROW(p.start(""), ProgramEnded);
    EXPECT_EQ(desktop.messages.back().text.section("\r\n", 0, 1),
              "Error Number 155\r\nA Fatal Loading Error Has Occurred");
    EXPECT_TRUE(folder.lines("Log/Tankwise.log").contains("******** Loading Error 155 ********"));
}

}  // namespace
}  // namespace tw
