// The reading and delivery fields on their own and against each other, as message
// lists, and their rewrite once they pass.
#include <gtest/gtest.h>

#include "FieldsWith.h"
#include "calc/CrossChecks.h"
#include "calc/InputChecks.h"

using namespace tw;

static const QLocale kGb("en_GB"), kUs("en_US"), kDe("de_DE"), kFr("fr_FR");

static FieldTexts Ticked(FieldTexts f, bool volumeA, bool volumeB = false) {
    f.setTicked(Ctl::TankAU, volumeA), f.setTicked(Ctl::TankBU, volumeB);
    return f;
}

TEST(InputChecks, MessagesOfEachField) {
    const char* const a1Depth = "Tank A Reading 1 must be between 0 and 300";
    const char* const a1Volume = "Tank A Reading 1 must be between 0 and 9999";
    const char* const added = "Delivery 1 oil added must be either empty or between 100 and 9999";
    const char* const cost = "Delivery 1 oil cost must be either empty or between 0.10 and 9.99";
    struct Row { const char* name; FieldTexts typed; QStringList messages; bool volumeA = false; QLocale locale = kGb; };
    const Row rows[] = {
        {"nothing", {}, {"No Tank Readings or Deliveries to Calculate"}}, {"date1FirstDay", {{Ctl::Date1, "01/01/2000"}}, {}},
        {"date1DayBefore", {{Ctl::Date1, "31/12/1999"}}, {"Tank Reading Date 1 must be between 1st Jan 2000 and 28th Dec 2099"}},
        {"date1LastDay", {{Ctl::Date1, "28/12/2099"}}, {}},
        {"date2DayBefore", {{Ctl::Date2, "03/01/2000"}}, {"Tank Reading Date 2 must be between 4th Jan 2000 and 31st Dec 2099"}},
        {"date2NoDate", {{Ctl::Date2, "32/01/2000"}}, {"Tank Reading Date 2 must be a valid date"}},
        {"date3DayAfter", {{Ctl::Date3, "01/01/2100"}}, {"Delivery Date 1 must be between 1st Jan 2000 and 31st Dec 2099"}},
        {"rangeEnds", {{Ctl::Date2, "01/01/2100"}, {Ctl::Date3, "31/12/1999"}, {Ctl::Date4, "01-Jan-2100"}},
         {"Tank Reading Date 2 must be between 4th Jan 2000 and 31st Dec 2099", "Delivery Date 1 must be between 1st Jan 2000 and 31st Dec 2099", "Delivery Date 2 must be between 1st Jan 2000 and 31st Dec 2099"}},
        {"date4NoDate", {{Ctl::Date4, "x"}}, {"Delivery Date 2 must be empty or a valid date"}},
        {"deDayAfter", {{Ctl::Date1, "29.12.2099"}}, {"Tank Reading Date 1 must be between 1st Jan 2000 and 28th Dec 2099"}, false, kDe},
        {"depthMaximum", {{Ctl::TARead1, "300"}}, {}}, {"depthAbove", {{Ctl::TARead1, "300.1"}}, {a1Depth}},
        {"depthNegative", {{Ctl::TARead1, "-0.1"}}, {a1Depth}}, {"depthWord", {{Ctl::TARead1, "abc"}}, {a1Depth}},
        {"depthZeroForms", {{Ctl::TARead1, "0.0"}, {Ctl::TARead2, "0"}}, {}},
        {"depthLettersAfter", {{Ctl::TARead1, "12abc"}}, {a1Depth}}, {"volumeLetterO", {{Ctl::TARead1, "8O"}}, {a1Volume}, true}, {"deZeroReading", {{Ctl::TARead1, "0,0"}}, {}, false, kDe},
        {"deDoubleZero", {{Ctl::TARead1, "0,00"}}, {a1Depth}, false, kDe}, {"volumeMaximum", {{Ctl::TARead1, "9999"}}, {}, true},
        {"volumeAbove", {{Ctl::TARead1, "10000"}}, {a1Volume}, true}, {"volumeDoubleZero", {{Ctl::TARead1, "00"}}, {a1Volume}, true},
        {"tankBOwnMode", {{Ctl::TBRead1, "500"}, {Ctl::TBRead2, "x"}}, {"Tank B Reading 1 must be between 0 and 300", "Tank B Reading 2 must be between 0 and 300"}},
        {"addedMinimum", {{Ctl::LAdd1, "100"}}, {}}, {"addedBelow", {{Ctl::LAdd1, "99.9"}}, {added}},
        {"addedAbove", {{Ctl::LAdd1, "10000"}}, {added}}, {"addedZero", {{Ctl::LAdd1, "0"}}, {}}, {"addedLettersAfter", {{Ctl::LAdd1, "500abc"}}, {added}},
        {"costBounds", {{Ctl::OCost1, "0.10"}, {Ctl::OCost2, "9.99"}}, {}}, {"costBelow", {{Ctl::OCost1, "0.09"}}, {cost}},
        {"costAbove", {{Ctl::OCost2, "10"}}, {"Delivery 2 oil cost must be either empty or between 0.10 and 9.99"}},
        {"deCostAbove", {{Ctl::OCost1, "9,995"}}, {cost}, false, kDe}, {"frPeriodPrice", {{Ctl::OCost1, "0.65"}}, {}, false, kFr},
        {"chargeBounds", {{Ctl::DCharge1, "5"}, {Ctl::DCharge2, "100"}}, {}},
        {"chargeBelow", {{Ctl::DCharge1, "4.99"}}, {"Delivery Charge 1 must be either empty or between 5 and 100"}},
        {"chargeAbove", {{Ctl::DCharge2, "100.01"}}, {"Delivery Charge 2 must be either empty or between 5 and 100"}},
        {"tankPriceBelow", {{Ctl::TARead1, "50"}, {Ctl::OCost0, "0.09"}}, {"Price of oil in tank must be either empty or between 0.10 and 9.99"}},
        {"tankPriceAlone", {{Ctl::OCost0, "0.5"}}, {"No Tank Readings or Deliveries to Calculate"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const FieldTexts f = Ticked(r.typed, r.volumeA);
        EXPECT_EQ(InputFieldMessages(f, r.locale), r.messages);
        EXPECT_EQ(NothingToCalculate(f), r.messages == QStringList{"No Tank Readings or Deliveries to Calculate"});
    }
}

TEST(InputChecks, NormalForms) {
    struct Row { const char* name; FieldTexts typed; FieldTexts expected; bool volumeA = false; QLocale locale = kGb; };
    const Row rows[] = {
        // 1.15 is 114.999... hundredths in binary and must still count as 1.15.
        {"exactHundredths", {{Ctl::TARead1, "1.15"}, {Ctl::TARead2, "2"}}, {{Ctl::TARead1, "1.2"}, {Ctl::TARead2, "2.0"}}},
        {"tankReadEmptyTwice", {{Ctl::TARead1, "0.0"}, {Ctl::TARead2, "0"}}, {{Ctl::TARead1, ""}, {Ctl::TARead2, ""}}},
        {"volumesWhole", {{Ctl::TARead1, "1234.6"}, {Ctl::TARead2, "500"}}, {{Ctl::TARead1, "1234"}, {Ctl::TARead2, "500"}}, true},
        {"deliveryForms", {{Ctl::LAdd1, "500.9"}, {Ctl::OCost1, "0.65"}, {Ctl::DCharge1, "20.5"}, {Ctl::OCost2, "0"}, {Ctl::OCost0, "0.5"}},
         {{Ctl::LAdd1, "500"}, {Ctl::OCost1, "0.6500"}, {Ctl::DCharge1, "20.50"}, {Ctl::OCost0, "0.5000"}}},
        {"datesInFull", {{Ctl::Date1, "5-3-10"}, {Ctl::Date3, "05-Mar-2010"}}, {{Ctl::Date1, "05/03/2010"}, {Ctl::Date3, "05/03/2010"}}},
        {"usDate", {{Ctl::Date2, "12/31/50"}}, {{Ctl::Date2, "12/31/2050"}}, false, kUs},
        {"deCommas", {{Ctl::TARead1, "95,5"}, {Ctl::TARead2, "45,678"}, {Ctl::OCost1, "0,65"}, {Ctl::DCharge1, "20,5"}},
         {{Ctl::TARead1, "95,5"}, {Ctl::TARead2, "45,7"}, {Ctl::OCost1, "0,6500"}, {Ctl::DCharge1, "20,50"}}, false, kDe},
        {"deVolumes", {{Ctl::TARead1, "1234.6"}, {Ctl::TARead2, "1.500"}}, {{Ctl::TARead1, "1234"}, {Ctl::TARead2, "1500"}}, true, kDe},
        {"deDate", {{Ctl::Date1, "28.12.99"}}, {{Ctl::Date1, "28.12.2099"}}, false, kDe},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const FieldTexts typed = Ticked(r.typed, r.volumeA);
        const FieldTexts done = NormalisedDates(NormalisedNumbers(typed, r.locale), r.locale);
        for (Ctl c : kInputFields)
            if (r.typed.texts().count(c) || r.expected.texts().count(c)) {
                EXPECT_EQ(done.text(c), r.expected.text(c)) << int(c);
            }
    }
    // The volume reading passes through its tenths form on the way, as the window shows it.
    EXPECT_EQ(NumbersWritten(Ticked({{Ctl::TARead1, "500"}}, true), kGb).text(Ctl::TARead1), "500.0");
}

TEST(CrossChecks, FieldsAgainstEachOther) {
    const FieldTexts tanks{{Ctl::TankACap, "1200"}, {Ctl::TankAD, "120.0"}};
    const FieldTexts read = With(tanks, {{Ctl::Date1, "01/03/2010"}, {Ctl::Date2, "01/04/2010"},
                                         {Ctl::TARead1, "60.0"}, {Ctl::TARead2, "30.0"}});
    const FieldTexts both = With(read, {{Ctl::Date3, "15/03/2010"}, {Ctl::LAdd1, "500"}, {Ctl::OCost1, "0.5"},
                                        {Ctl::Date4, "15/03/2010"}, {Ctl::LAdd2, "400"}, {Ctl::OCost2, "0.6"}});
    struct Row { const char* name; FieldTexts f; QStringList messages; bool volume = false; QLocale locale = kGb; };
    const Row rows[] = {
        {"fine", both, {}}, {"threeDaysApart", With(read, {{Ctl::Date2, "04/03/2010"}}), {}},
        {"twoDaysApart", With(read, {{Ctl::Date2, "03/03/2010"}}), {"Date 2 must be at least 3 days later than Date 1"}},
        {"delivery1Early", With(both, {{Ctl::Date3, "28/02/2010"}, {Ctl::Date4, "01/03/2010"}}), {"Delivery Date 1 cannot be earlier than Tank Reading 1 Date"}},
        {"delivery1Late", With(both, {{Ctl::Date3, "02/04/2010"}, {Ctl::Date4, ""}, {Ctl::LAdd2, ""}, {Ctl::OCost2, ""}}), {"Delivery Date 1 cannot be later than Tank Reading 2 Date"}},
        {"delivery2Early", With(both, {{Ctl::Date4, "28/02/2010"}}), {"Delivery Date 2 cannot be earlier than Tank Reading 1 Date", "Delivery Date 2 cannot be earlier than Delivery Date 1"}},
        {"delivery2Late", With(both, {{Ctl::Date4, "02/04/2010"}}), {"Delivery Date 2 cannot be later than Tank Reading 2 Date"}},
        {"halfDelivery1", With(read, {{Ctl::DCharge1, "25.00"}}), {"Delivery 1 Date, Litres Added and Oil Cost must all be either set or empty"}},
        {"halfDelivery2", With(both, {{Ctl::OCost2, ""}}), {"Delivery 2 Date, Litres Added and Oil Cost must all be either set or empty"}},
        {"readingWithoutDate", With(read, {{Ctl::Date1, ""}}), {"Tank Reading Date 1 must be set"}},
        {"zeroReadingNeedsDate", With(read, {{Ctl::Date2, ""}, {Ctl::TARead2, "0.0"}}), {"Tank Reading Date 2 must be set"}},
        {"depthAtDepthPlusOffset", With(read, {{Ctl::TankOffA, "2.5"}, {Ctl::TARead1, "122.5"}}), {}},
        {"depthAboveDepthPlusOffset", With(read, {{Ctl::TankOffA, "2.5"}, {Ctl::TARead2, "122.6"}}), {"Tank A Reading 2 must be less than or equal to Tank A Depth plus Offset"}},
        {"tankBDepths", With(read, {{Ctl::TankBCap, "1000"}, {Ctl::TankBD, "100"}, {Ctl::TBRead1, "100.1"}, {Ctl::TBRead2, "100"}}), {"Tank B Reading 1 must be less than or equal to Tank B Depth plus Offset"}},
        {"volumeAtCapacity", With(read, {{Ctl::TARead1, "1200"}, {Ctl::TARead2, "500"}}), {}, true},
        {"volumeAboveCapacity", With(read, {{Ctl::TARead1, "1201"}}), {"Tank A Reading 1 must be less than or equal to Tank A Capacity"}, true},
        {"readingsWithoutCapacity", With(read, {{Ctl::TankACap, ""}}), {"Tank A Readings cannot be set if Tank A Capacity is not set"}},
        {"tankBWithoutCapacity", With(read, {{Ctl::TBRead1, "10"}, {Ctl::TBRead2, "10"}}), {"Tank B Reading 1 must be less than or equal to Tank B Depth plus Offset",
         "Tank B Reading 2 must be less than or equal to Tank B Depth plus Offset", "Tank B Readings cannot be set if Tank B Capacity is not set"}},
        {"predictionReachesReading2", With(read, {{Ctl::Predict, "1"}}), {}},
        {"predictionShort", With(read, {{Ctl::Date2, "02/04/2010"}, {Ctl::Predict, "1"}}), {"Tank Reading Date 1 plus number months to predict forward must be greater than or equal to Tank Reading Date 2"}},
        {"hugePrediction", With(read, {{Ctl::Predict, "1e300"}}), {}},
        {"addedEqualsCapacities", With(both, {{Ctl::TankBCap, "300"}, {Ctl::LAdd1, "1100"}}), {}},
        {"addedAboveCapacities", With(both, {{Ctl::TankBCap, "300"}, {Ctl::LAdd1, "1101"}}), {"The amount of oil added is greater than the capacity of the tank(s)"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(CrossCheckMessages(Ticked(r.f, r.volume, r.volume), EmptyReadingsOf(r.f), r.locale), r.messages);
    }
    // Missing readings are judged on what was typed, not on the "0.0" written since.
    const struct { EmptyReadings typed; QStringList messages; } typedRows[] = {
        {{true, false, false, false}, {"Tank A Reading 1 must be set if Tank Reading Date 1 is set"}},
        {{false, true, false, false}, {"Tank A Reading 2 must be set if Tank Reading Date 2 is set"}},
        {{false, false, true, false}, {"Tank B Reading 1 must be set if Tank B Reading 2 is set"}},
        {{false, false, false, true}, {"Tank B Reading 2 must be set if Tank B Reading 1 is set"}},
    };
    for (const auto& t : typedRows) EXPECT_EQ(CrossCheckMessages(read, t.typed, kGb), t.messages);
}
