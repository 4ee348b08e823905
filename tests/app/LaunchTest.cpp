// Command line, choice of working folder, first-start copy of the defaults, and the
// refusals that end the program before it touches anything.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "app/CommandLine.h"
#include "app/Launch.h"
#include "app/WorkingFolder.h"

namespace tw {
namespace {

struct LineRow {
    const char* name;
    QStringList arguments;
    QString folder, switches;
    bool refused;
};

class CommandLines : public ::testing::TestWithParam<LineRow> {};

TEST_P(CommandLines, TakeOutTheFolderAndKeepTheSwitchText) {
    const CommandLine line = ParseCommandLine(GetParam().arguments);
    EXPECT_EQ(line.folder, GetParam().folder);
    EXPECT_EQ(line.switches, GetParam().switches);
    EXPECT_EQ(!line.error.isEmpty(), GetParam().refused);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLines,
    ::testing::Values(
        LineRow{"SwitchAfterFolder", {"--folder", "/t w", "-InhibitUpdate"}, "/t w", "-InhibitUpdate", false},
        LineRow{"FolderAfterSwitch", {"-InhibitErrorCheck", "--folder=/t"}, "/t", "-InhibitErrorCheck", false},
        LineRow{"WordsStayJoined", {"-InhibitErrorCheck", "more"}, "", "-InhibitErrorCheck more", false},
        LineRow{"LastFolderWins", {"--folder", "/a", "--folder", "/b"}, "/b", "", false},
        LineRow{"FolderWithoutName", {"-InhibitUpdate", "--folder"}, "", "", true},
        LineRow{"EmptyFolderName", {"--folder="}, "", "", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WorkingFolderChoice, OptionThenVariableThenUserDataFolder) {
    EXPECT_EQ(ChooseWorkingFolder("/opt", "/var", "/user"), "/opt");
    EXPECT_EQ(ChooseWorkingFolder("", "/var", "/user"), "/var");
    EXPECT_EQ(ChooseWorkingFolder("", "", "/user"), "/user");
}

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes, int ageInDays) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.flush();  // a write still buffered at close would stamp the file with now
    f.setFileTime(QDateTime::currentDateTime().addDays(-ageInDays), QFileDevice::FileModificationTime);
}

// An installation's defaults and a home to start the program in.
class Launching : public ::testing::Test {
protected:
    void SetUp() override {
        Write(defaults.path() + "/Data/Tankwise.ini", "[Run]\r\n", 10);
        Write(defaults.path() + "/Help/index.htm", "help 2", 10);
        Write(defaults.path() + "/Help/help.css", "css 2", 10);
    }
    std::optional<Launch> launch(const QStringList& arguments) {
        return PrepareLaunch(desktop, {arguments, {}, home.path() + "/user",
                                       {home.path() + "/none", defaults.path()}});
    }
    QString at(const QString& rel) const { return home.path() + "/" + rel; }

    QTemporaryDir defaults, home;
    FakeDesktop desktop;
};

TEST_F(Launching, AFirstStartCopiesTheDefaultsIntoTheUsersFolder) {
    const auto started = launch({"-InhibitUpdate"});
    ASSERT_TRUE(started);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(started->folder, at("user"));
    EXPECT_EQ(started->switches, "-InhibitUpdate");
    EXPECT_EQ(Read(at("user/Data/Tankwise.ini")), "[Run]\r\n");
    EXPECT_EQ(Read(at("user/Help/help.css")), "css 2");
    EXPECT_TRUE(QDir(at("user/Log")).isEmpty());
}

TEST_F(Launching, ALaterStartKeepsSettingsLogsAndNewerHelpOfTheUser) {
    Write(at("mine/Data/Tankwise.ini"), "settings", 30);
    Write(at("mine/Log/Tankwise.log"), "log", 30);
    Write(at("mine/Help/index.htm"), "help 1", 30);  // older than the installed page
    Write(at("mine/Help/help.css"), "my css", 1);    // newer: the user's own
    ASSERT_TRUE(launch({"--folder", at("mine")}));
    EXPECT_EQ(Read(at("mine/Data/Tankwise.ini")), "settings");
    EXPECT_EQ(Read(at("mine/Log/Tankwise.log")), "log");
    EXPECT_EQ(Read(at("mine/Help/index.htm")), "help 2");
    EXPECT_EQ(Read(at("mine/Help/help.css")), "my css");

    // A folder in use without its Data folder is left for the program's own check.
    QDir(at("mine/Data")).removeRecursively();
    ASSERT_TRUE(launch({"--folder", at("mine")}));
    EXPECT_FALSE(QFileInfo::exists(at("mine/Data")));
    EXPECT_TRUE(desktop.messages.empty());
}

struct RefusalRow {
    const char* name;
    const char* title;
    const char* firstLine;  // %1 is the folder
};

class Refusals : public Launching, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(Refusals, TellTheUserOnceAndTouchNothing) {
    const RefusalRow& row = GetParam();
    const QString name = row.name;
    QString folder = at("mine");
    std::optional<Launch> first;
    if (name == "FolderInsideAFile") {
        Write(at("file"), "x", 0);
        folder = at("file/sub");
    } else if (name == "FolderIsAFile") {
        Write(at("file"), "x", 0);
        folder = at("file");
    } else {
        first = launch({"--folder", folder});
        ASSERT_TRUE(first);
        Write(folder + "/Help/index.htm", "help 1", 30);
    }
    const auto entries = [&] {
        QStringList all;
        for (const QString& f : QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            all << f;
        return all;
    };
    const QStringList before = entries();
    EXPECT_FALSE(launch({"--folder", folder}));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, row.title);
    EXPECT_EQ(desktop.messages[0].icon, Icon::Stop);
    EXPECT_TRUE(desktop.messages[0].text.startsWith(QString(row.firstLine).arg(folder)))
        << desktop.messages[0].text.toStdString();
    EXPECT_TRUE(desktop.messages[0].text.endsWith("\r\nThe program will now terminate."));
    EXPECT_EQ(entries(), before);
    if (first) {
        EXPECT_EQ(Read(folder + "/Help/index.htm"), "help 1");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, Refusals,
    ::testing::Values(
        RefusalRow{"FolderInsideAFile", "Tankwise Working Folder Error",
                   "The working folder %1 cannot be used.\r\nIt cannot be created."},
        RefusalRow{"FolderIsAFile", "Tankwise Working Folder Error",
                   "The working folder %1 cannot be used.\r\nIt is a file, not a folder."},
        RefusalRow{"SecondCopyInTheSameFolder", "Tankwise Already Running",
                   "Tankwise is already running in the working folder\r\n%1."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw
