#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/AboutWindow.h"
#include "app/Program.h"

namespace tw {
namespace {

const QString kSite = "http://127.0.0.1:8123/";

class AboutWindow : public testing::Test {
protected:
    void SetUp() override { p.start("-InhibitUpdate"); }
    void clickMain(Ctl c) { p.click(WindowId::Main, int(c)); }
    void clickAbout(AboutCtl c) { p.click(WindowId::About, int(c)); }

    FakeDesktop desktop;
    WorkFolder folder;
    Program p{desktop, folder.files(), kSite};
};

TEST_F(AboutWindow, OpensModalWithTheProgramsNameVersionAndAddress) {
    EXPECT_FALSE(p.about->open());
    clickMain(Ctl::About);
    const AboutModel& about = *p.about;
    EXPECT_TRUE(about.open());
    EXPECT_TRUE(about.shown());
    EXPECT_EQ(about.caption(), "About Tankwise");
    EXPECT_EQ(about.text(AboutCtl::ProgName), "Tankwise");
    EXPECT_EQ(about.text(AboutCtl::ProgVersion), "Version 3.0");
    // The shown address is the maker's; a test site only changes where clicks go.
    EXPECT_EQ(about.text(AboutCtl::WebSite), "https://tankwise.example/");
    EXPECT_FALSE(about.text(AboutCtl::Notice).isEmpty());
    EXPECT_EQ(about.text(AboutCtl::ExitAbout), "&Exit");
    EXPECT_EQ(about.tooltip(AboutCtl::ExitAbout), "Close Tankwise About Screen");
}

TEST_F(AboutWindow, TheAddressOpensTheHomePage) {
    clickMain(Ctl::About);
    clickAbout(AboutCtl::WebSite);
    EXPECT_EQ(desktop.opened, QStringList{kSite});
    EXPECT_TRUE(p.about->open());
}

TEST_F(AboutWindow, OpensAboveAMainWindowThatRunsOnTop) {
    clickMain(Ctl::OnTop);
    clickMain(Ctl::About);
    EXPECT_TRUE(desktop.topmost.value(WindowId::About));
}

TEST_F(AboutWindow, StaysInTheNormalBandWhenTheProgramDoesNotRunOnTop) {
    clickMain(Ctl::OnTop);
    clickMain(Ctl::About);
    clickAbout(AboutCtl::ExitAbout);
    clickMain(Ctl::OnTop);
    clickMain(Ctl::About);
    EXPECT_FALSE(desktop.topmost.value(WindowId::About, true));
}

struct CloseRow {
    const char* name;
    bool byTitleBar;
};

class AboutClosing : public AboutWindow, public testing::WithParamInterface<CloseRow> {};

TEST_P(AboutClosing, HandsBackToTheMainWindowWhichIsActivatedAgain) {
    clickMain(Ctl::OnTop);
    clickMain(Ctl::About);
    p.main.setEnabled(Ctl::Save, true);
    desktop.topmost.clear();

    if (GetParam().byTitleBar)
        p.close(WindowId::About);
    else
        clickAbout(AboutCtl::ExitAbout);

    EXPECT_FALSE(p.about->open());
    EXPECT_FALSE(p.about->shown());
    // The main window's activation ran: topmost again, Save disabled.
    EXPECT_TRUE(desktop.topmost.value(WindowId::Main));
    EXPECT_FALSE(p.main.enabled(Ctl::Save));
    EXPECT_FALSE(p.ended());
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutClosing,
                         testing::Values(CloseRow{"exitButton", false},
                                         CloseRow{"titleBar", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw
