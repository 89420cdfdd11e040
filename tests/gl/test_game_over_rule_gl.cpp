// Which fish hold the game open: the game is over when the tank holds fish
// of species 0 to 23 and every one of them is hit; fish of species 24 never
// hold it open, and a restart revives every hit fish but those of species 24.
#include "gl/game_over_watch.h"
#include "gl/tank_window.h"
#include "settings/settings.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

class GameOverRuleGL : public TankWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxInitToolkit(0, nullptr));
        m_watch = std::make_unique<GameOverWatch>();
    }
    void TearDown() override
    {
        m_watch.reset();
        TankWindowTest::TearDown();
    }

    std::unique_ptr<GameOverWatch> m_watch;
};

struct Fish {
    int species, index;
};

TEST_F(GameOverRuleGL, SpeciesTwentyFourNeverHoldsTheGameOpen)
{
    struct Case {
        std::vector<std::pair<int, int>> counts;  // species, fish
        std::vector<Fish> hit;
    };
    const Case cases[] = {
        {{{23, 2}, {24, 2}}, {}},
        {{{23, 2}, {24, 2}}, {{24, 0}, {24, 1}}},
        {{{23, 2}, {24, 2}}, {{23, 0}, {23, 1}}},
        {{{23, 2}, {24, 2}}, {{23, 0}, {24, 0}, {24, 1}}},
        {{{23, 2}, {24, 2}}, {{23, 0}, {23, 1}, {24, 1}}},
        {{{0, 1}, {24, 1}}, {{0, 0}}},
        {{{0, 1}, {23, 1}, {24, 1}}, {{0, 0}, {24, 0}}},
        {{{24, 3}}, {{24, 0}, {24, 1}, {24, 2}}},
        {{{24, 3}}, {}},
    };
    for (const Case& c : cases) {
        std::string name;
        for (const auto& [species, n] : c.counts)
            name += std::to_string(n) + " of species " + std::to_string(species) + ", ";
        name += std::to_string(c.hit.size()) + " hit";
        SCOPED_TRACE(name);
        std::vector<std::pair<int, int>> counts = c.counts;
        OpenTank({}, {});
        int table[FISH_SPECIES_COUNT] = {};
        for (const auto& [species, n] : counts)
            table[species] = n;
        ApplyFishCounts(table);
        m_watch->count = 0;
        DrawFrames(1);
        EXPECT_EQ(m_watch->count, 0) << "no fish is hit yet";
        for (const auto& [species, n] : counts)
            ASSERT_EQ(View().FishArray(species)->GetSize(), n);
        for (const Fish& f : c.hit)
            View().FishArray(f.species)->GetAt(f.index).m_bHit = 1;

        // Over when some fish of species 0 to 23 swim and none of them is unhit.
        const auto over = [&] {
            bool holders = false, unhit = false;
            for (const auto& [species, n] : counts)
                for (int j = 0; j < n && species <= 23; ++j) {
                    holders = true;
                    unhit = unhit || !View().FishArray(species)->GetAt(j).m_bHit;
                }
            return holders && !unhit;
        };
        View().DrawEverySpecies();
        EXPECT_EQ(View().m_bAllFishHit != 0, over());

        // A restart: every fish of species 0 to 23 unhit, those of species 24 as they were.
        View().RestartGame();
        for (const auto& [species, n] : counts)
            for (int j = 0; j < n; ++j) {
                bool wasHit = false;
                for (const Fish& f : c.hit)
                    wasHit = wasHit || (f.species == species && f.index == j);
                EXPECT_EQ(View().FishArray(species)->GetAt(j).m_bHit != 0, species == 24 && wasHit)
                    << "species " << species << " fish " << j << " after the restart";
            }
        View().DrawEverySpecies();
        EXPECT_EQ(View().m_bAllFishHit != 0, over()) << "after the restart";
        CloseTank();
    }
}

}  // namespace
