// The Designer forms hold every control of the models, each as the widget its kind
// calls for, laid out so that none covers another.
#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <set>

#include "ViewFixture.h"
#include "app/AboutWindow.h"
#include "app/UpdateWindow.h"

namespace tw {
namespace {

const char* ExpectedClass(Kind kind) {
    switch (kind) {
    case Kind::TextBox: return "QLineEdit";
    case Kind::Label:
    case Kind::Picture: return "QLabel";
    case Kind::Button: return "QPushButton";
    case Kind::CheckBox: return "QCheckBox";
    case Kind::ComboBox: return "QComboBox";
    case Kind::Group: return "QGroupBox";
    }
    return "";
}

struct FormCase {
    const char* name;
    WindowId id;
};

// Rows are named in test output by their name only.
void PrintTo(const FormCase& row, std::ostream* out) { *out << row.name; }

class Forms : public ViewTest, public ::testing::WithParamInterface<FormCase> {
protected:
    const WindowModel& model(WindowId id) const {
        switch (id) {
        case WindowId::About: return *p.about;
        case WindowId::Update: return p.update->model;
        case WindowId::Main: break;
        }
        return p.main;
    }
};

TEST_P(Forms, EveryControlOfTheModelIsAWidgetOfItsKind) {
    const WindowId id = GetParam().id;
    const WindowModel& m = model(id);
    EXPECT_EQ(view.binder(id).missingControls(), QStringList());
    for (int c = 0; c < m.count(); ++c) {
        const QWidget* w = view.binder(id).widget(c);
        if (!w) continue;
        const Control& ctl = m.at(c);
        QString expected = ExpectedClass(ctl.kind);
        // The update window's message runs over several lines.
        if (id == WindowId::Update && ctl.name == "Message") expected = "QPlainTextEdit";
        EXPECT_EQ(QString(w->metaObject()->className()), expected) << ctl.name.toStdString();
        if (ctl.kind == Kind::Picture) {
            const auto* picture = qobject_cast<const QLabel*>(w);
            ASSERT_NE(picture, nullptr);
            EXPECT_FALSE(picture->pixmap().isNull()) << ctl.name.toStdString() << " has no logo";
            EXPECT_TRUE(picture->property(FormBinder::kClickable).toBool())
                << ctl.name.toStdString() << " cannot be clicked";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, Forms,
                         ::testing::Values(FormCase{"Main", WindowId::Main},
                                           FormCase{"About", WindowId::About},
                                           FormCase{"Update", WindowId::Update}),
                         [](const auto& info) { return std::string(info.param.name); });

using MainForm = ViewTest;

TEST_F(MainForm, ResultFieldsAreReadOnlyAndInputFieldsAreNot) {
    const std::set<Ctl> results = {Ctl::TDays,  Ctl::TDaysP,  Ctl::TankT,  Ctl::TankTP,
                                   Ctl::TCost,  Ctl::TCostP,  Ctl::VCost,  Ctl::VCostP,
                                   Ctl::TVCost, Ctl::TVCostP, Ctl::TCO2,   Ctl::TCO2P,
                                   Ctl::VDay,   Ctl::DCost,   Ctl::DCO2,   Ctl::OLeft,
                                   Ctl::FillDate};
    for (int c = 0; c < p.main.count(); ++c) {
        const auto* edit = control<QLineEdit>(Ctl(c));
        if (!edit) continue;
        EXPECT_EQ(edit->isReadOnly(), results.count(Ctl(c)) == 1) << p.main.at(c).name.toStdString();
    }
}

TEST_F(MainForm, NotesTakeAtMostSeventyFiveCharacters) {
    EXPECT_EQ(control<QLineEdit>(Ctl::Notes)->maxLength(), 75);
}

TEST_F(MainForm, GroupsShowTheirCaptionsWithOneAmpersand) {
    const auto* group = control<QGroupBox>(Ctl::TankOilGroup);
    EXPECT_EQ(group->title(), "Tank && Oil Data");  // a group box shows "&&" as "&"
    EXPECT_EQ(control<QGroupBox>(Ctl::ResultsGroup)->title(), "Results");
}

TEST_F(MainForm, NoTwoControlsOverlap) {
    QWidget* main = window(WindowId::Main);
    QCoreApplication::processEvents();  // the layout settles after the program's captions
    ASSERT_TRUE(main->isVisible());
    struct Placed {
        QString name;
        QRect rect;
    };
    std::vector<Placed> placed;
    // The controls are laid out in the window itself and in its groups.
    for (QWidget* w : main->findChildren<QWidget*>()) {
        QWidget* parent = w->parentWidget();
        if (!w->isVisible() || qobject_cast<QGroupBox*>(w)) continue;
        if (parent != main && !qobject_cast<QGroupBox*>(parent)) continue;
        placed.push_back({w->objectName(), QRect(w->mapTo(main, QPoint(0, 0)), w->size())});
    }
    ASSERT_GT(placed.size(), 100u);
    for (size_t i = 0; i < placed.size(); ++i)
        for (size_t j = i + 1; j < placed.size(); ++j)
            EXPECT_FALSE(placed[i].rect.intersects(placed[j].rect))
                << placed[i].name.toStdString() << " overlaps " << placed[j].name.toStdString();
}

TEST_F(MainForm, EveryControlHasRoomForWhatItShows) {
    QCoreApplication::processEvents();
    for (int c = 0; c < p.main.count(); ++c) {
        const QWidget* w = control(Ctl(c));
        // The logo is scaled to the room it has.
        if (!w || !w->isVisible() || p.main.at(c).kind == Kind::Picture) continue;
        const QSize need = w->minimumSizeHint();
        EXPECT_GE(w->width(), need.width()) << p.main.at(c).name.toStdString();
        EXPECT_GE(w->height(), need.height()) << p.main.at(c).name.toStdString();
    }
}

}  // namespace
}  // namespace tw
