#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "LoopbackServer.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "app/ProgramEnded.h"
#include "update/UpdateWindow.h"

namespace tw {
namespace {

using namespace testing_loopback;

QByteArray Reply(const QByteArray& version1, const QByteArray& download = "software/tankwise/download.htm",
                 const QByteArray& index = "software/tankwise/index.htm") {
    return "<?xml version=\"1.0\"?>\r\n<Update>\r\n<Name>Tankwise</Name>\r\n<Version1>" + version1 +
           "</Version1>\r\n<Version2>0.0</Version2>\r\n<Download>" + download +
           "</Download>\r\n<History>software/tankwise/history.htm</History>\r\n"
           "<KIssues>software/tankwise/issues.htm</KIssues>\r\n<Index>" + index +
           "</Index>\r\n<Message>Thank you.</Message>\r\n<Uninstall>No</Uninstall>\r\n</Update>\r\n";
}

// The update window of a program whose main window is not shown, so closing the
// update window hands control to nothing else.
class UpdateWindowTest : public ::testing::Test {
protected:
    LoopbackServer server;
    FakeDesktop desktop;
    WorkFolder folder;
    Program p{desktop, folder.files(), server.baseUrl()};
    UpdateWindow& w = *p.update;

    QString status() const { return w.model.text(UpdateCtl::Status); }

    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            desktop.advance(100);
            p.updateTimerTick();
        }
    }
    // Ticks up to the start of the download and lets its answer arrive.
    void download() {
        tick(2);
        ASSERT_TRUE(RunUntil([&] { return !w.urlGet1.Busy(); }));
    }
};

TEST_F(UpdateWindowTest, ANewerVersionOpensEachPageBelowTheSite) {
    server.body = Reply("3.1");
    UpdateClick(p);
    EXPECT_TRUE(w.model.shown());
    EXPECT_FALSE(p.main.enabled(Ctl::Update));
    EXPECT_FALSE(w.model.enabled(UpdateCtl::Download));
    download();
    EXPECT_EQ(status(), "Version 3.1 of Tankwise is available ");
    EXPECT_TRUE(server.lastRequest.startsWith(
        "GET /software/misc/updatecheck.xml?PName=Tankwise&ampPVer=3.0.0.0 "));

    const std::pair<UpdateCtl, QString> pages[] = {
        {UpdateCtl::Download, "software/tankwise/download.htm"},
        {UpdateCtl::History, "software/tankwise/history.htm"},
        {UpdateCtl::KIssues, "software/tankwise/issues.htm"},
        {UpdateCtl::WebSite, "software/tankwise/index.htm"},
        {UpdateCtl::Logo, ""}};
    for (const auto& [button, page] : pages) {
        EXPECT_TRUE(w.model.enabled(button));
        p.click(WindowId::Update, int(button));
        EXPECT_EQ(desktop.opened.last(), server.baseUrl() + page);
    }
    p.click(WindowId::Update, int(UpdateCtl::Exit));
    EXPECT_FALSE(w.model.open());
    EXPECT_FALSE(w.timer1.enabled);
    EXPECT_TRUE(p.main.enabled(Ctl::Update));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(UpdateWindowTest, PagePathsLeavingTheSiteKeepTheirButtonsOff) {
    server.body = Reply("3.1", "javascript:alert(1)", "//elsewhere.example/");
    UpdateClick(p);
    download();
    EXPECT_TRUE(w.model.enabled(UpdateCtl::History));
    EXPECT_FALSE(w.model.enabled(UpdateCtl::Download));
    EXPECT_FALSE(w.model.enabled(UpdateCtl::WebSite));
    // Even a click that reaches the window past a disabled button opens nothing.
    UpdateEvent(p, UpdateCtl::Download);
    UpdateEvent(p, UpdateCtl::WebSite);
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(UpdateWindowTest, AReplyArrivingAfterTheWindowClosedChangesNothing) {
    server.body = Reply("3.1");
    UpdateClick(p);
    tick(2);
    CloseUpdate(p);
    RunFor(200);
    EXPECT_FALSE(w.model.open());
    EXPECT_EQ(status(), "Please Wait - Checking for the latest version");
    EXPECT_FALSE(w.model.enabled(UpdateCtl::Download));
}

TEST_F(UpdateWindowTest, ACheckAfterAnIncompleteReplyWarnsAtOnceThenReadsTheNewReply) {
    QByteArray incomplete = Reply("3.0");
    incomplete.replace("<Name>Tankwise</Name>", "");
    server.body = incomplete;
    UpdateClick(p);
    download();
    EXPECT_EQ(w.missingTags, 1);
    EXPECT_EQ(status(), "Getting latest version of Tankwise");  // nothing compared
    EXPECT_FALSE(w.model.enabled(UpdateCtl::WebSite));
    CloseUpdate(p);

    server.body = Reply("3.0");
    UpdateClick(p);
    EXPECT_FALSE(w.model.enabled(UpdateCtl::WebSite));  // a fresh window
    tick(2);
    EXPECT_EQ(status(), "Unable to contact web site - try later");
    ASSERT_TRUE(RunUntil([&] { return !w.urlGet1.Busy(); }));
    EXPECT_EQ(status(), "You have the latest version of Tankwise");
    EXPECT_EQ(w.missingTags, 0);
}

TEST_F(UpdateWindowTest, AnOversizeReplyCountsAsAnUnreachableSite) {
    server.body = Reply("3.1") + QByteArray(UrlGet::kDefaultLimit, ' ');
    UpdateClick(p);
    download();
    EXPECT_EQ(status(), "Unable to contact web site");
    EXPECT_FALSE(w.model.enabled(UpdateCtl::Download));
    EXPECT_TRUE(w.model.open());
}

struct LimitRow {
    const char* name;
    int mode;
    int lastOpenTick;
};

class TickLimit : public UpdateWindowTest, public ::testing::WithParamInterface<LimitRow> {};

TEST_P(TickLimit, ClosesTheWindowOnTheTickAfterTheLastOpenOne) {
    server.silent = true;
    p.st.InhibitMode = GetParam().mode;
    UpdateClick(p);
    tick(GetParam().lastOpenTick);
    EXPECT_TRUE(w.model.open());
    EXPECT_EQ(w.ticks, GetParam().lastOpenTick);
    tick();
    EXPECT_FALSE(w.model.open());
    EXPECT_TRUE(p.main.enabled(Ctl::Update));
    EXPECT_FALSE(w.urlGet1.Busy());
}

INSTANTIATE_TEST_SUITE_P(Modes, TickLimit,
                         ::testing::Values(LimitRow{"normal", 0, 1200}, LimitRow{"shortUpdate", 5, 30},
                                           LimitRow{"inhibitUpdateClicked", 6, 1200}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpdateWindowTest, TheUpdaterLogRecordsAWholeCheck) {
    folder.write("Log/LogOn.txt", {});
    server.body = Reply("3.0");
    p.st.InhibitMode = 6;
    UpdateClick(p);
    desktop.advance(1000);
    download();
    const QString url = server.baseUrl() + "software/misc/updatecheck.xml?PName=Tankwise&ampPVer=3.0.0.0";
    QStringList expected = {
        "Updater", "Version 3.0", "File Created", "01-Jun-20 12:00:00", "",
        "01-Jun-20 12:00:00", "", "Web URL", "-------", url, "", "", "",
        "01-Jun-20 12:00:00", "Update Check", "", "Program Data", "------------",
        "Control Mode :  6", "Program Name :  Tankwise", "Major Version:  3.0",
        "Minor Version:  0.0", "", "",
        "01-Jun-20 12:00:01", "", "Web Page xml", "------------"};
    QString reply = QString::fromLatin1(Reply("3.0"));
    reply.chop(2);  // the entry ends with the reply's own last line end
    expected += reply.split("\r\n");
    expected += {"", "",
                 "Web Page Data", "-------------", "Program Name :  Tankwise",
                 "Major Version:  3.0", "Minor Version:  0.0",
                 "Download url :  software/tankwise/download.htm",
                 "Known Issues :  software/tankwise/issues.htm",
                 "History      :  software/tankwise/history.htm",
                 "Home Page    :  software/tankwise/index.htm", "Message      :  Thank you.",
                 "Uninstall    :  No", "Error Count  :  0", "", ""};
    EXPECT_EQ(folder.lines("Log/Updater.log"), expected);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(UpdateWindowTest, WithoutTheSwitchFileNoLogIsWritten) {
    server.body = Reply("3.0");
    UpdateClick(p);
    download();
    EXPECT_EQ(status(), "You have the latest version of Tankwise");
    EXPECT_FALSE(folder.exists("Log/Updater.log"));
}

TEST_F(UpdateWindowTest, ALogThatCannotBeCreatedEndsTheProgram) {
    folder.write("Log/LogOn.txt", {});
    folder.deny("Log/Updater.log");
    EXPECT_THROW(UpdateClick(p), ProgramEnded);
    EXPECT_TRUE(p.ended());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Updater Log File Error");
    EXPECT_EQ(desktop.messages[0].icon, Icon::Warning);
    EXPECT_EQ(desktop.messages[0].text,
              "Unable to create the log file Updater.log.\r\nThis may be a permissions problem.\r\n"
              "The program will now terminate.");
}

TEST_F(UpdateWindowTest, ALogThatCannotBeWrittenEndsTheProgramOnTheReply) {
    folder.write("Log/LogOn.txt", {});
    server.body = Reply("3.0");
    UpdateClick(p);
    const qsizetype before = folder.lines("Log/Updater.log").size();
    folder.deny("Log/Updater.log");
    tick(2);
    ASSERT_TRUE(RunUntil([&] { return p.ended(); }));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Updater Log File Write Error");
    EXPECT_EQ(desktop.messages[0].text.section("\r\n", 0, 0),
              "Unable to write to the log file Updater.log.");
    EXPECT_EQ(folder.lines("Log/Updater.log").size(), before);
    EXPECT_FALSE(w.model.open());
}

TEST_F(UpdateWindowTest, ALogDeletedDuringTheCheckIsWarnedAboutAndMadeAgain) {
    folder.write("Log/LogOn.txt", {});
    server.body = Reply("3.0");
    UpdateClick(p);
    folder.remove("Log/Updater.log");
    download();
    ASSERT_FALSE(desktop.messages.empty());
    EXPECT_EQ(desktop.messages[0].title, "Tankwise log File Error");
    EXPECT_FALSE(p.ended());
    EXPECT_EQ(folder.lines("Log/Updater.log").last(), "");
    EXPECT_TRUE(folder.lines("Log/Updater.log").contains("Error Count  :  0"));
}

}  // namespace
}  // namespace tw
