// Parts hidden in some draw variants, or drawn in some only, whatever int the
// variant is.
#include "fish/fish_model.h"
#include "support/vertex_recorder.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace fishdef;

// Each part one strip of a different length, so that the strips name their parts.
constexpr FishVertex kGrid[2][4] = {};
constexpr GridPart kPlain{.name = "plain", .mesh = MeshOf(kGrid), .columns = 1};
constexpr GridPart kHiddenIn3{.name = "hidden in 3", .mesh = MeshOf(kGrid), .columns = 2,
                              .hiddenInVariants = VariantMask({3})};
constexpr GridPart kOnlyIn1And2 = DrawnOnlyIn(GridPart{.name = "only in 1 and 2", .mesh = MeshOf(kGrid), .columns = 3}, {1, 2});
constexpr GridPart kOnlyIn0 = DrawnOnlyIn(GridPart{.name = "only in 0", .mesh = MeshOf(kGrid), .columns = 4}, {0});
constexpr GridPart kParts[] = {kPlain, kHiddenIn3, kOnlyIn1And2, kOnlyIn0};
constexpr FishClass kClass{.name = "test fish", .segments = 1, .parts = kParts};
static_assert(CheckFishClass(kClass));

// The columns of each strip one Draw in `variant` sends.
std::vector<size_t> Drawn(int variant)
{
    VertexRecorder recorder;
    CFishModel fish(kClass);
    fish.DrawFrame(variant);
    EXPECT_EQ(fish.m_nDrawVariant, variant);
    std::vector<size_t> columns;
    for (const RecordedPrimitive& p : recorder.primitives)
        columns.push_back(p.vertices.size() / 2);
    return columns;
}

TEST(FishVariantVisibility, APartDrawnOnlyInSomeVariantsIsHiddenInEveryOtherIntToo)
{
    struct Case {
        int variant;
        std::vector<size_t> columns;
    } const cases[] = {
        {0, {1, 2, 4}},      {1, {1, 2, 3}},       {2, {1, 2, 3}},  {3, {1}},   {4, {1, 2}},
        {31, {1, 2}},        {32, {1, 2}},         {-1, {1, 2}},    {33, {1, 2}}, {64, {1, 2}},
        {INT_MIN, {1, 2}},   {INT_MAX, {1, 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Drawn(c.variant), c.columns) << "variant " << c.variant;
}

TEST(FishVariantVisibility, OnlyTheFlagHidesAPartOutsideTheMasksRun)
{
    GridPart part = kPlain;
    part.hiddenInVariants = ~0u;
    EXPECT_TRUE(HiddenInVariant(part, 0));
    EXPECT_TRUE(HiddenInVariant(part, 31));
    EXPECT_FALSE(HiddenInVariant(part, 32));
    EXPECT_FALSE(HiddenInVariant(part, -1));
    part.hiddenInOtherVariants = true;
    EXPECT_TRUE(HiddenInVariant(part, 32));
    EXPECT_TRUE(HiddenInVariant(part, -1));
    part.hiddenInVariants = 0;
    EXPECT_FALSE(HiddenInVariant(part, 5));
    EXPECT_TRUE(HiddenInVariant(part, 100));
}

}  // namespace
