#include <gtest/gtest.h>

#include "platform/MainControls.h"

namespace tw {
namespace {

struct Reactions {
    std::vector<std::pair<Ctl, Change>> seen;
    void attach(MainModel& m) {
        m.setReaction([this](int id, Change c) { seen.emplace_back(static_cast<Ctl>(id), c); });
    }
};

TEST(WindowModel, ProgramChangesReactOnlyWhenTheValueReallyChanges) {
    MainModel m;
    Reactions r;
    r.attach(m);
    m.setText(Ctl::TARead1, "12");
    m.setText(Ctl::TARead1, "12");
    m.setChecked(Ctl::TankAU, true);
    m.setChecked(Ctl::TankAU, true);
    m.setIndex(Ctl::TankAS, 2);
    m.setIndex(Ctl::TankAS, 2);
    m.setText(Ctl::Status, "a label");  // labels have no change event
    ASSERT_EQ(r.seen.size(), 3u);
    EXPECT_EQ(r.seen[0], std::make_pair(Ctl::TARead1, Change::Text));
    EXPECT_EQ(r.seen[1], std::make_pair(Ctl::TankAU, Change::Checked));
    EXPECT_EQ(r.seen[2], std::make_pair(Ctl::TankAS, Change::Index));
}

TEST(WindowModel, EveryControlIsFoundByItsDesignName) {
    MainModel m;
    for (int i = 0; i < m.count(); ++i) EXPECT_EQ(m.find(m.at(i).name), i) << m.at(i).name.toStdString();
    EXPECT_FALSE(m.find("tankacap").has_value());
    EXPECT_EQ(m.text(Ctl::Calc), "&Calculate");
    EXPECT_EQ(m.tooltip(Ctl::Save), "Save results  (each result can only be saved once)");
    m.setIndex(Ctl::TankBS, 2);
    EXPECT_EQ(m.itemText(Ctl::TankBS), "Rectangular");
    m.setIndex(Ctl::TankBS, 7);
    EXPECT_EQ(m.itemText(Ctl::TankBS), "");
}

}  // namespace
}  // namespace tw
