// The Qt desktop: which box the user sees and what pressing its buttons answers,
// the locale the program works in, and stay-on-top.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/ProgramEnded.h"
#include "ui/QtDesktop.h"

namespace tw {
namespace {

struct SeenBox {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString title, text;
    bool seen = false;
};

// Presses `press` on the next message box as soon as it is up.
void PressOnNextBox(QMessageBox::StandardButton press, SeenBox& seen) {
    QTimer::singleShot(0, [press, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return PressOnNextBox(press, seen);
        seen = {box->icon(), box->standardButtons(), box->windowTitle(), box->text(), true};
        box->button(press)->click();
    });
}

struct BoxCase {
    const char* name;
    Icon icon;
    Buttons buttons;
    QMessageBox::StandardButton press;
    QMessageBox::Icon shownIcon;
    QMessageBox::StandardButtons shownButtons;
    Answer answer;
};

// Rows are named in test output by their name only.
void PrintTo(const BoxCase& row, std::ostream* out) { *out << row.name; }

class MessageBoxes : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxes, ShowTheIconAndButtonsAskedForAndAnswerThePressedButton) {
    const BoxCase& c = GetParam();
    QtDesktop desktop(QDir::tempPath());
    SeenBox seen;
    PressOnNextBox(c.press, seen);
    const Answer answer = desktop.message("Tankwise Save Data", "First line\r\nSecond line",
                                          c.icon, c.buttons);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.icon, c.shownIcon);
    EXPECT_EQ(seen.buttons, c.shownButtons);
    EXPECT_EQ(seen.title, "Tankwise Save Data");
    EXPECT_EQ(seen.text, "First line\nSecond line");
    EXPECT_EQ(answer, c.answer);
}

using SB = QMessageBox;
INSTANTIATE_TEST_SUITE_P(
    Desktop, MessageBoxes,
    ::testing::Values(
        BoxCase{"StopIsCritical", Icon::Stop, Buttons::Ok, SB::Ok, SB::Critical, SB::Ok, Answer::Ok},
        BoxCase{"WarningIsWarning", Icon::Warning, Buttons::Ok, SB::Ok, SB::Warning, SB::Ok, Answer::Ok},
        BoxCase{"InformationCancelled", Icon::Information, Buttons::OkCancel, SB::Cancel,
                SB::Information, SB::Ok | SB::Cancel, Answer::Cancel},
        BoxCase{"NoIconYes", Icon::None, Buttons::YesNo, SB::Yes, SB::NoIcon, SB::Yes | SB::No,
                Answer::Yes},
        BoxCase{"ExclamationThreeButtonsNo", Icon::Exclamation, Buttons::YesNoCancel, SB::No,
                SB::Warning, SB::Yes | SB::No | SB::Cancel, Answer::No}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtDesktopEnd, AnEndedProgramAsksNothingMore) {
    QtDesktop desktop(QDir::tempPath());
    desktop.setEnded();
    EXPECT_THROW(desktop.message("Tankwise", "text", Icon::None, Buttons::Ok), ProgramEnded);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(QtDesktopLocale, TheBareCLocaleBecomesBritishEnglishAndOthersStayAsTheyAre) {
    const QLocale fromC = QtDesktop::usableLocale(QLocale::c());
    EXPECT_EQ(fromC.language(), QLocale::English);
    EXPECT_EQ(fromC.territory(), QLocale::UnitedKingdom);
    EXPECT_FALSE(fromC.currencySymbol().isEmpty());
    const QLocale french(QLocale::French, QLocale::France);
    EXPECT_EQ(QtDesktop::usableLocale(french), french);
}

TEST(QtDesktopTopmost, KeepsAWindowWhereItIsAndAsShownOrHiddenAsItWas) {
    QtDesktop desktop(QDir::tempPath());
    QWidget shown, hidden;
    shown.setGeometry(120, 90, 300, 200);
    shown.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
    desktop.setWindow(WindowId::Main, &shown);
    desktop.setWindow(WindowId::About, &hidden);

    for (const bool on : {true, false}) {
        desktop.setTopmost(WindowId::Main, on);
        desktop.setTopmost(WindowId::About, on);
        EXPECT_EQ(shown.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_EQ(hidden.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_TRUE(shown.isVisible());
        EXPECT_FALSE(hidden.isVisible());
        EXPECT_EQ(shown.geometry(), QRect(120, 90, 300, 200));
    }
}

}  // namespace
}  // namespace tw
