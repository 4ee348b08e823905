#include "calc/TankVolume.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace tw {
namespace {

constexpr int kHorizontal = 0;
constexpr int kVertical = 1;
constexpr int kRectangular = 2;
constexpr float kStep = 0.005f;

// ---- TankVolume: one reading of one tank becomes a volume -------------------------

struct VolumeRow {
    const char* name;
    int readingIsVolume;
    const char* capacity;
    const char* depth;
    const char* reading;
    int shape;
    float expected;
};
void PrintTo(const VolumeRow& row, std::ostream* os) { *os << row.name; }

class TankVolumeTable : public ::testing::TestWithParam<VolumeRow> {};

TEST_P(TankVolumeTable, GivesTheExpectedVolume) {
    const VolumeRow& row = GetParam();
    const float v = TankVolume(row.readingIsVolume, row.capacity, row.depth, row.reading,
                               row.shape);
    // Exact: every value here is what the log and the window show to the last digit.
    EXPECT_EQ(v, row.expected);
}

const VolumeRow kVolumeRows[] = {
    // Half full lying cylinder: the two halves of the segment formula balance exactly.
    {"HorizontalHalfFull", 0, "2500", "120", "60", kHorizontal, 1250.0f},
    {"HorizontalAtThirtyOfOneTwenty", 0, "2500", "120", "30", kHorizontal, 488.8f},
    // The guard keeps an empty or full lying tank a hair inside the tank.
    {"HorizontalEmptyIsATenth", 0, "2500", "120", "0", kHorizontal, 0.1f},
    {"HorizontalFullIsATenthShort", 0, "2500", "120", "120", kHorizontal, 2499.9f},
    {"HorizontalEmptySmallTankRoundsToZero", 0, "1000", "120", "0", kHorizontal, 0.0f},
    // Straight walls: proportional and rounded down to whole units.
    {"VerticalHalfFull", 0, "2500", "120", "60", kVertical, 1250.0f},
    {"RectangularRoundsDown", 0, "2500", "120", "61.5", kRectangular, 1281.0f},
    {"RectangularRoundsDownNotToNearest", 0, "2500", "120", "119.9", kRectangular, 2497.0f},
    // r/D is worked out before the product: 20.4/120 is a hair under 0.17, so the
    // floor gives 424 where 20.4*2500/120 would give 425. Logged volumes depend on it.
    {"VerticalDividesBeforeMultiplying", 0, "2500", "120", "20.4", kVertical, 424.0f},
    // Texts are read by their leading number.
    {"TextsReadByLeadingNumber", 0, "2500 litres", "120cm", "60 ", kVertical, 1250.0f},
    // Gauge readings pass through the shape formulas and need no tank depth.
    {"VolumeReadingHorizontal", 1, "2500", "120", "1234.5", kHorizontal, 1234.5f},
    {"VolumeReadingNeedsNoDepth", 1, "2500", "", "1234.5", kHorizontal, 1234.5f},
    // No capacity, no tank: nothing, whether read as a depth or a volume.
    {"NoCapacityHorizontal", 0, "0", "120", "60", kHorizontal, 0.0f},
    {"EmptyCapacityVolumeReading", 1, "", "120", "1234.5", kHorizontal, 0.0f},
    {"UnknownShape", 0, "2500", "120", "60", 3, 0.0f},
    // Depth readings outside the tank count as empty or full.
    {"HorizontalBelowBottomIsEmpty", 0, "2500", "120", "-5", kHorizontal, 0.1f},
    {"HorizontalAboveTopIsFull", 0, "2500", "120", "130", kHorizontal, 2499.9f},
    {"VerticalBelowBottomIsEmpty", 0, "2500", "120", "-2", kVertical, 0.0f},
    {"VerticalAboveTopIsFull", 0, "2500", "120", "150", kVertical, 2500.0f},
    // A depth reading in a tank without a depth has nothing to be measured against.
    {"NoDepthHorizontal", 0, "2500", "0", "60", kHorizontal, 0.0f},
};

INSTANTIATE_TEST_SUITE_P(Readings, TankVolumeTable, ::testing::ValuesIn(kVolumeRows),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- HorizontalCylinderVolume called directly --------------------------------------

struct CylinderRow {
    const char* name;
    float h;
    float d;
    float c;
    float expected;
};
void PrintTo(const CylinderRow& row, std::ostream* os) { *os << row.name; }

class HorizontalCylinderTable : public ::testing::TestWithParam<CylinderRow> {};

TEST_P(HorizontalCylinderTable, GivesTheExpectedVolume) {
    const CylinderRow& row = GetParam();
    EXPECT_EQ(HorizontalCylinderVolume(row.h, row.d, row.c), row.expected);
}

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

const CylinderRow kCylinderRows[] = {
    // The mirror image of 30 cm in 120 (488.8) holds the rest of the tank.
    {"ThreeQuarterDepth", 90, 120, 2500, 2011.2f},
    {"JustInsideTheTopHasNoGuard", 119.99f, 120, 2500, 2500.0f},
    {"EmptyUpTo1110IsZero", 0, 120, 1110, 0.0f},
    {"EmptyFrom1112IsATenth", 0, 120, 1112, 0.1f},
    {"UnreadableDepthCountsAsEmpty", kNaN, 120, 2500, 0.1f},
    {"NoTankDepth", 60, 0, 2500, 0.0f},
    {"NoCapacity", 60, 120, 0, 0.0f},
    {"EndlessTankDepth", 60, kInf, 2500, 0.0f},
    {"EndlessCapacity", 60, 120, kInf, 0.0f},
};

INSTANTIATE_TEST_SUITE_P(Depths, HorizontalCylinderTable, ::testing::ValuesIn(kCylinderRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The volume never falls as the oil rises, and stays inside the tank.
TEST(HorizontalCylinderVolume, RisesWithTheOilAndStaysWithinCapacity) {
    float previous = 0;
    for (int i = 0; i <= 1200; ++i) {
        const float h = i * 0.1f;
        const float v = HorizontalCylinderVolume(h, 120, 2500);
        ASSERT_TRUE(std::isfinite(v)) << "h " << h;
        ASSERT_GE(v, previous) << "h " << h;
        ASSERT_LE(v, 2500.0f) << "h " << h;
        previous = v;
    }
}

// ---- DepthForVolume -----------------------------------------------------------------

struct StraightRow {
    const char* name;
    float capacity;
    float depth;
    float volume;
    int shape;
    float expected;
};
void PrintTo(const StraightRow& row, std::ostream* os) { *os << row.name; }

class DepthForVolumeTable : public ::testing::TestWithParam<StraightRow> {};

TEST_P(DepthForVolumeTable, GivesTheExpectedDepth) {
    const StraightRow& row = GetParam();
    const float g = DepthForVolume(row.capacity, row.depth, row.volume, row.shape);
    EXPECT_EQ(g, row.expected);
}

const StraightRow kStraightRows[] = {
    {"VerticalHalf", 2500, 120, 1250, kVertical, 60.0f},
    // No nudging of the target for straight walls: empty is the bottom, full the top.
    {"RectangularEmptyIsBottom", 2500, 120, 0, kRectangular, 0.0f},
    {"VerticalFullIsTop", 2500, 120, 2500, kVertical, 120.0f},
    {"UnknownShape", 2500, 120, 1250, 3, 0.0f},
    // No tank or no depth: no depth to give, and no division by zero.
    {"NoCapacityHorizontal", 0, 120, 1250, kHorizontal, 0.0f},
    {"NoDepthHorizontal", 2500, 0, 1250, kHorizontal, 0.0f},
};

INSTANTIATE_TEST_SUITE_P(Volumes, DepthForVolumeTable, ::testing::ValuesIn(kStraightRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct SearchRow {
    const char* name;
    float capacity;
    float depth;
    float volume;
    float aimedAt;  // the target the search walks to; empty and full are aimed a hair inside
};
void PrintTo(const SearchRow& row, std::ostream* os) { *os << row.name; }

class HorizontalDepthSearch : public ::testing::TestWithParam<SearchRow> {};

// The search walks in 0.005 steps from the straight-line guess towards the middle and
// stops one step past the first depth that reaches the target: the depth one step back
// along the walk reaches it, the depth two steps back does not.
TEST_P(HorizontalDepthSearch, EndsOneStepPastTheFirstDepthReachingTheTarget) {
    const SearchRow& row = GetParam();
    const float g = DepthForVolume(row.capacity, row.depth, row.volume, kHorizontal);
    ASSERT_TRUE(std::isfinite(g));
    EXPECT_GT(g, 0.0f);
    EXPECT_LT(g, row.depth);

    const auto volumeAt = [&](float h) {
        return HorizontalCylinderVolume(h, row.depth, row.capacity);
    };
    if (row.aimedAt < row.capacity / 2) {
        // Lower half: the walk goes up until the volume reaches the target.
        EXPECT_LE(row.aimedAt, volumeAt(g - kStep)) << "depth " << g;
        EXPECT_LT(volumeAt(g - 2 * kStep), row.aimedAt) << "depth " << g;
    } else {
        // Upper half (and exactly half): the walk goes down until it falls below.
        EXPECT_GT(row.aimedAt, volumeAt(g + kStep)) << "depth " << g;
        EXPECT_LE(row.aimedAt, volumeAt(g + 2 * kStep)) << "depth " << g;
    }
}

const SearchRow kSearchRows[] = {
    {"ThirtyOfOneTwentyDeep", 2500, 120, 488.8f, 488.8f},
    {"ExactlyHalf", 2500, 120, 1250, 1250},
    {"AboveHalf", 2500, 120, 1800, 1800},
    {"ATenthShortOfFull", 2500, 120, 2499.9f, 2499.9f},
    // Empty and full still give a depth strictly inside the tank.
    {"Empty", 2500, 120, 0, 0.001f},
    {"Full", 2500, 120, 2500, float(2500 - 0.001)},
    {"EmptySmallTank", 1000, 120, 0, 0.001f},
};

INSTANTIATE_TEST_SUITE_P(Volumes, HorizontalDepthSearch, ::testing::ValuesIn(kSearchRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Depths beyond the 16-bit round count: the search is cut short, never overflows,
// and still gives a finite depth on the right side of the guess.
TEST(HorizontalDepthSearch, HugeDepthStaysFinite) {
    const float g = DepthForVolume(1000, 400, 100, kHorizontal);
    ASSERT_TRUE(std::isfinite(g));
    EXPECT_GT(g, 40.0f);  // above the straight-line guess in the lower half
    EXPECT_LT(g, 200.0f);
}

}  // namespace
}  // namespace tw
