#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Widgets need one application object for the whole run. CTest sets
// QT_QPA_PLATFORM=offscreen, so no display is needed.
class QtApplication : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace
