#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Widgets need one application object for the whole run. CTest sets
// QT_QPA_PLATFORM=offscreen (or runs under xvfb-run), so no display is needed.
struct QtApplication : ::testing::Environment {
    int argc = 1;
    char name[6] = "tests";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
    void SetUp() override {
        app = std::make_unique<QApplication>(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        // Window places go to a folder of the test run, not the user's.
        QStandardPaths::setTestModeEnabled(true);
    }
    void TearDown() override { app.reset(); }
};

[[maybe_unused]] const ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace
