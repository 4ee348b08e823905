// The Qt desktop: which box the user sees and what pressing its buttons answers,
// the locale the program works in, and stay-on-top.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/ProgramEnded.h"
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
        BoxCase{"ExclamationIsWarning", Icon::Exclamation, Buttons::Ok, SB::Ok, SB::Warning, SB::Ok,
                Answer::Ok},
        BoxCase{"InformationCancelled", Icon::Information, Buttons::OkCancel, SB::Cancel,
                SB::Information, SB::Ok | SB::Cancel, Answer::Cancel},
        BoxCase{"NoIconYes", Icon::None, Buttons::YesNo, SB::Yes, SB::NoIcon, SB::Yes | SB::No,
                Answer::Yes},
        BoxCase{"NoIconNo", Icon::None, Buttons::YesNo, SB::No, SB::NoIcon, SB::Yes | SB::No,
                Answer::No},
        BoxCase{"ThreeButtonsCancel", Icon::Exclamation, Buttons::YesNoCancel, SB::Cancel,
                SB::Warning, SB::Yes | SB::No | SB::Cancel, Answer::Cancel}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtDesktopEnd, AnEndedProgramAsksNothingMore) {
    QtDesktop desktop(QDir::tempPath());
    desktop.setEnded();
    EXPECT_THROW(desktop.message("Tankwise", "text", Icon::None, Buttons::Ok), ProgramEnded);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

struct LocaleCase {
    const char* name;
    QLocale system;
    QLocale::Language language;
    QLocale::Territory territory;
};

// Rows are named in test output by their name only.
void PrintTo(const LocaleCase& row, std::ostream* out) { *out << row.name; }

class Locales : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(Locales, TheBareCLocaleBecomesBritishEnglish) {
    const QLocale used = QtDesktop::usableLocale(GetParam().system);
    EXPECT_EQ(used.language(), GetParam().language);
    EXPECT_EQ(used.territory(), GetParam().territory);
    EXPECT_FALSE(used.currencySymbol().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, Locales,
    ::testing::Values(LocaleCase{"C", QLocale::c(), QLocale::English, QLocale::UnitedKingdom},
                      LocaleCase{"French", QLocale(QLocale::French, QLocale::France),
                                 QLocale::French, QLocale::France},
                      LocaleCase{"American", QLocale(QLocale::English, QLocale::UnitedStates),
                                 QLocale::English, QLocale::UnitedStates}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtDesktopTopmost, KeepsTheWindowWhereItIsAndShown) {
    QtDesktop desktop(QDir::tempPath());
    QWidget window;
    window.setGeometry(120, 90, 300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    desktop.setWindow(WindowId::Main, &window);

    desktop.setTopmost(WindowId::Main, true);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QRect(120, 90, 300, 200));

    desktop.setTopmost(WindowId::Main, false);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QRect(120, 90, 300, 200));
}

TEST(QtDesktopTopmost, AHiddenWindowStaysHidden) {
    QtDesktop desktop(QDir::tempPath());
    QWidget window;
    desktop.setWindow(WindowId::About, &window);
    desktop.setTopmost(WindowId::About, true);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace tw
