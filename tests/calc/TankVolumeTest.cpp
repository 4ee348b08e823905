// The volume model per tank shape, both ways: a reading to a volume, a volume to a depth.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/TankVolume.h"

using namespace tw;

static constexpr int kHorizontal = 0, kVertical = 1, kRectangular = 2;

TEST(TankVolume, ReadingToVolumePerShape) {
    struct Row { const char* name; int isVolume; const char* capacity, *depth, *reading; int shape; float volume; };
    const Row rows[] = {
        {"horizontalHalf", 0, "2500", "120", "60", kHorizontal, 1250.0f}, {"horizontalThirty", 0, "2500", "120", "30", kHorizontal, 488.8f},
        {"horizontalFullIsATenthShort", 0, "2500", "120", "120", kHorizontal, 2499.9f},
        // r/D before the product: 20.4/120 is a hair under 0.17, so 424, not 425.
        {"verticalDividesFirst", 0, "2500", "120", "20.4", kVertical, 424.0f}, {"verticalBelowBottom", 0, "2500", "120", "-2", kVertical, 0.0f},
        {"verticalAboveTop", 0, "2500", "120", "150", kVertical, 2500.0f}, {"rectangularRoundsDown", 0, "2500", "120", "119.9", kRectangular, 2497.0f},
        {"wordsAreNoNumber", 0, "2500 litres", "120", "60", kVertical, 0.0f}, {"blanksAround", 0, " 2500", "120 ", "60", kVertical, 1250.0f}, {"volumePassesThrough", 1, "2500", "", "1234.5", kHorizontal, 1234.5f},
        {"noCapacity", 1, "", "120", "1234.5", kHorizontal, 0.0f},
        {"noDepth", 0, "2500", "0", "60", kHorizontal, 0.0f}, {"unknownShape", 0, "2500", "120", "60", 3, 0.0f},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(TankVolume(r.isVolume, r.capacity, r.depth, r.reading, r.shape), r.volume);
    }
    EXPECT_EQ(TankVolume(0, "2500", "120,5", "60,25", kVertical, QLocale("de_DE")), 1250.0f);
}

TEST(TankVolume, HorizontalCylinderEdges) {
    struct Row { float h, d, c, volume; };
    const Row rows[] = {{90, 120, 2500, 2011.2f}, {119.99f, 120, 2500, 2500.0f},
                        {0, 120, 1110, 0.0f},     {0, 120, 1112, 0.1f}, {NAN, 120, 2500, 0.1f},   {60, 0, 2500, 0.0f},
                        {60, 120, 0, 0.0f},       {60, INFINITY, 2500, 0.0f}};
    for (const Row& r : rows) EXPECT_EQ(HorizontalCylinderVolume(r.h, r.d, r.c), r.volume) << r.h;
}

TEST(TankVolume, DepthForVolume) {
    struct Row { float capacity, depth, volume; int shape; float depthFound; };
    const Row straight[] = {{2500, 120, 1250, kVertical, 60.0f},  {2500, 120, 0, kRectangular, 0.0f},
                            {2500, 120, 2500, kVertical, 120.0f}, {2500, 120, 1250, 3, 0.0f},
                            {0, 120, 1250, kHorizontal, 0.0f},    {2500, 0, 1250, kHorizontal, 0.0f}};
    for (const Row& r : straight)
        EXPECT_EQ(DepthForVolume(r.capacity, r.depth, r.volume, r.shape), r.depthFound) << r.volume;

    // A lying tank is searched in 0.005 steps and stops one step past the first depth
    // that reaches the volume (empty and full aimed a hair inside).
    struct Search { float volume, aimedAt; };
    const Search searches[] = {{488.8f, 488.8f}, {1250, 1250},   {1800, 1800},
                               {2499.9f, 2499.9f}, {0, 0.001f}, {2500, 2499.999f}};
    for (const Search& s : searches) {
        SCOPED_TRACE(s.volume);
        const float g = DepthForVolume(2500, 120, s.volume, kHorizontal);
        const auto at = [](float h) { return HorizontalCylinderVolume(h, 120, 2500); };
        ASSERT_TRUE(g > 0 && g < 120);
        if (s.aimedAt < 1250) {
            EXPECT_LE(s.aimedAt, at(g - 0.005f));
            EXPECT_LT(at(g - 0.01f), s.aimedAt);
        } else {
            EXPECT_GT(s.aimedAt, at(g + 0.005f));
            EXPECT_LE(s.aimedAt, at(g + 0.01f));
        }
    }
}
