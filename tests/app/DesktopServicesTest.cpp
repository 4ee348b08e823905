#include <gtest/gtest.h>

#include <stdexcept>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "platform/ProgramEnded.h"

namespace tw {
namespace {

// The pages the buttons open, the texts of the boxes, OnTop and AutoSave are pinned
// by the desktop_* and about_* scenarios. Here: the program's own address, the box
// icons, a launcher that breaks, and re-applying OnTop on activation.
class FlakyLauncher : public FakeDesktop {
public:
    bool crashes = false;
    bool openUrl(const QString& url) override {
        if (crashes) throw std::runtime_error("launcher crashed");
        return FakeDesktop::openUrl(url);
    }
};

class DesktopServices : public testing::Test {
protected:
    void SetUp() override { p.start("-InhibitUpdate"); }
    void click(Ctl c) { p.click(WindowId::Main, int(c)); }

    FlakyLauncher desktop;
    WorkFolder folder;
    Program p{desktop, folder.files()};
};

TEST_F(DesktopServices, PagesLieBelowTheProgramsOwnSite) {
    // Scenarios and tests hand the program another address; this one is the user's.
    EXPECT_EQ(p.siteBase, "https://tankwise.example/");
}

TEST_F(DesktopServices, ActivationPutsATickedOnTopWindowBackOnTop) {
    click(Ctl::OnTop);
    desktop.topmost.clear();
    p.activate();
    EXPECT_TRUE(desktop.topmost.value(WindowId::Main));
}

struct BoxRow {
    const char* name;
    void (*prepare)(FlakyLauncher&, WorkFolder&);
    Ctl button;
    const char* title;
    const char* says;
    Icon icon;
    bool ends;
};

class DesktopBox : public DesktopServices, public testing::WithParamInterface<BoxRow> {};

TEST_P(DesktopBox, HasItsIconAndEndsTheProgramOnlyWhenItMust) {
    const BoxRow& row = GetParam();
    row.prepare(desktop, folder);
    if (row.ends)
        EXPECT_THROW(click(row.button), ProgramEnded);
    else
        EXPECT_NO_THROW(click(row.button));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, row.title);
    EXPECT_TRUE(desktop.messages[0].text.contains(row.says)) << desktop.messages[0].text.toStdString();
    EXPECT_EQ(desktop.messages[0].icon, row.icon);
    EXPECT_EQ(p.ended(), row.ends);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, DesktopBox,
    testing::Values(
        BoxRow{"browserMissing", [](FlakyLauncher& d, WorkFolder&) { d.openFails = true; }, Ctl::Logo,
               "Tankwise Error", "Unable to launch Browser.", Icon::None, false},
        BoxRow{"launcherCrashes", [](FlakyLauncher& d, WorkFolder&) { d.crashes = true; }, Ctl::Logo,
               "Tankwise Error",
               "A program error has occured\r\nError Number: 0\r\nError description: launcher crashed",
               Icon::None, false},
        BoxRow{"helpPageMissing", [](FlakyLauncher&, WorkFolder& f) { f.remove("Help/index.htm"); },
               Ctl::Help1, "Tankwise Help File Error", "help file is either missing", Icon::Warning,
               false},
        BoxRow{"helpFolderMissing", [](FlakyLauncher&, WorkFolder& f) { f.remove("Help"); }, Ctl::Help1,
               "Tankwise Help Directory Error", "Help directory does not exist", Icon::Stop, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw
