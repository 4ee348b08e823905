// A window comes back at the size and with the splitter where the user left it, kept
// in the user's configuration (the test run's own, in Qt's test mode).
#include <QSplitter>
#include <QWidget>
#include <gtest/gtest.h>

#include "ui/WindowPlaces.h"

namespace tw {
namespace {

struct Shown {
    QWidget window;
    QSplitter* split = new QSplitter(&window);
    WindowPlace* place;
    Shown() {
        split->addWidget(new QWidget);
        split->addWidget(new QWidget);
        split->resize(400, 200);
        place = new WindowPlace(&window, QStringLiteral("Test"), split);
    }
};

TEST(WindowPlaces, AWindowComesBackAsItWasLeft) {
    WindowPlaceStore().remove(QStringLiteral("Test"));
    int left = 0;
    {
        Shown first;
        EXPECT_FALSE(first.place->restored());
        first.window.show();
        first.window.resize(520, 310);
        first.split->setSizes({120, 280});
        left = first.split->sizes().value(0);
        first.window.hide();  // closing keeps the place
    }
    Shown second;
    EXPECT_TRUE(second.place->restored());
    EXPECT_EQ(second.window.size(), QSize(520, 310));
    EXPECT_LT(left, 150);  // not the even split a new splitter starts with
    EXPECT_EQ(second.split->sizes().value(0), left);
}

}  // namespace
}  // namespace tw
