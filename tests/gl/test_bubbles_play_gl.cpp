// The bubbles during play: a column rising from the floor, as many and as
// fast as the settings say, read back from the screen.
#include "gl/tank_window.h"
#include "objects/rand_tape.h"
#include "settings/settings.h"

#include <string>
#include <vector>

namespace {

class BubblesPlayGL : public TankWindowTest {
protected:
    // A tank whose one fish swims out of view and without the cannon, so
    // that nothing but bubbles is blue.
    void OpenBubbleTank(int count, int speed)
    {
        OpenTank({{23, 1}}, {},
                 "QIPAONUM=" + std::to_string(count) + "\r\nLIGHTQIANGDU=" + std::to_string(speed) + "\r\n");
        View().m_nMode = View().m_wndCommandBar.m_nCommand = ID_TOOL_ZOOM_IN;
    }
    QImage Frame()
    {
        CFishModel& fish = View().FishArray(23)->GetAt(0);
        fish.m_fPos[0] = 48.0f;
        fish.m_fPos[1] = 0.0f;
        fish.m_fPos[2] = -78.0f;
        return DrawFrames(1);
    }
    static bool IsBubble(QRgb p) { return qBlue(p) > 80; }
    struct Bubbles {
        long pixels = 0;
        int top = -1;  // the highest row with a bubble
        double meanY = 0;
    };
    static Bubbles Find(const QImage& image)
    {
        Bubbles b;
        double sumY = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (IsBubble(image.pixel(x, y))) {
                    if (b.top < 0)
                        b.top = y;
                    ++b.pixels;
                    sumY += y;
                }
        b.meanY = b.pixels ? sumY / b.pixels : 0;
        return b;
    }
};

// The count setting leaves out that many of the 200 bubbles; the speed
// setting divides their rise (1 the fastest). Both act on the frames of play,
// and a change of the count shows at the next frame.
TEST_F(BubblesPlayGL, CountAndSpeedSettingsShapeTheColumn)
{
    struct Case {
        int count, speed;
    };
    const Case cases[] = {{200, 1}, {100, 1}, {0, 1}, {100, 100}};
    std::vector<Bubbles> seen;
    int h = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count << ", speed " << c.speed);
        OpenBubbleTank(c.count, c.speed);
        Frame();
        const QImage image = Frame();
        h = image.height();
        seen.push_back(Find(image));
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        if (c.count == 100 && c.speed == 1) {
            g_Settings.g_nBubbleCount = 200;
            EXPECT_EQ(Find(Frame()).pixels, 0) << "none left";
            g_Settings.g_nBubbleCount = 100;
            EXPECT_GT(Find(Frame()).pixels, 0) << "back again";
        }
        CloseTank();
    }
    EXPECT_EQ(seen[0].pixels, 0) << "a count of 200 draws none";
    EXPECT_GT(seen[1].pixels, 500);
    EXPECT_GT(seen[2].pixels, seen[1].pixels * 3 / 2) << "a count of 0 draws all 200";
    // At the fastest speed the column reaches the upper half of the view; at
    // the slowest the bubbles stay near the floor.
    EXPECT_LT(seen[1].top, h / 2);
    EXPECT_GT(seen[3].pixels, 0);
    EXPECT_GT(seen[3].top, h * 7 / 10);
}

// A change of the count or the speed in the Aquarium dialog shows in the next
// frame: the column stands anew at the new count and speed, instead of the
// bubbles in the water keeping their old speed until they fade, or new ones
// all starting together from the stone.
TEST_F(BubblesPlayGL, AChangeShowsInTheColumnAtOnce)
{
    struct Case {
        const char* name;
        int count, speed;          // at start
        int newCount, newSpeed;    // set while playing
        bool reachesUpperHalf;     // the column's top in the next frame
    };
    const Case cases[] = {
        {"slowest to fastest", 100, 100, 100, 1, true},
        {"fastest to slowest", 100, 1, 100, 100, false},
        {"none to half", 200, 1, 100, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenBubbleTank(c.count, c.speed);
        Frame();
        g_Settings.g_nBubbleCount = c.newCount;
        g_Settings.g_nBubbleSpeed = c.newSpeed;
        const QImage image = Frame();
        const Bubbles after = Find(image);
        const int h = image.height();
        ASSERT_GT(after.pixels, 0);
        if (c.reachesUpperHalf) {
            EXPECT_LT(after.top, h / 2);
        } else {
            EXPECT_GT(after.top, h * 7 / 10);
        }
        CloseTank();
    }
}

// One bubble, set going at one unit a frame: it climbs the screen frame by
// frame, about 15 pixels each at the depth of the air stone.
TEST_F(BubblesPlayGL, ABubbleRisesFrameByFrame)
{
    OpenBubbleTank(199, 1);
    PARTICLE& p = View().m_Bubbles.m_pParticles[0];
    p = PARTICLE{};
    p.y = 5.0f;
    p.vy = 1.0f;
    p.life = 200.0f;
    p.size = 1.0f;
    double lastY = -1;
    for (int frame = 0; frame < 4; ++frame) {
        const Bubbles b = Find(Frame());
        ASSERT_GT(b.pixels, 20) << frame;
        if (lastY >= 0) {
            EXPECT_GT(lastY - b.meanY, 8.0) << frame;
            EXPECT_LT(lastY - b.meanY, 25.0) << frame;
        }
        lastY = b.meanY;
    }
}

// Drawing the bubbles takes nothing from the game's rand sequence: the fish
// and the placement draw what they would draw without them.
TEST_F(BubblesPlayGL, BubblesLeaveTheGamesRandomSequenceAlone)
{
    OpenBubbleTank(0, 1);
    EXPECT_EQ(DrawsBy([&] { View().DrawBubbles(); }), 0);
    EXPECT_GT(Find(Frame()).pixels, 0);
}

}  // namespace
