// A tank without fish that hold the game is played, not lost: it is drawn and
// no "Game Over" comes until there are fish to shoot; shooting the last such
// fish still ends the game.
#include "settings/settings.h"
#include "gl/game_over_watch.h"
#include "gl/tank_window.h"

#include <QApplication>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

namespace {

class EmptyTankGL : public TankWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxInitToolkit(0, nullptr));
        g_bGameOverArmed = 1;
        m_watch = std::make_unique<GameOverWatch>();
    }
    void TearDown() override
    {
        m_watch.reset();
        TankWindowTest::TearDown();
    }

    // Lit pixels in the lower third of the view, where the floor lies.
    static long FloorPixels(const QImage& image)
    {
        long lit = 0;
        for (int y = image.height() * 2 / 3; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                lit += qRed(p) + qGreen(p) + qBlue(p) > 60;
            }
        return lit;
    }
    // The fish counts of a settings file, applied as the Fish dialog does.
    static void ApplyCounts(std::initializer_list<std::pair<int, int>> counts)
    {
        int table[FISH_SPECIES_COUNT] = {};
        for (const auto& [species, count] : counts)
            table[species] = count;
        ApplyFishCounts(table);
    }
    void ExpectPlayedNotLost(const char* when)
    {
        const QImage image = DrawFrames(4);
        EXPECT_EQ(m_watch->count, 0) << when;
        EXPECT_EQ(View().m_bAllFishHit, 0) << when;
        EXPECT_EQ(g_bGameOverArmed, 1) << when;
        // The floor covers most of the lower third.
        EXPECT_GT(FloorPixels(image), image.width() * image.height() / 8) << when << ": the tank is drawn";
    }

    std::unique_ptr<GameOverWatch> m_watch;
};

// Every count 0, only fish that never hold the game, only counts of species
// the game has no fish for: the tank is there to play in, also after F2.
TEST_F(EmptyTankGL, ATankWithoutFishToShootIsPlayedNotLost)
{
    struct Case {
        const char* name;
        Counts fish;
        int species24;  // fish of species 24 that swim
    };
    const Case cases[] = {
        {"every count 0", {}, 0},
        {"species 24 only", {{24, 3}}, 3},
        {"a species without fish", {{1, 5}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_watch->count = 0;
        OpenTank(c.fish, {});
        ExpectPlayedNotLost("at start");
        EXPECT_EQ(View().FishArray(24)->GetSize(), c.species24);
        View().RestartGame();
        ExpectPlayedNotLost("after a restart");
        CloseTank();
    }
}

// The Fish dialog empties a tank whose fish are partly or all hit: no Game
// Over; fish added later are there to shoot.
TEST_F(EmptyTankGL, ClearingTheTankLeavesTheGameOn)
{
    for (const bool allHit : {false, true}) {
        SCOPED_TRACE(allHit ? "every fish hit" : "one fish hit");
        m_watch->count = 0;
        OpenTank({{23, 2}}, {});
        View().FishArray(23)->GetAt(0).m_bHit = 1;
        if (allHit)
            View().FishArray(23)->GetAt(1).m_bHit = 1;
        ApplyCounts({});
        ExpectPlayedNotLost("after Clear");
        EXPECT_EQ(View().FishArray(23)->GetSize(), 0);
        ApplyCounts({{23, 1}});
        ExpectPlayedNotLost("after one fish is added");
        ASSERT_EQ(View().FishArray(23)->GetSize(), 1);
        EXPECT_EQ(View().FishArray(23)->GetAt(0).m_bHit, 0);
        CloseTank();
    }
}

// A shot that reaches the last clownfish ends the game, whether or not fish
// of species 24 still swim; "Restart" brings the clownfish back and no second
// box follows.
TEST_F(EmptyTankGL, ShootingTheLastFishThatHoldsTheGameEndsIt)
{
    for (const int species24 : {0, 2}) {
        SCOPED_TRACE(testing::Message() << species24 << " fish of species 24");
        m_watch->count = 0;
        OpenTank({{23, 1}, {24, species24}}, {});
        View().m_nMode = View().m_wndCommandBar.m_nCommand = ID_TOOL_SHOOT;
        CFishModel& fish = View().FishArray(23)->GetAt(0);
        // A flying shot where the fish is (shots are kept 20 units above
        // where they are drawn and tested).
        View().m_Cannon.m_Shots[1] = CANNONSHOT{fish.m_fPos[0], fish.m_fPos[1] + 20.0f, -77.5f, 1, 0.0f, 0};
        DrawFrames(1);
        EXPECT_EQ(View().m_Cannon.m_Shots[1].spent, 1) << "the shot hit";
        for (int i = 0; i < 200 && m_watch->count == 0; ++i)
            DrawFrames(1);
        EXPECT_EQ(m_watch->count, 1);
        EXPECT_EQ(fish.m_bHit, 0) << "Restart brought it back";
        DrawFrames(3);
        EXPECT_EQ(m_watch->count, 1);
        CloseTank();
    }
}

}  // namespace
