// The arrays of the fish kinds outside the species table: the game window
// keeps them (one for kinds A, C, H and L, two for B, D, E, I, J and M,
// three for F, four for G and K), nothing sizes them, not the scene set-up
// nor a count change, and a restart leaves them as they are.
#include "fish/fish_registry.h"
#include "settings/settings.h"
#include "support/vertex_recorder.h"
#include "view/tank_view.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

class DormantKindsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const float bounds[6] = {-50, 50, 30, -22, -50, 0};
        std::copy(bounds, bounds + 6, view.m_fTankBounds);
    }
    // The game window's arrays of kind `name`, in the order it made them.
    std::vector<IFishArray*> ArraysOf(const std::string& name)
    {
        std::vector<IFishArray*> arrays;
        size_t i = 0;
        for (const FishKind* kind : RegisteredFishKinds())
            for (int k = 0; k < kind->arrays; ++k, ++i)
                if (name == kind->name)
                    arrays.push_back(view.m_kindArrays.at(i).get());
        return arrays;
    }

    // Kind to the number of the window's arrays of it.
    const std::map<std::string, size_t> m_arrays = {{"A", 1}, {"B", 2}, {"C", 1}, {"D", 2}, {"E", 2}, {"F", 3},
                                                    {"G", 4}, {"H", 1}, {"I", 2}, {"J", 2}, {"K", 4}, {"L", 1},
                                                    {"M", 2}};
    CTankView view;
};

TEST_F(DormantKindsTest, TheWindowKeepsTheirArraysEmptyWhateverTheCounts)
{
    for (const auto& [name, count] : m_arrays)
        EXPECT_EQ(ArraysOf(name).size(), count) << name;
    for (int k = 0; k < 25; ++k)
        view.SetFishCount(k, 50);
    for (int k = 0; k < 25; ++k)
        view.SetFishCount(k, 0);
    for (const auto& [name, count] : m_arrays)
        for (IFishArray* a : ArraysOf(name))
            EXPECT_EQ(a->GetSize(), 0) << name << ": no fish of it is ever built";
}

TEST_F(DormantKindsTest, ARestartLeavesTheirArraysAsTheyAre)
{
    // Not a state the game reaches: a fish put into kind D's array by hand,
    // hit, is neither revived nor removed by a restart or a count change.
    IFishArray* d = ArraysOf("D").at(1);
    d->SetSize(1);
    d->GetAt(0).m_bHit = 1;
    view.SetFishCount(5, 3);
    view.RestartGame();
    view.SetFishCount(5, 0);
    ASSERT_EQ(d->GetSize(), 1);
    EXPECT_EQ(d->GetAt(0).m_bHit, 1);
    EXPECT_EQ(d->GetAt(0).m_fPos[0], 0.0f) << "never placed";
    for (IFishArray* a : ArraysOf("E"))
        EXPECT_EQ(a->GetSize(), 0);
}

TEST_F(DormantKindsTest, TheSceneSetUpFillsTheSpeciesButNoneOfTheirArrays)
{
    const TANKSETTINGS saved = g_Settings;
    VertexRecorder recorder;
    g_Settings.g_nBubbleCount = 200;  // no warm-up bubble is rendered
    for (int& count : g_Settings.g_nFishCount)
        count = 4;
    view.InitScene();
    for (const FishSpecies* species : RegisteredFishSpecies())
        EXPECT_EQ(view.FishArray(species->index)->GetSize(), 4) << "species " << species->index;
    for (const auto& [name, count] : m_arrays)
        for (IFishArray* a : ArraysOf(name))
            EXPECT_EQ(a->GetSize(), 0) << name;
    g_Settings = saved;
}

}  // namespace
