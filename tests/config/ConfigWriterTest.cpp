#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "app/ProgramEnded.h"

namespace tw {
namespace {

const QString kIni = "Data/Tankwise.ini";

class SaveAndReset : public testing::Test {
protected:
    void SetUp() override { p.start("-InhibitUpdate"); }

    void click(Ctl c) { p.click(WindowId::Main, int(c)); }
    void type(Ctl c, const QString& text) { p.typed(WindowId::Main, int(c), text); }
    void select(Ctl c, int index) { p.selected(WindowId::Main, int(c), index); }

    // A setting in every column the file has, none of them the default.
    void changeEverySetting() {
        type(Ctl::TankBCap, "1500");
        type(Ctl::TankBD, "90");
        select(Ctl::TankBS, 2);
        type(Ctl::VRate, "17.5");
        type(Ctl::DVRate, "17.5");
        type(Ctl::TankOffA, "0.5");
        type(Ctl::Predict, "3");
        type(Ctl::CORate, "2.5");
        click(Ctl::TUnitsCT);
        click(Ctl::AutoSave);
        click(Ctl::OnTop);
    }

    FakeDesktop desktop;
    WorkFolder folder;
    Program p{desktop, folder.files()};
};

// What Save Data writes and Reset Data reads back: every tank and oil field, the
// check boxes of the group and the shape selections.
struct Settings {
    QStringList texts;
    QList<bool> boxes;
    QList<int> shapes;
    bool operator==(const Settings&) const = default;
};

Settings SettingsOf(const Program& p) {
    Settings s;
    for (Ctl c : {Ctl::TankACap, Ctl::TankBCap, Ctl::TankAD, Ctl::TankBD, Ctl::TankOffA,
                  Ctl::TankOffB, Ctl::VRate, Ctl::DVRate, Ctl::CORate, Ctl::Predict})
        s.texts << p.main.text(c);
    for (Ctl c : {Ctl::TankAU, Ctl::TankBU, Ctl::TUnitsAT, Ctl::TUnitsBT, Ctl::TUnitsCT,
                  Ctl::AutoSave, Ctl::OnTop, Ctl::UpEnableT})
        s.boxes << p.main.checked(c);
    s.shapes << p.main.index(Ctl::TankAS) << p.main.index(Ctl::TankBS);
    return s;
}

TEST_F(SaveAndReset, SaveWritesTheTwentySevenLinesToTheByte) {
    desktop.clock = QDateTime(QDate(2021, 3, 5), QTime(7, 8, 9));
    changeEverySetting();
    click(Ctl::Save_Defaults);

    const QStringList expected{
        "# Tankwise Version 3.0", "# Configuration File", "# 05-Mar-21 07:08:09", "",
        "[Run]", "LogLevel=2", "RunOnTop=2", "UpEnable=1", "", "[Data]", "CORate=2.50",
        "DVRate=18.5", "Predict=4", "TankACap=1201", "TankBCap=1501", "TankAS=1", "TankBS=3",
        "TankAD=121", "TankBD=91", "TankAU=1", "TankBU=1", "TankOffA=1.5", "TankOffB=1",
        "TUnitsA=1", "TUnitsB=1", "TUnitsC=2", "VRate=18.5"};
    EXPECT_EQ(folder.bytes(kIni), (expected.join("\r\n") + "\r\n").toLatin1());
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(p.main.text(Ctl::Status), "Tank And Oil Data Saved");
    EXPECT_TRUE(p.timer1.enabled);
}

TEST_F(SaveAndReset, SaveLeavesNoTemporaryFileBehind) {
    click(Ctl::Save_Defaults);
    EXPECT_EQ(QDir(folder.path() + "/Data").entryList(QDir::Files | QDir::Hidden),
              QStringList{"Tankwise.ini"});
}

TEST_F(SaveAndReset, SaveReplacesTheFileWholeInsteadOfRewritingIt) {
    // A reader that had the old file open keeps seeing it whole: the new text went
    // to a file of its own that then took the old one's name.
    const QByteArray before = folder.bytes(kIni);
    QFile oldFile(folder.path() + "/" + kIni);
    ASSERT_TRUE(oldFile.open(QIODevice::ReadOnly));
    type(Ctl::TankACap, "3000");
    click(Ctl::Save_Defaults);
    EXPECT_EQ(oldFile.readAll(), before);
    EXPECT_TRUE(folder.lines(kIni).contains("TankACap=3001"));
}

TEST_F(SaveAndReset, ResetGivesBackExactlyWhatWasSaved) {
    changeEverySetting();
    click(Ctl::Save_Defaults);
    const Settings saved = SettingsOf(p);

    type(Ctl::TankACap, "2000");
    type(Ctl::TankBCap, "");
    type(Ctl::TankBD, "");
    select(Ctl::TankAS, 1);
    select(Ctl::TankBS, 0);
    type(Ctl::VRate, "20");
    type(Ctl::DVRate, "20");
    type(Ctl::CORate, "3");
    type(Ctl::TankOffA, "");
    type(Ctl::Predict, "12");
    click(Ctl::TUnitsAT);
    click(Ctl::TUnitsCT);
    click(Ctl::OnTop);
    click(Ctl::UpEnableT);
    ASSERT_NE(SettingsOf(p), saved);

    click(Ctl::Reset_Defaults);
    EXPECT_EQ(SettingsOf(p), saved);
    EXPECT_EQ(p.st.RunOnTop, 2.0f);
    EXPECT_EQ(p.st.TankBS, 3.0f);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SaveAndReset, ANewStartReadsWhatWasSaved) {
    changeEverySetting();
    click(Ctl::Save_Defaults);
    const Settings saved = SettingsOf(p);

    FakeDesktop laterDesktop;
    Program later(laterDesktop, folder.files());
    later.start("-InhibitUpdate");
    EXPECT_EQ(SettingsOf(later), saved);
    EXPECT_TRUE(laterDesktop.messages.empty());
}

struct InvalidRow {
    const char* name;
    Ctl field;
    const char* text;
    const char* message;
};

class SaveRefuses : public SaveAndReset, public testing::WithParamInterface<InvalidRow> {};

TEST_P(SaveRefuses, AnInvalidFieldAndLeavesTheFileByteForByte) {
    const QByteArray before = folder.bytes(kIni);
    p.mainTimerTick();  // the start-up status line has gone
    type(GetParam().field, QString::fromLatin1(GetParam().text));
    click(Ctl::Save_Defaults);

    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Data Error");
    EXPECT_EQ(desktop.messages[0].text, QString::fromLatin1(GetParam().message) + "\n");
    EXPECT_EQ(desktop.messages[0].icon, Icon::Warning);
    EXPECT_EQ(folder.bytes(kIni), before);
    EXPECT_FALSE(p.ended());
    EXPECT_EQ(p.main.text(Ctl::Status), "");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SaveRefuses,
    testing::Values(
        InvalidRow{"emptyTankACap", Ctl::TankACap, "",
                   "Tank A Capacity must be between 100 and 9999"},
        InvalidRow{"vatAboveFifty", Ctl::VRate, "60",
                   "Oil VAT Rate must be 0 or between 1 and 50%"},
        InvalidRow{"emptyCORate", Ctl::CORate, "",
                   "The CO2 Conversion Rate must be between 0.50 and 10.00"},
        InvalidRow{"halfAMonth", Ctl::Predict, "0.5",
                   "Prediction Period must be either empty or between 1 and 12 months"},
        InvalidRow{"offsetTooSmall", Ctl::TankOffB, "0.05",
                   "Tank B Offset must be either empty or between 0.1 and 10.0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveAndReset, EveryFailureIsShownInOneBoxLineByLine) {
    type(Ctl::DVRate, "");
    type(Ctl::CORate, "");
    click(Ctl::Save_Defaults);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text,
              "Oil and delivery VAT Rates must both be either set or zero\n"
              "The CO2 Conversion Rate must be between 0.50 and 10.00\n");
}

TEST_F(SaveAndReset, AFileThatCannotBeReplacedEndsTheProgramWithTheOldFileWhole) {
    const QByteArray before = folder.bytes(kIni);
    type(Ctl::TankACap, "3000");
    folder.deny(kIni);

    EXPECT_THROW(click(Ctl::Save_Defaults), ProgramEnded);
    EXPECT_TRUE(p.ended());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Configuration File Error");
    EXPECT_EQ(desktop.messages[0].text,
              "Unable to write to the configuration file.\r\n"
              "This may be a permissions problem.\r\n"
              "The program will now terminate.");
    EXPECT_EQ(desktop.messages[0].icon, Icon::Warning);
    EXPECT_EQ(folder.bytes(kIni), before);
}

TEST_F(SaveAndReset, ARenameThatFailsOnDiskLeavesNoTemporaryFile) {
    // A folder where the file should be: the new text can be written beside it
    // but never renamed over it.
    folder.remove(kIni);
    folder.makeFolder(kIni);
    EXPECT_THROW(click(Ctl::Save_Defaults), ProgramEnded);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Configuration File Error");
    EXPECT_TRUE(QDir(folder.path() + "/Data").entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(SaveAndReset, AMissingDataFolderEndsTheProgramBeforeAnythingIsWritten) {
    folder.remove("Data");
    EXPECT_THROW(click(Ctl::Save_Defaults), ProgramEnded);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Data Directory Error");
    EXPECT_FALSE(folder.exists("Data"));
}

struct StepRow {
    const char* name;
    int step;
    bool written;
};

class SaveTrap : public SaveAndReset, public testing::WithParamInterface<StepRow> {};

TEST_P(SaveTrap, AFailureAtAStepIsDumpedWithThatStep) {
    const QByteArray before = folder.bytes(kIni);
    type(Ctl::TankACap, "3000");
    p.failAtStep(GetParam().step);
    EXPECT_THROW(click(Ctl::Save_Defaults), ProgramEnded);

    ASSERT_FALSE(desktop.messages.empty());
    EXPECT_EQ(desktop.messages.back().title, "Tankwise Fatal Error");
    const QString expectedHeader =
        "******** Save Config Error " + QString::number(GetParam().step) + " ********";
    EXPECT_TRUE(folder.lines("Log/Tankwise.log").contains(expectedHeader));
    EXPECT_EQ(folder.bytes(kIni) != before, GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Steps, SaveTrap,
                         testing::Values(StepRow{"beforeValidation", 201, false},
                                         StepRow{"composing", 202, false},
                                         StepRow{"beforeWriting", 203, false},
                                         StepRow{"afterWriting", 204, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveAndReset, ResetRestoresTheSavedRateAndClearsTheResults) {
    type(Ctl::VRate, "12");
    type(Ctl::Date1, "01/03/2010");
    for (Ctl c : {Ctl::TDays, Ctl::TankT, Ctl::TCost, Ctl::VDay, Ctl::TDaysP, Ctl::FillDate})
        p.main.setText(c, "42");
    p.st.InputFingerprint = p.st.LastInputFingerprint = "fingerprint";
    p.main.setEnabled(Ctl::Save, true);

    click(Ctl::Reset_Defaults);
    EXPECT_EQ(p.main.text(Ctl::VRate), "5.0");
    for (Ctl c : {Ctl::TDays, Ctl::TankT, Ctl::TCost, Ctl::VDay, Ctl::TDaysP, Ctl::FillDate})
        EXPECT_EQ(p.main.text(c), "") << p.main.at(int(c)).name.toStdString();
    EXPECT_EQ(p.main.text(Ctl::Date1), "01/03/2010");  // readings are not touched
    EXPECT_EQ(p.st.InputFingerprint, "");
    EXPECT_EQ(p.st.LastInputFingerprint, "");
    EXPECT_FALSE(p.main.enabled(Ctl::Save));
    EXPECT_EQ(p.main.text(Ctl::Status), "Data Restored");
    EXPECT_TRUE(p.timer1.enabled);
}

TEST_F(SaveAndReset, ResetFollowsAFileChangedOutsideTheProgram) {
    QStringList lines = folder.lines(kIni);
    lines.replaceInStrings(QRegularExpression("^TankACap=.*"), "TankACap=2501");
    folder.write(kIni, lines);
    click(Ctl::Reset_Defaults);
    EXPECT_EQ(p.main.text(Ctl::TankACap), "2500");
}

TEST_F(SaveAndReset, ResetOfACorruptedFileEndsTheProgram) {
    QStringList lines = folder.lines(kIni);
    lines.removeAll("VRate=6");
    folder.write(kIni, lines);
    EXPECT_THROW(click(Ctl::Reset_Defaults), ProgramEnded);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Configuration File Error");
    // Started with a switch, so the counts stand in front of the usual text.
    EXPECT_EQ(desktop.messages[0].text,
              "0 Section Errors\r\n1 Key Errors\r\n0 Value Errors\r\n"
              "The configuration file is corrupted.\r\n"
              "Reinstall the program to restore the file.\r\n"
              "The program will now terminate.");
}

}  // namespace
}  // namespace tw
