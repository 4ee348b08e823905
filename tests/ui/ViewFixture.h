#pragma once
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "ui/ProgramView.h"

namespace tw {

// A started program in a fresh installation, shown in its real windows.
class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Leaving the application would stop every later event loop of the test run.
        view.quit = [this](int exitCode) { quitCodes.push_back(exitCode); };
        ASSERT_TRUE(view.start(QString()));
    }

    QWidget* window(WindowId id) const { return view.window(id); }
    template <class W = QWidget>
    W* control(WindowId id, int c) const {
        return qobject_cast<W*>(view.binder(id).widget(c));
    }
    template <class W = QWidget>
    W* control(Ctl c) const {
        return control<W>(WindowId::Main, int(c));
    }

    WorkFolder work;
    FakeDesktop desktop;
    Program p{desktop, work.files()};
    ProgramView view{p};
    std::vector<int> quitCodes;
};

}  // namespace tw
