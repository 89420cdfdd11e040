// The fish kinds F to M outside the species table: each is registered with
// the number of arrays the game window keeps of it; a fish of one, built
// directly, holds its birth values, takes the game's swim box and its own
// body, and has nothing to draw or move.
#include "fish/fish_kind_f.h"
#include "fish/fish_kind_g.h"
#include "fish/fish_kind_h.h"
#include "fish/fish_kind_i.h"
#include "fish/fish_kind_j.h"
#include "fish/fish_kind_k.h"
#include "fish/fish_kind_l.h"
#include "fish/fish_kind_m.h"
#include "fish/fish_registry.h"
#include "fish/fish_species11.h"
#include "fish_test_util.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

// pi / n as these kinds store it: one float step below the float nearest pi / n.
double StoredPi(int n) { return std::nextafter(static_cast<float>(std::numbers::pi / n), 0.0f); }
StartBlock B(int n, double amplitude, int s) { return {StoredPi(n), amplitude, StoredPi(s)}; }
StartBlock Ramp(double slope) { return {0, slope, 0}; }
const StartBlock kNone = {};
const StartBlock kRamp = Ramp(0.003f);

// F to K but J: the body of species 7, 8 and 9, born at speed 0.1.
const std::array<float, 3> kFamilyBody = {1.0f, 0.36675f, 0.331898f};
// J, L and M: the template's body.
const std::array<float, 3> kTemplateBody = {1.0f, 0.34605f, 0.2778f};

struct KindCase {
    const char* name;
    int arrays;
    FishStart start;
    std::function<std::unique_ptr<CFishModel>()> make;
    std::function<void(const FishStart&)> expectStart;
};

template <class Fish>
KindCase Of(const char* name, int arrays, FishStart start)
{
    return {name, arrays, std::move(start), [] { return std::make_unique<Fish>(); },
            [](const FishStart& s) { ExpectStartValues<Fish>(s); }};
}

FishStart Family(std::vector<StartBlock> blocks4On)
{
    FishStart s{.speed = 0.1f, .drift = false, .bodyDims = kFamilyBody, .blocks = {B(12, 0.1f, 4), kRamp, kRamp}};
    s.blocks.insert(s.blocks.end(), blocks4On.begin(), blocks4On.end());
    return s;
}

const std::vector<KindCase>& Kinds()
{
    static const std::vector<KindCase> kinds = {
        Of<CFishKindF>("F", 3,
                       Family({B(4, 0.004f, 8), B(5, 0.004f, 8), B(24, 0.05f, 8), B(16, 0.01f, 6),
                               B(20, 0.0005f, 8), kNone, B(16, 0.01f, 6), B(4, 0.01f, 24), kNone})),
        Of<CFishKindG>("G", 4,
                       Family({B(4, 0.01f, 8), B(5, 0.005f, 8), B(24, 0.05f, 8), kNone, B(20, 0.001f, 8),
                               B(2, 0.02f, 6), B(4, 0.03f, 6), B(4, 0.05f, 24), B(4, 0.02f, 24)})),
        Of<CFishKindH>("H", 1,
                       Family({B(16, 0.005f, 6), kNone, B(16, 0.01f, 6), B(16, 0.01f, 6), B(4, 0.03f, 6), kNone,
                               B(16, 0.01f, 6), B(10, 0.02f, 4), B(10, 0.02f, 4)})),
        Of<CFishKindI>("I", 2,
                       Family({B(5, 0.01f, 8), B(5, 0.01f, 8), B(24, 0.05f, 8), kNone, B(4, 0.01f, 8),
                               B(2, 0.02f, 6), B(4, 0.01f, 6), B(4, 0.03f, 24), B(4, 0.02f, 24)})),
        Of<CFishKindJ>("J", 2,
                       {.speed = 0.1f,
                        .drift = true,
                        .bodyDims = kTemplateBody,
                        .blocks = {B(16, 0.01f, 6), Ramp(0.005f), Ramp(0.005f), B(2, 0.01f, 6), B(24, 0.05f, 8),
                                   B(24, 0.05f, 8), B(20, 0.01f, 8), B(16, 0.01f, 6), B(2, 0.01f, 6),
                                   B(8, 0.03f, 6)}}),
        Of<CFishKindK>("K", 4,
                       Family({B(5, 0.01f, 8), B(5, 0.01f, 8), B(24, 0.05f, 8), kNone, B(20, 0.01f, 8),
                               B(2, 0.02f, 6), B(4, 0.01f, 6), B(4, 0.03f, 24), B(4, 0.02f, 24)})),
        // No pitch drawn: it is born pointing straight up.
        Of<CFishKindL>("L", 1,
                       {.size = 15,
                        .speed = 0.05f,
                        .pitch = 90.0f,
                        .segments = 17,
                        .drift = true,
                        .bodyDims = kTemplateBody,
                        .blocks = {kNone, B(16, 0.01f, 4), kRamp, kRamp, B(20, 0.01f, 6), kNone, B(16, 0.01f, 6),
                                   kNone, B(16, 0.03f, 6), kNone, B(16, 0.01f, 6), B(10, 0.02f, 4)},
                        .draws = {{StartDraw::kCounter, 15, 2},
                                  {StartDraw::kCounter, 15, 3},
                                  {StartDraw::kWanderTimer, 200}}}),
        Of<CFishKindM>("M", 2,
                       {.speed = 0.05f,
                        .drift = true,
                        .bodyDims = kTemplateBody,
                        .blocks = {kNone, kNone, kNone, B(16, 0.01f, 4), kRamp, kRamp, B(4, 0.01f, 6), kNone,
                                   B(16, 0.01f, 6), kNone, B(16, 0.03f, 6), B(10, 0.03f, 6), B(16, 0.01f, 6),
                                   B(10, 0.02f, 4)},
                        .draws = {{StartDraw::kPitch, 45},
                                  {StartDraw::kCounter, 15, 4},
                                  {StartDraw::kCounter, 15, 5},
                                  {StartDraw::kWanderTimer, 200}}}),
    };
    return kinds;
}

const FishKind* Registered(const std::string& name, int* found)
{
    const FishKind* kind = nullptr;
    *found = 0;
    for (const FishKind* k : RegisteredFishKinds())
        if (name == k->name) {
            kind = k;
            ++*found;
        }
    return kind;
}

TEST(FishKindsFToM, EachIsRegisteredOnceWithTheWindowsArraysOfIt)
{
    for (const KindCase& k : Kinds()) {
        int found = 0;
        const FishKind* kind = Registered(k.name, &found);
        ASSERT_EQ(found, 1) << k.name;
        EXPECT_EQ(kind->arrays, k.arrays) << k.name;
        EXPECT_EQ(kind->makeArray()->GetSize(), 0) << k.name << ": made empty";
    }
}

// Size, speed, pitch, segments, drift fields, every block, the draws in
// order, and the swim box and body that SetSwimBox gives.
TEST(FishKindsFToM, BirthValuesSwimBoxAndBody)
{
    for (const KindCase& k : Kinds()) {
        SCOPED_TRACE(k.name);
        k.expectStart(k.start);
        // Each fraction of pi to the bit: the nearest float or a shorter
        // decimal is another value.
        const auto fish = k.make();
        for (size_t b = 0; b < k.start.blocks.size(); ++b) {
            EXPECT_EQ(fish->m_Wave[b].waveNumber, static_cast<float>(k.start.blocks[b].waveNumber)) << "block " << b;
            EXPECT_EQ(fish->m_Wave[b].phaseStep, static_cast<float>(k.start.blocks[b].step)) << "block " << b;
        }
    }
}

// A fish of a kind, should one be put into the window's array, is neither
// drawn nor moved by the fish pass's call; it keeps every value it has.
TEST(FishKindsFToM, AFishOfAKindSendsNothingAndKeepsItsValues)
{
    for (const KindCase& k : Kinds()) {
        int found = 0;
        const FishKind* kind = Registered(k.name, &found);
        ASSERT_NE(kind, nullptr) << k.name;
        const auto fish = k.make();
        EXPECT_TRUE(fish->Class().parts.empty()) << k.name;
        EXPECT_TRUE(fish->Class().plan.empty()) << k.name;

        const auto array = kind->makeArray();
        array->SetSize(2);
        for (int j = 0; j < 2; ++j) {
            CFishModel& f = array->GetAt(j);
            f.m_fPos[0] = 10.0f * j - 5.0f;
            f.m_fPos[2] = -70.0f;
            array->SetSwimBox(j, -50, 50, 3, -22, -75, -80);
        }
        const CFishModel before = array->GetAt(1);
        VertexRecorder recorder;
        for (int frame = 0; frame < 400; ++frame)  // past a wander decision
            for (int j = 0; j < 2; ++j)
                array->DrawFish(j, {});
        EXPECT_TRUE(recorder.primitives.empty()) << k.name;
        const CFishModel& after = array->GetAt(1);
        EXPECT_EQ(std::memcmp(after.m_fPos, before.m_fPos, sizeof before.m_fPos), 0) << k.name;
        EXPECT_EQ(after.m_fHeading, before.m_fHeading) << k.name;
        EXPECT_EQ(after.m_fPitch, before.m_fPitch) << k.name;
        EXPECT_EQ(after.m_fSpeed, before.m_fSpeed) << k.name;
        EXPECT_EQ(after.m_nWanderTimer, before.m_nWanderTimer) << k.name;
        EXPECT_EQ(after.m_bStroke, before.m_bStroke) << k.name;
        for (int b = 0; b < kFishMaxWaves; ++b) {
            EXPECT_EQ(after.m_Wave[b].counter, before.m_Wave[b].counter) << k.name << " block " << b;
            EXPECT_EQ(after.m_Wave[b].phase, before.m_Wave[b].phase) << k.name << " block " << b;
        }
    }
}

// Kind L has the layout of species 11 and takes its box and body as species
// 11 does: fish of it in the window's array, boxed the game's way, are
// species 11's in box and body, at size 15 and pitch 90.
TEST(FishKindsFToM, KindLIsBoxedAsSpecies11)
{
    int found = 0;
    const FishKind* kind = Registered("L", &found);
    ASSERT_NE(kind, nullptr);
    CFishSpecies11 reference;
    reference.SetSwimBox(-50, 50, 3, -22, -75, -80);

    for (int n : {1, 3}) {
        const auto array = kind->makeArray();
        array->SetSize(n);
        ASSERT_EQ(array->GetSize(), n);
        for (int j = 0; j < n; ++j) {
            array->GetAt(j).m_bBusy = 1;
            array->SetSwimBox(j, -50, 50, 3, -22, -75, -80);
            const CFishModel& f = array->GetAt(j);
            EXPECT_EQ(f.m_nSize, 15);
            EXPECT_EQ(f.m_fPitch, 90.0f);
            EXPECT_EQ(f.m_bBusy, 0);
            EXPECT_EQ(f.Class().segments, reference.Class().segments);
            EXPECT_EQ(f.Class().waves.size(), reference.Class().waves.size());
            for (int i = 0; i < 6; ++i)
                EXPECT_EQ(f.m_fSwimBox[i], reference.m_fSwimBox[i]) << i;
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(f.m_fBodyDims[i], reference.m_fBodyDims[i]) << i;
        }
    }
}

}  // namespace
