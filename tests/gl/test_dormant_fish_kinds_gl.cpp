// The game window on a real display keeps the arrays of the fish kinds
// outside the species table empty: after start-up, after frames, after the
// Fish dialog's counts and after a restart, while its species swim.
#include "settings/settings.h"
#include "gl/tank_window.h"

#include <gtest/gtest.h>

namespace {

class DormantKindsGL : public TankWindowTest {
protected:
    void ExpectKindArraysEmpty(const char* when)
    {
        ASSERT_FALSE(View().m_kindArrays.empty()) << when;
        for (size_t i = 0; i < View().m_kindArrays.size(); ++i)
            EXPECT_EQ(View().m_kindArrays[i]->GetSize(), 0) << when << ": array " << i;
    }
};

TEST_F(DormantKindsGL, NoFishOfAKindIsEverBuilt)
{
    OpenTank({{23, 3}, {5, 2}}, {});
    ExpectKindArraysEmpty("at start");
    DrawFrames(3);
    ExpectKindArraysEmpty("after frames");

    int counts[FISH_SPECIES_COUNT] = {};
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        counts[k] = 50 - 2 * k;
    ApplyFishCounts(counts);
    DrawFrames(2);
    EXPECT_EQ(View().FishArray(23)->GetSize(), counts[23]) << "the counts were applied";
    ExpectKindArraysEmpty("after the counts changed");

    View().RestartGame();
    DrawFrames(1);
    ExpectKindArraysEmpty("after a restart");
}

}  // namespace
