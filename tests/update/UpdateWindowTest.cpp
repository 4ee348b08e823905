#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "LoopbackServer.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "app/UpdateWindow.h"

namespace tw {
namespace {

using namespace testing_loopback;

// What the window shows for each reply, its buttons and the updater log's failures
// are pinned by the update_* scenarios. Here: what the scenario server cannot show
// (the request as sent, replies racing the window) and what no scenario can reach.
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

TEST_F(UpdateWindowTest, PageEventsPastADisabledButtonOpenNothing) {
    server.body = Reply("3.1", "javascript:alert(1)", "//elsewhere.example/");
    UpdateClick(p);
    download();
    ASSERT_TRUE(w.model.enabled(UpdateCtl::History));
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

TEST_F(UpdateWindowTest, TheCheckAfterAnIncompleteReplyStillReadsItsOwnReply) {
    QByteArray incomplete = Reply("3.0");
    incomplete.replace("<Name>Tankwise</Name>", "");
    server.body = incomplete;
    UpdateClick(p);
    download();
    ASSERT_EQ(w.missingTags, 1);
    CloseUpdate(p);

    server.body = Reply("3.0");
    UpdateClick(p);
    tick(2);
    EXPECT_EQ(status(), "Unable to contact web site - try later");
    ASSERT_TRUE(RunUntil([&] { return !w.urlGet1.Busy(); }));
    EXPECT_EQ(status(), "You have the latest version of Tankwise");
    EXPECT_EQ(w.missingTags, 0);
}

TEST_F(UpdateWindowTest, AClickedCheckUnderInhibitUpdateClosesAtTheTickLimitAndDropsItsDownload) {
    // Without a reply the download is still running when the window closes itself.
    server.silent = true;
    p.st.InhibitMode = 6;
    UpdateClick(p);
    tick(1200);
    EXPECT_TRUE(w.model.open());
    EXPECT_TRUE(w.urlGet1.Busy());
    tick();
    EXPECT_FALSE(w.model.open());
    EXPECT_TRUE(p.main.enabled(Ctl::Update));
    EXPECT_FALSE(w.urlGet1.Busy());
}

TEST_F(UpdateWindowTest, TheUpdaterLogHeaderNamesTheAddressThatWasAskedFor) {
    // The scenarios pin the log from the check's own entry on; its header holds the
    // request address, whose port only a test knows.
    folder.write("Log/LogOn.txt", {});
    server.body = Reply("3.0");
    UpdateClick(p);
    download();
    const QString query = "software/misc/updatecheck.xml?PName=Tankwise&ampPVer=3.0.0.0";
    EXPECT_EQ(folder.lines("Log/Updater.log").mid(0, 13),
              (QStringList{"Updater", "Version 3.0", "File Created", "01-Jun-20 12:00:00", "",
                           "01-Jun-20 12:00:00", "", "Web URL", "-------", server.baseUrl() + query,
                           "", "", ""}));
    EXPECT_TRUE(server.lastRequest.startsWith("GET /" + query.toLatin1() + " "));
    EXPECT_TRUE(folder.lines("Log/Updater.log").contains("Error Count  :  0"));
    EXPECT_TRUE(desktop.messages.empty());
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
