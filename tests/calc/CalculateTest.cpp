#include <gtest/gtest.h>

#include "CalcSession.h"
#include "app/ProgramEnded.h"
#include "calc/Fingerprint.h"
#include "calc/ShownValue.h"

namespace tw {
namespace {

const Ctl kResultFields[] = {Ctl::TDays, Ctl::TankT,  Ctl::TCost,  Ctl::TVCost,  Ctl::VCost,
                             Ctl::DCost, Ctl::VDay,   Ctl::DCO2,   Ctl::TCO2,    Ctl::TDaysP,
                             Ctl::TankTP, Ctl::TCostP, Ctl::TVCostP, Ctl::VCostP, Ctl::TCO2P,
                             Ctl::FillDate, Ctl::OLeft};

// No field may ever show a number that is not one.
void ExpectNoBrokenNumbers(const CalcSession& s) {
    for (int i = 0; i < s.p.main.count(); ++i) {
        const QString t = s.p.main.at(i).text.toLower();
        EXPECT_FALSE(t.contains("nan") || t.contains("inf")) << s.p.main.at(i).name.toStdString()
                                                             << " shows " << t.toStdString();
    }
}

// Tank A in volume mode, 1100 litres at 31 August 2009 and 100 left 40 days later.
void FortyDaysFromAugust(CalcSession& s, const char* date2 = "10/10/2009") {
    s.volumeReadings("1100", "100");
    s.type(Ctl::Date1, "31/08/2009");
    s.type(Ctl::Date2, date2);
}

TEST(CalculateVolumes, DepthReadingsAreMeasuredFromTheOffset) {
    CalcSession s;
    s.type(Ctl::TankACap, "2500");
    s.type(Ctl::TankOffA, "2");
    s.type(Ctl::Date1, "01/03/2010");
    s.type(Ctl::Date2, "10/04/2010");
    s.type(Ctl::TARead1, "62");
    s.type(Ctl::TARead2, "32");
    s.click(Ctl::Calc);

    EXPECT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    EXPECT_FLOAT_EQ(s.p.st.OilAtReading1, 1250.0f);
    EXPECT_FLOAT_EQ(s.p.st.OilAtReading2, 488.8f);
    EXPECT_DOUBLE_EQ(FloatDecimal(s.p.st.OilAtReading1 - s.p.st.OilAtReading2), 761.2);
    EXPECT_EQ(s.text(Ctl::TankT), "761");
    EXPECT_EQ(s.text(Ctl::TDays), "40");
    EXPECT_EQ(s.text(Ctl::VDay), "19.0");
    EXPECT_EQ(s.text(Ctl::TCO2), "1933");  // 761.2 × 2.54
    EXPECT_EQ(s.text(Ctl::DCO2), "48.3");
    EXPECT_EQ(s.text(Ctl::OLeft), "489");
    EXPECT_EQ(s.text(Ctl::OLeftM), "Left:");
    // 488.8 litres at 19.0 a day last 25 whole days.
    EXPECT_EQ(s.text(Ctl::FillDate), "05/05/2010");
    EXPECT_EQ(s.text(Ctl::TDaysP), "184");
    EXPECT_EQ(s.text(Ctl::TankTP), "3502");  // 761.2 × 184 ÷ 40 = 3501.52
    EXPECT_EQ(s.text(Ctl::TCO2P), "8895");
}

TEST(CalculateVolumes, TwoTanksAddUp) {
    CalcSession s;
    s.type(Ctl::TankBCap, "1000");
    s.type(Ctl::TankBD, "100");
    s.p.selected(WindowId::Main, int(Ctl::TankBS), 1);  // upright cylinder
    s.type(Ctl::Date1, "01/03/2010");
    s.type(Ctl::Date2, "10/04/2010");
    s.type(Ctl::TARead1, "60");
    s.type(Ctl::TARead2, "30");
    s.type(Ctl::TBRead1, "50");
    s.type(Ctl::TBRead2, "25");
    s.click(Ctl::Calc);

    EXPECT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    EXPECT_FLOAT_EQ(s.p.st.OilAtReading1, 600.0f + 500.0f);
    EXPECT_FLOAT_EQ(s.p.st.OilAtReading2, 234.6f + 250.0f);
    EXPECT_EQ(s.text(Ctl::TankT), "615");  // 615.4
    EXPECT_EQ(s.text(Ctl::OLeft), "485");
    EXPECT_EQ(s.text(Ctl::TBRead1), "50.0");
}

TEST(CalculateVolumes, ReadingsOutsideTheTankCountAsEmptyOrFull) {
    CalcSession s("-InhibitCombCheck");
    s.type(Ctl::TankOffA, "2");
    s.type(Ctl::Date1, "01/03/2010");
    s.type(Ctl::Date2, "10/04/2010");
    s.type(Ctl::TARead1, "130");  // above depth plus offset: full
    s.type(Ctl::TARead2, "1");    // below the offset: empty
    s.click(Ctl::Calc);

    EXPECT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    EXPECT_FLOAT_EQ(s.p.st.OilAtReading1, 1199.9f);
    EXPECT_FLOAT_EQ(s.p.st.OilAtReading2, 0.1f);
    EXPECT_EQ(s.text(Ctl::TankT), "1200");  // 1199.8
    EXPECT_EQ(s.text(Ctl::OLeft), "0");
    ExpectNoBrokenNumbers(s);
}

TEST(CalculateVolumes, ASecondTankWithoutCapacityAddsNothingAndLosesItsReadings) {
    CalcSession s("-InhibitCombCheck");
    FortyDaysFromAugust(s);
    s.type(Ctl::TBRead1, "50");
    s.type(Ctl::TBRead2, "25");
    s.click(Ctl::Calc);

    EXPECT_FLOAT_EQ(s.p.st.OilAtReading1, 1100.0f);
    EXPECT_FLOAT_EQ(s.p.st.OilAtReading2, 100.0f);
    EXPECT_EQ(s.text(Ctl::TBRead1), "");
    EXPECT_EQ(s.text(Ctl::TBRead2), "");
    EXPECT_EQ(s.text(Ctl::TARead1), "1100");
}

TEST(CalculateVolumes, MoreOilAtTheEndThanThereCouldBeIsRefused) {
    CalcSession s;
    s.volumeReadings("100", "300");
    s.type(Ctl::Date1, "01/03/2010");
    s.type(Ctl::Date2, "10/04/2010");
    s.type(Ctl::Date3, "01/04/2010");
    s.type(Ctl::LAdd1, "100");
    s.type(Ctl::OCost1, "£0.4500");
    s.click(Ctl::Calc);

    ASSERT_EQ(s.desktop.messages.size(), 1u);
    EXPECT_EQ(Str(s.desktop.messages[0].title), "Tankwise Data Error");
    EXPECT_EQ(s.desktop.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(Str(s.desktop.messages[0].text),
              "The amount of oil remaining is more than there should be\n");
    for (Ctl c : kResultFields) EXPECT_EQ(s.text(c), "") << int(c);
    EXPECT_TRUE(s.p.st.SaveError.isEmpty());
    EXPECT_TRUE(s.p.st.LastInputFingerprint.isEmpty());
    EXPECT_EQ(s.text(Ctl::OCost1), "0.4500");  // the symbol stays off after a failure
    EXPECT_FALSE(s.p.main.enabled(Ctl::Save));
}

TEST(CalculateVolumes, AFailureWithoutAFirstDatePutsTheCursorThere) {
    CalcSession s;
    s.volumeReadings("", "200");
    s.type(Ctl::LAdd1, "100");
    s.type(Ctl::Date2, "10/04/2010");
    s.click(Ctl::Calc);
    ASSERT_FALSE(s.desktop.messages.empty());
    EXPECT_TRUE(s.p.main.hasFocus(Ctl::Date1));
}

TEST(CalculateUnchanged, ASecondClickOnTheSameDataIsRefused) {
    CalcSession s;
    FortyDaysFromAugust(s);
    s.click(Ctl::Calc);
    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    const std::string used = s.text(Ctl::TankT);
    ASSERT_FALSE(used.empty());

    s.click(Ctl::Calc);
    ASSERT_EQ(s.desktop.messages.size(), 1u);
    EXPECT_EQ(Str(s.desktop.messages[0].title), "Tankwise Data Error");
    EXPECT_EQ(Str(s.desktop.messages[0].text),
              "The data has not changed\r\nsince the last calculation");
    EXPECT_EQ(s.text(Ctl::TankT), used);
    EXPECT_TRUE(s.p.st.SaveError.isEmpty());

    // The heating of reading 1 describes the last period: still unchanged.
    s.click(Ctl::CHeat1);
    s.click(Ctl::WHeat1);
    s.click(Ctl::Calc);
    EXPECT_EQ(s.desktop.messages.size(), 2u);

    s.click(Ctl::CHeat2);
    s.click(Ctl::Calc);
    EXPECT_EQ(s.desktop.messages.size(), 2u);
    EXPECT_EQ(s.text(Ctl::TankT), used);
}

TEST(CalculateUnchanged, PriceFieldsGetTheirSymbolBackWhenRefused) {
    CalcSession s;
    FortyDaysFromAugust(s);
    s.type(Ctl::OCost1, "0.5");
    s.type(Ctl::LAdd1, "500");
    s.type(Ctl::Date3, "01/09/2009");
    s.type(Ctl::TARead1, "600");
    s.click(Ctl::Calc);
    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    ASSERT_EQ(s.text(Ctl::OCost1), "£0.5000");

    s.click(Ctl::Calc);
    ASSERT_EQ(s.desktop.messages.size(), 1u);
    EXPECT_EQ(s.text(Ctl::OCost1), "£0.5000");
}

struct FingerprintRow {
    const char* name;
    Ctl control;
    bool counts;
};

class FingerprintOf : public testing::TestWithParam<FingerprintRow> {};

TEST_P(FingerprintOf, ChangesWithWhatTheResultDependsOn) {
    CalcSession s;
    const FingerprintRow& r = GetParam();
    const QString before = BuildInputFingerprint(s.p);
    EXPECT_TRUE(before.endsWith("."));
    if (s.p.main.at(int(r.control)).kind == Kind::CheckBox) {
        s.p.main.setChecked(r.control, !s.p.main.checked(r.control));
    } else if (s.p.main.at(int(r.control)).kind == Kind::ComboBox) {
        s.p.main.setIndex(r.control, (s.p.main.index(r.control) + 1) % 3);
    } else {
        s.p.main.setText(r.control, s.p.main.text(r.control) + "7");
    }
    EXPECT_EQ(BuildInputFingerprint(s.p) != before, r.counts);
}

INSTANTIATE_TEST_SUITE_P(
    Calculate, FingerprintOf,
    testing::Values(FingerprintRow{"date1", Ctl::Date1, true},
                    FingerprintRow{"date4", Ctl::Date4, true},
                    FingerprintRow{"tankBReading2", Ctl::TBRead2, true},
                    FingerprintRow{"notes", Ctl::Notes, true},
                    FingerprintRow{"tankAShape", Ctl::TankAS, true},
                    FingerprintRow{"tankBOffset", Ctl::TankOffB, true},
                    FingerprintRow{"readingMode", Ctl::TankBU, true},
                    FingerprintRow{"pounds", Ctl::TUnitsCT, true},
                    FingerprintRow{"deliveryRate", Ctl::DVRate, true},
                    FingerprintRow{"price2", Ctl::OCost2, true},
                    FingerprintRow{"noHistory", Ctl::NoHistory, true},
                    FingerprintRow{"centralHeating2", Ctl::CHeat2, true},
                    FingerprintRow{"waterHeating2", Ctl::WHeat2, true},
                    FingerprintRow{"centralHeating1", Ctl::CHeat1, false},
                    FingerprintRow{"waterHeating1", Ctl::WHeat1, false},
                    FingerprintRow{"autoSave", Ctl::AutoSave, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FingerprintOf, KeepsTheOffsetsApart) {
    CalcSession s;
    s.p.main.setText(Ctl::TankOffA, "1");
    s.p.main.setText(Ctl::TankOffB, "");
    const QString first = BuildInputFingerprint(s.p);
    s.p.main.setText(Ctl::TankOffA, "");
    s.p.main.setText(Ctl::TankOffB, "1");
    EXPECT_NE(BuildInputFingerprint(s.p), first);
}

}  // namespace
}  // namespace tw
