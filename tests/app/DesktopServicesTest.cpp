#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/DesktopServices.h"
#include "app/Program.h"
#include "app/ProgramEnded.h"

namespace tw {
namespace {

const QString kSite = "http://127.0.0.1:8123/site/";

// A desktop whose launcher breaks in a way the program cannot foresee.
class BrokenLauncher : public FakeDesktop {
public:
    bool openUrl(const QString&) override { throw std::runtime_error("launcher crashed"); }
};

class DesktopServices : public testing::Test {
protected:
    void SetUp() override { p.start("-InhibitUpdate"); }
    void click(Ctl c) { p.click(WindowId::Main, int(c)); }

    FakeDesktop desktop;
    WorkFolder folder;
    Program p{desktop, folder.files(), kSite};
};

TEST_F(DesktopServices, WebPagesLieBelowTheSiteAddress) {
    OpenWebPage(p, WindowId::Main, "software/tankwise/history.htm");
    click(Ctl::Logo);
    EXPECT_EQ(desktop.opened, QStringList({kSite + "software/tankwise/history.htm", kSite}));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST(SiteAddress, IsTheProgramsOwnUnlessATestGivesAnother) {
    FakeDesktop desktop;
    WorkFolder folder;
    Program p(desktop, folder.files());
    EXPECT_EQ(p.siteBase, "https://tankwise.example/");
}

struct LaunchRow {
    const char* name;
    Ctl button;
};

class BrowserMissing : public DesktopServices, public testing::WithParamInterface<LaunchRow> {};

TEST_P(BrowserMissing, IsReportedAndTheProgramGoesOn) {
    desktop.openFails = true;
    click(GetParam().button);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Error");
    EXPECT_EQ(desktop.messages[0].text, "Unable to launch Browser.");
    EXPECT_EQ(desktop.messages[0].icon, Icon::None);
    EXPECT_EQ(desktop.messages[0].buttons, Buttons::Ok);
    EXPECT_FALSE(p.ended());
}

INSTANTIATE_TEST_SUITE_P(Launches, BrowserMissing,
                         testing::Values(LaunchRow{"logo", Ctl::Logo},
                                         LaunchRow{"help", Ctl::Help1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BrokenLauncher, GivesTheProgramErrorBoxAndTheProgramGoesOn) {
    BrokenLauncher desktop;
    WorkFolder folder;
    Program p(desktop, folder.files());
    p.start("-InhibitUpdate");
    p.click(WindowId::Main, int(Ctl::Logo));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Error");
    EXPECT_EQ(desktop.messages[0].text,
              "A program error has occured\r\nError Number: 0\r\n"
              "Error description: launcher crashed");
    EXPECT_EQ(desktop.messages[0].icon, Icon::None);
    EXPECT_FALSE(p.ended());
}

TEST_F(DesktopServices, HelpOpensTheLocalHelpPage) {
    click(Ctl::Help1);
    EXPECT_EQ(desktop.opened, QStringList{"Help/index.htm"});
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(DesktopServices, HelpWithoutItsPageWarnsAndGoesOn) {
    folder.remove("Help/index.htm");
    click(Ctl::Help1);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Help File Error");
    EXPECT_EQ(desktop.messages[0].text,
              "The help file is either missing or\r\ncorrupted. Reinstall the program\r\n"
              "to correct the error.\r\n");
    EXPECT_EQ(desktop.messages[0].icon, Icon::Warning);
    EXPECT_TRUE(desktop.opened.isEmpty());
    EXPECT_FALSE(p.ended());
}

TEST_F(DesktopServices, HelpWithoutItsFolderEndsTheProgram) {
    folder.remove("Help");
    EXPECT_THROW(click(Ctl::Help1), ProgramEnded);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise Help Directory Error");
    EXPECT_EQ(desktop.messages[0].icon, Icon::Stop);
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(DesktopServices, OnTopMovesTheWindowInAndOutOfTheTopmostBandAtOnce) {
    click(Ctl::OnTop);
    EXPECT_EQ(p.st.RunOnTop, 2.0f);
    EXPECT_TRUE(desktop.topmost.value(WindowId::Main));
    click(Ctl::OnTop);
    EXPECT_EQ(p.st.RunOnTop, 1.0f);
    EXPECT_FALSE(desktop.topmost.value(WindowId::Main, true));
}

TEST_F(DesktopServices, OnTopIsNotWrittenUntilSaveData) {
    const QByteArray before = folder.bytes("Data/Tankwise.ini");
    click(Ctl::OnTop);
    EXPECT_EQ(folder.bytes("Data/Tankwise.ini"), before);
}

TEST_F(DesktopServices, ActivationPutsATickedOnTopWindowBackOnTop) {
    click(Ctl::OnTop);
    desktop.topmost.clear();
    p.activate();
    EXPECT_TRUE(desktop.topmost.value(WindowId::Main));
}

TEST_F(DesktopServices, TickingAutoSaveDisablesSaveAndUntickingLeavesItSo) {
    p.main.setEnabled(Ctl::Save, true);  // a calculation waiting to be saved
    click(Ctl::AutoSave);
    EXPECT_FALSE(p.main.enabled(Ctl::Save));
    click(Ctl::AutoSave);
    EXPECT_FALSE(p.main.checked(Ctl::AutoSave));
    EXPECT_FALSE(p.main.enabled(Ctl::Save));
}

TEST_F(DesktopServices, UntickingAutoSaveDoesNotDisableAWaitingSave) {
    click(Ctl::AutoSave);
    p.main.setEnabled(Ctl::Save, true);
    click(Ctl::AutoSave);
    EXPECT_TRUE(p.main.enabled(Ctl::Save));
}

}  // namespace
}  // namespace tw
