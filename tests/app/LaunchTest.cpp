// Command line, choice of working folder, first-start copy of the defaults, and the
// refusals that end the program before it touches anything.
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <sys/resource.h>
#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "app/CommandLine.h"
#include "app/Program.h"
#include "calc/ShownValue.h"
#include "app/Language.h"
#include "app/Launch.h"
#include "app/WorkingFolder.h"
#include "platform/Files.h"

namespace tw {
namespace {

TEST(CommandLines, TakeOutTheFolderAndKeepTheSwitchText) {
    const struct { const char* name; QStringList arguments; QString folder, switches; bool refused; } rows[] = {
        {"switch after folder", {"--folder", "/t w", "-InhibitUpdate"}, "/t w", "-InhibitUpdate", false},
        {"folder after switch", {"-InhibitErrorCheck", "--folder=/t"}, "/t", "-InhibitErrorCheck", false},
        {"words stay joined", {"-InhibitErrorCheck", "more"}, "", "-InhibitErrorCheck more", false},
        {"last folder wins", {"--folder", "/a", "--folder", "/b"}, "/b", "", false},
        {"folder without name", {"-InhibitUpdate", "--folder"}, "", "", true}, {"empty folder name", {"--folder="}, "", "", true},
        {"unknown option", {"--colour", "-InhibitUpdate"}, "", "", true}, {"export without folder", {"--export-csv", "--folder"}, "", "", true},
        {"export folder is no switch", {"--export-csv", "out", "-InhibitUpdate"}, "", "-InhibitUpdate", false},
        {"language is no switch", {"--lang", "de", "-InhibitUpdate", "--lang=fr"}, "", "-InhibitUpdate", false},
        {"language without name", {"--lang", "--folder", "/t"}, "", "", true},
        {"csv style without export", {"--csv-style", "local"}, "", "", true},
        {"unknown csv style", {"--export-csv", "out", "--csv-style", "excel"}, "", "", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CommandLine line = ParseCommandLine(row.arguments);
        EXPECT_EQ(line.folder, row.folder);
        EXPECT_EQ(line.switches, row.switches);
        EXPECT_EQ(!line.error.isEmpty(), row.refused);
    }
    EXPECT_TRUE(ParseCommandLine({"--export-csv", "out", "--csv-style", "local"}).localCsv);
    EXPECT_FALSE(ParseCommandLine({"--csv-style", "portable", "--export-csv", "out"}).localCsv);
    EXPECT_EQ(ChooseWorkingFolder("/opt", "/var", "/user") + ChooseWorkingFolder("", "/var", "/user") +
              ChooseWorkingFolder("", "", "/user"), "/opt/var/user");
}

// --lang wins over the desktop; the desktop's first language the program has wins
// over the later ones; anything else is English.
TEST(CommandLines, ChooseTheWindowsLanguage) {
    EXPECT_EQ(ParseCommandLine({"--lang", "de"}).language, "de");
    EXPECT_EQ(ParseCommandLine({"--lang=fr", "--folder", "/t"}).language, "fr");
    EXPECT_EQ(ChooseLanguage(ParseCommandLine({"--lang", "fr"}).language, {"de-DE"}), "fr");
    // A command line that cannot be used is told so in the language it asks for.
    EXPECT_EQ(AskedLanguage({"--colour", "--lang", "fr"}), "fr");
    EXPECT_EQ(AskedLanguage({"--lang", "--help"}), "");
    EXPECT_EQ(ChooseLanguage("de_AT", {}), "de");
    EXPECT_EQ(ChooseLanguage("it", {"de-DE"}), "en");
    EXPECT_EQ(ChooseLanguage("", {"fr-BE", "de-DE"}), "fr");
    EXPECT_EQ(ChooseLanguage("", {"en-GB", "de-DE"}), "en");
    EXPECT_EQ(ChooseLanguage("", {"nl-NL", "de-CH"}), "de");
    EXPECT_EQ(ChooseLanguage("", {"C"}), "en");
}

// An installation's defaults, ten days old, and a home to start the program in.
class Launching : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* file : {"Data/Tankwise.ini", "Help/index.htm", "Help/help.css"})
            put(QString("defaults/") + file, QByteArray("default ") + file, 10);
    }
    QString at(const QString& relPath) const { return home.path() + "/" + relPath; }
    void put(const QString& relPath, const QByteArray& bytes, int ageInDays) {
        QDir().mkpath(QFileInfo(at(relPath)).path());
        QFile f(at(relPath));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.flush();  // a write still buffered at close would stamp the file with now
        f.setFileTime(QDateTime::currentDateTime().addDays(-ageInDays), QFileDevice::FileModificationTime);
    }
    QByteArray read(const QString& relPath) const { return Files(home.path()).readLines(relPath).join("\n").toLatin1(); }
    std::optional<Launch> launch(const QStringList& arguments) {
        return PrepareLaunch(desktop, {arguments, {}, at("user"), {at("none"), at("defaults")}});
    }

    QTemporaryDir home;
    FakeDesktop desktop;
};

TEST_F(Launching, AFirstStartCopiesTheDefaultsAndALaterOneOnlyNewerHelp) {
    const auto first = launch({"-InhibitUpdate"});
    ASSERT_TRUE(first);
    EXPECT_EQ(first->folder, at("user"));
    EXPECT_EQ(first->switches, "-InhibitUpdate");
    EXPECT_EQ(read("user/Help/help.css"), "default Help/help.css");
    EXPECT_TRUE(QDir(at("user/Log")).isEmpty());

    put("mine/Data/Tankwise.ini", "settings", 30);
    put("mine/Help/index.htm", "help 1", 30);  // older than the installed page
    put("mine/Help/help.css", "my css", 1);    // newer: the user's own
    ASSERT_TRUE(launch({"--folder", at("mine")}));
    EXPECT_EQ(read("mine/Data/Tankwise.ini"), "settings");
    EXPECT_EQ(read("mine/Help/index.htm"), "default Help/index.htm");
    EXPECT_EQ(read("mine/Help/help.css"), "my css");
    EXPECT_TRUE(desktop.messages.empty());
}

// The first settings of a new folder carry the tax rates of the desktop's country,
// as the program started there shows them; a later start elsewhere changes nothing.
TEST_F(Launching, ANewFolderTakesItsCountrysTaxRatesAndAFolderInUseKeepsThem) {
    QFile ini(QStringLiteral(TANKWISE_RESOURCES "/Data/Tankwise.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    put("defaults/Data/Tankwise.ini", ini.readAll(), 10);
    const struct { const char* locale; double rate; } rows[] = {
        {"de_DE", 19}, {"fr_FR", 20}, {"en_IE", 13.5}, {"en_US", 0}, {"en_GB", 5}, {"it_IT", 5}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.locale);
        const QString name = QString("home_") + row.locale;
        desktop.userLocale = QLocale(row.locale);
        ASSERT_TRUE(launch({"--folder", at(name)}));
        Files files(at(name));
        Program p(desktop, files);
        p.start("-InhibitUpdate");
        EXPECT_TRUE(desktop.messages.empty());
        EXPECT_EQ(ShownValue(p.main.text(Ctl::VRate), desktop.locale()), row.rate);
        EXPECT_EQ(ShownValue(p.main.text(Ctl::DVRate), desktop.locale()), row.rate);
        const QByteArray settings = read(name + "/Data/Tankwise.ini");
        desktop.userLocale = QLocale(row.rate == 20 ? "de_DE" : "fr_FR");
        ASSERT_TRUE(launch({"--folder", at(name)}));
        EXPECT_EQ(read(name + "/Data/Tankwise.ini"), settings);
    }
}

TEST_F(Launching, RefusalsTellTheUserOnceAndTouchNothing) {
    // The first line of each text has %1 for the folder.
    const struct { const char* name, *folder, *title, *firstLine; } rows[] = {
        {"inside a file", "file/sub", "Tankwise Working Folder Error", "The working folder %1 cannot be used.\r\nIt cannot be created."},
        {"a file", "file", "Tankwise Working Folder Error", "The working folder %1 cannot be used.\r\nIt is a file, not a folder."},
        {"in use", "mine", "Tankwise Already Running", "Tankwise is already running in the working folder\r\n%1."},
    };
    put("file", "x", 0);
    const auto running = launch({"--folder", at("mine")});
    put("mine/Help/index.htm", "help 1", 30);
    const QStringList before = QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        desktop.messages.clear();
        EXPECT_FALSE(launch({"--folder", at(row.folder)}));
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].title, row.title);
        EXPECT_EQ(desktop.messages[0].icon, Icon::Stop);
        EXPECT_EQ(desktop.messages[0].text.section("\r\n", 0, -2), QString(row.firstLine).arg(at(row.folder)));
        EXPECT_EQ(desktop.messages[0].text.section("\r\n", -1), "The program will now terminate.");
        EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }
    EXPECT_EQ(read("mine/Help/index.htm"), "help 1");
}

// A lock left by a copy that died (a power cut): its process no longer exists.
void PutStaleLock(const QString& folder) {
    QFile lock(folder + "/.Tankwise.lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("999999999\ntankwise\n" + QSysInfo::machineHostName().toUtf8() + "\n");
}

TEST_F(Launching, AStaleLockIsNeverAnotherCopyRunning) {
    ASSERT_TRUE(launch({"--folder", at("mine")}));  // the folder is set up, then released
    PutStaleLock(at("mine"));
    EXPECT_TRUE(launch({"--folder", at("mine")})) << "a stale lock is taken over";
    PutStaleLock(at("mine"));
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        desktop.messages.clear();
        desktop.answers.push_back(answer);
        rlimit saved{}, full{};
        getrlimit(RLIMIT_FSIZE, &saved);
        full = saved, full.rlim_cur = 0;  // every write fails, as on a full disk
        setrlimit(RLIMIT_FSIZE, &full);
        const std::optional<Launch> started = launch({"--folder", at("mine")});
        setrlimit(RLIMIT_FSIZE, &saved);
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].title, "Tankwise Working Folder Error");
        EXPECT_EQ(desktop.messages[0].buttons, Buttons::YesNo);
        EXPECT_TRUE(desktop.messages[0].text.contains(at("mine") + " as in use:\r\nFile too large."));
        EXPECT_EQ(started && started->savingRefused.contains("File too large"), answer == Answer::Yes);
    }
}

}  // namespace
}  // namespace tw
