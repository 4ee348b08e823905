#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <utility>
#include <vector>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "platform/ProgramEnded.h"

namespace tw {
namespace {

// The layout Save Data writes, its refusals and Reset Data are pinned by the
// settings_* scenarios; these tests hold what a scenario cannot see.
const QString kIni = "Data/Tankwise.ini";

class SaveAndReset : public testing::Test {
protected:
    void SetUp() override { p.start("-InhibitUpdate"); }

    void click(Ctl c) { p.click(WindowId::Main, int(c)); }
    void type(Ctl c, const QString& text) { p.typed(WindowId::Main, int(c), text); }
    void select(Ctl c, int index) { p.selected(WindowId::Main, int(c), index); }
    QStringList dataFiles() const {
        return QDir(folder.path() + "/Data").entryList(QDir::Files | QDir::Hidden);
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

TEST_F(SaveAndReset, SaveReplacesTheFileWholeAndLeavesNothingBesideIt) {
    // A reader that had the old file open keeps seeing it whole: the new text went
    // to a file of its own that then took the old one's name.
    const QByteArray before = folder.bytes(kIni);
    QFile oldFile(folder.path() + "/" + kIni);
    ASSERT_TRUE(oldFile.open(QIODevice::ReadOnly));
    type(Ctl::TankACap, "3000");
    click(Ctl::Save_Defaults);
    EXPECT_EQ(oldFile.readAll(), before);
    EXPECT_TRUE(folder.lines(kIni).contains("TankACap=3001"));
    EXPECT_EQ(dataFiles(), QStringList{"Tankwise.ini"});
}

TEST_F(SaveAndReset, EverySavedSettingComesBackOnReset) {
    // Each of these differs from the default, so a key written or read under the
    // wrong name shows.
    type(Ctl::TankBCap, "1500");
    type(Ctl::TankBD, "90");
    select(Ctl::TankBS, 2);
    type(Ctl::VRate, "17.5");
    type(Ctl::DVRate, "17.5");
    type(Ctl::TankOffA, "0.5");
    type(Ctl::Predict, "3");
    type(Ctl::CORate, "2.5");
    for (Ctl box : {Ctl::TankAU, Ctl::TUnitsCT, Ctl::AutoSave, Ctl::OnTop}) click(box);
    click(Ctl::Save_Defaults);
    const Settings saved = SettingsOf(p);

    type(Ctl::TankBCap, "");
    type(Ctl::TankBD, "");
    select(Ctl::TankAS, 1);
    select(Ctl::TankBS, 0);
    type(Ctl::VRate, "20");
    type(Ctl::CORate, "3");
    type(Ctl::TankOffA, "");
    for (Ctl box : {Ctl::TankAU, Ctl::TUnitsAT, Ctl::TUnitsCT, Ctl::OnTop, Ctl::UpEnableT})
        click(box);
    ASSERT_NE(SettingsOf(p), saved);

    click(Ctl::Reset_Defaults);
    EXPECT_EQ(SettingsOf(p), saved);
    // The program-wide values follow too: the next save writes them.
    EXPECT_EQ(p.st.RunOnTop, 2.0f);
    EXPECT_EQ(p.st.TankAS, 1.0f);
    EXPECT_EQ(p.st.TankBS, 3.0f);
    EXPECT_TRUE(desktop.messages.empty());
}

struct FailedSaveRow {
    const char* name;
    void (*prepare)(WorkFolder&);
    const char* title;
};

class FailedSave : public SaveAndReset, public testing::WithParamInterface<FailedSaveRow> {};

TEST_P(FailedSave, EndsTheProgramWithTheOldFileWholeAndNoTemporaryFile) {
    type(Ctl::TankACap, "3000");
    GetParam().prepare(folder);
    const QByteArray before = folder.bytes(kIni);
    const QStringList filesBefore = dataFiles();
    const bool dataFolderBefore = folder.exists("Data");

    EXPECT_THROW(click(Ctl::Save_Defaults), ProgramEnded);
    EXPECT_TRUE(p.ended());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, GetParam().title);
    EXPECT_EQ(folder.bytes(kIni), before);
    EXPECT_EQ(dataFiles(), filesBefore);
    EXPECT_EQ(folder.exists("Data"), dataFolderBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FailedSave,
    testing::Values(
        FailedSaveRow{"fileCannotBeReplaced", [](WorkFolder& f) { f.deny(kIni); },
                      "Tankwise Configuration File Error"},
        // The new text can be written beside a folder of the file's name but never
        // renamed over it.
        FailedSaveRow{"folderWhereTheFileBelongs",
                      [](WorkFolder& f) {
                          f.remove(kIni);
                          f.makeFolder(kIni);
                      },
                      "Tankwise Configuration File Error"},
        FailedSaveRow{"dataFolderMissing", [](WorkFolder& f) { f.remove("Data"); },
                      "Tankwise Data Directory Error"}),
    [](const auto& info) { return std::string(info.param.name); });

// The file is machine data: numbers are written with a period whatever the
// user's locale, so the file reads the same on any machine.
struct PeriodRow {
    const char* name;
    const char* locale;
    std::vector<std::pair<Ctl, QString>> typed;
    QStringList lines;
};

class PeriodNumbers : public testing::TestWithParam<PeriodRow> {};

TEST_P(PeriodNumbers, AreWrittenWhateverTheLocale) {
    FakeDesktop desktop;
    desktop.userLocale = QLocale(QString::fromLatin1(GetParam().locale));
    WorkFolder folder;
    Program p{desktop, folder.files()};
    p.start("-InhibitUpdate");
    for (const auto& [control, text] : GetParam().typed) p.typed(WindowId::Main, int(control), text);
    p.click(WindowId::Main, int(Ctl::Save_Defaults));
    ASSERT_TRUE(desktop.messages.empty()) << desktop.messages[0].text.toStdString();
    const QStringList written = folder.lines(kIni);
    for (const QString& line : GetParam().lines)
        EXPECT_TRUE(written.contains(line)) << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Locales, PeriodNumbers,
    testing::Values(
        PeriodRow{"gbDefaults", "en_GB", {}, {"CORate=2.54", "VRate=6", "TankOffA=1"}},
        PeriodRow{"deDefaultsKeepTheirDecimals", "de_DE", {}, {"CORate=2.54", "VRate=6"}},
        PeriodRow{"deCommaNumbers",
                  "de_DE",
                  {{Ctl::CORate, "2,6"}, {Ctl::VRate, "17,5"}, {Ctl::TankOffA, "0,5"},
                   {Ctl::TankAD, "120,5"}},
                  {"CORate=2.60", "VRate=18.5", "TankOffA=1.5", "TankAD=121.5"}},
        PeriodRow{"dePeriodNumbers",
                  "de_DE",
                  {{Ctl::CORate, "2.6"}, {Ctl::VRate, "17.5"}},
                  {"CORate=2.60", "VRate=18.5"}},
        PeriodRow{"frCommaNumbers",
                  "fr_FR",
                  {{Ctl::CORate, "3,15"}, {Ctl::DVRate, "12,5"}},
                  {"CORate=3.15", "DVRate=13.5"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw
