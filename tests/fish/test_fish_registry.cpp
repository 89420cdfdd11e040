// The species table and the fish arrays: every species is registered from its
// own file, and an array calls each operation on its class's own version.
#include "fish/fish_registry.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(FishSpeciesTable, TheSpeciesOfTheGameAreRegisteredByTheirOwnFiles)
{
    struct Case {
        int index;
        const char* name;
    } cases[] = {{3, "angelfish"}, {23, "clownfish"}};
    for (const Case& c : cases) {
        const FishSpecies* species = FindFishSpecies(c.index);
        ASSERT_NE(species, nullptr) << c.index;
        EXPECT_EQ(species->index, c.index);
        EXPECT_STREQ(species->description->name, c.name);
        EXPECT_EQ(species->textureId, 10000 + c.index);
        const std::unique_ptr<IFishArray> fish = species->makeArray();
        EXPECT_EQ(fish->GetSize(), 0) << "arrays start empty";
        fish->SetSize(2);
        EXPECT_EQ(&fish->GetAt(1).Class(), species->description) << "the array holds fish of the class";
    }
    for (int k : {-1, 25, 1000})
        EXPECT_EQ(FindFishSpecies(k), nullptr) << k;
    const std::vector<const FishSpecies*> all = RegisteredFishSpecies();
    ASSERT_GE(all.size(), 2u);
    for (size_t i = 1; i < all.size(); ++i)
        EXPECT_LT(all[i - 1]->index, all[i]->index) << "in index order";
}

// A description's plan and parts carry the names the class's operations use
// for them: a table whose entries stand out of their named places is refused
// (at compile time in a description).
TEST(FishDescriptions, NamedTablesKeepEveryEntryInItsPlace)
{
    using namespace fishdef;
    const Named<WaveGen> inOrder[] = {{0, Sine(3, 0, 4)}, {1, Sine(3, 1, 5, 2)}};
    const std::array<WaveGen, 2> plan = InNamedOrder<2>(inOrder);
    EXPECT_EQ(plan[0].count, 4);
    EXPECT_EQ(plan[1].count, 5);
    EXPECT_EQ(plan[1].cadence, 2);
    const Named<WaveGen> swapped[] = {{1, Sine(3, 1, 5)}, {0, Sine(3, 0, 4)}};
    EXPECT_ANY_THROW(InNamedOrder<2>(swapped));
}

// A class that records which of its own operations an array called.
constexpr FishWave kOneWave[] = {{}};
constexpr FishClass kPlainClass = {.name = "plain", .segments = 2, .waves = kOneWave};

struct Calls {
    std::string last;
};
Calls g_calls;

class CFishWithVariant : public CFishModel {
public:
    CFishWithVariant() : CFishModel(kPlainClass) {}
    void Draw(int variant) { g_calls.last = "Draw(" + std::to_string(variant) + ")"; }
    void SetSwimBox(float, float, float, float, float, float) { g_calls.last = "own SetSwimBox"; }
};
class CFishWithoutArgument : public CFishModel {
public:
    CFishWithoutArgument() : CFishModel(kPlainClass) {}
    void Draw() { g_calls.last = "Draw()"; }
};
class CFishWithMouse : public CFishModel {
public:
    CFishWithMouse() : CFishModel(kPlainClass) {}
    void Draw(int x, int y) { g_calls.last = "Draw(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }
    bool IsInDepthBand() const { return true; }  // its own band: everywhere
};

TEST(FishArrays, EachOperationRunsOnTheClassesOwnVersion)
{
    CFishArray<CFishWithVariant> variant;
    CFishArray<CFishWithoutArgument> plain;
    CFishArray<CFishWithMouse> mouse;
    IFishArray* arrays[] = {&variant, &plain, &mouse};
    for (IFishArray* a : arrays)
        a->SetSize(1);
    struct Case {
        IFishArray* fish;
        const char* draw;
    } cases[] = {{&variant, "Draw(0)"}, {&plain, "Draw()"}, {&mouse, "Draw(640, 360)"}};
    for (const Case& c : cases) {
        c.fish->DrawFish(0, {640, 360});
        EXPECT_EQ(g_calls.last, c.draw);
    }

    g_calls.last.clear();
    variant.SetSwimBox(0, -50, 50, 3, -22, -75, -80);
    EXPECT_EQ(g_calls.last, "own SetSwimBox");
    plain.SetSwimBox(0, -50, 50, 3, -22, -75, -80);
    EXPECT_EQ(plain.GetAt(0).m_fSwimBox[2], 13.0f) << "the template's, where the class has none";

    // The touch asks the class's own depth band: this class turns its fish
    // (mode 4 only clamps) at z 0, where the template's band would not.
    mouse.GetAt(0).m_fSpeed = 0.03f;
    mouse.GetAt(0).m_nTargetHeading = 250;
    mouse.Touch(0);
    EXPECT_EQ(mouse.GetAt(0).m_nTargetHeading, 180) << "turned (clamped)";
    EXPECT_FLOAT_EQ(mouse.GetAt(0).m_fSpeed, 0.05f);
    plain.GetAt(0).m_nTargetHeading = 250;
    plain.Touch(0);
    EXPECT_EQ(plain.GetAt(0).m_nTargetHeading, 250) << "outside the template's band: no turn";

    mouse.ChangeSize(0, 1.0f, true);
    EXPECT_EQ(mouse.GetAt(0).m_nSize, 6);
}

// A class whose touch only clamps a vertical pitch, and which leaves the speed.
constexpr FishClass kClampingClass = {
    .name = "clamping", .segments = 2, .waves = kOneWave, .approachesSpeed = false,
    .touch = TouchRule::ClampVertical};
class CClampingFish : public CFishModel {
public:
    CClampingFish() : CFishModel(kClampingClass) {}
    void Draw(int) {}
};

TEST(FishArrays, TouchFollowsTheClassesTouchRule)
{
    CFishArray<CClampingFish> fish;
    fish.SetSize(1);
    CFishModel& f = fish.GetAt(0);
    f.m_fPos[2] = -70;  // in the depth band
    f.m_fSpeed = 0.2f;
    struct Case {
        float pitch, after;
    } cases[] = {{90, 45}, {-90, -45}, {44, 44}, {89.5f, 89.5f}};  // 89.5 is 89 as a whole number
    for (const Case& c : cases) {
        f.m_fPitch = c.pitch;
        f.m_nTargetHeading = 0;
        EXPECT_EQ(RandDraws([&] { fish.Touch(0); }), 0);
        EXPECT_FLOAT_EQ(f.m_fPitch, c.after) << c.pitch;
        EXPECT_EQ(f.m_nTargetHeading, 0) << "never turned";
        EXPECT_FLOAT_EQ(f.m_fSpeed, 0.2f) << "never sped up";
    }
}

// Movement and the hit box follow the target pitch (m_fPitch, which some
// descriptions call m_fTargetPitch), not the drawn pitch, in every class.
TEST(FishSpeciesTable, EveryClassMovesAndBoxesByTheTargetPitch)
{
    for (const FishSpecies* species : RegisteredFishSpecies()) {
        SCOPED_TRACE(species->description->name);
        const std::unique_ptr<IFishArray> fish = species->makeArray();
        fish->SetSize(1);
        fish->SetSwimBox(0, -50, 50, 3, -22, -75, -80);
        CFishModel& f = fish->GetAt(0);
        struct Case {
            float target, shown;
        } cases[] = {{30, 0}, {0, 30}, {-20, 10}};
        for (const Case& c : cases) {
            f.m_fPos[0] = 0;
            f.m_fPos[1] = 0;
            f.m_fPos[2] = -75;
            f.m_fHeading = 0;
            f.m_nTargetHeading = 0;
            f.m_nWallState = 0;
            f.m_fSpeed = 0.04f;
            f.TargetPitch() = c.target;
            f.m_fShownPitch = c.shown;
            f.Move();
            const double p = c.target * 3.14159265358979 / 180;
            EXPECT_NEAR(f.m_fPos[1], std::sin(p) * 0.04, 1e-6) << "climbs by the target pitch " << c.target;
            f.UpdateHitBox();
            const double length = f.m_nSize * f.m_fBodyDims[0];
            EXPECT_NEAR(std::fabs(f.AxisEnd(1) - f.AxisEnd(4)), std::fabs(std::sin(p)) * length, 1e-4)
                << "the body axis rises by the target pitch";
            EXPECT_FLOAT_EQ(f.AxisEnd(1), f.m_fFrontCorner[1]);
            EXPECT_FLOAT_EQ(f.AxisEnd(4), f.m_fBackCorner[1]);
        }
    }
}

}  // namespace
