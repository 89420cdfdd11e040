// Shadows on this GL (no GL_ARB_shadow_ambient): the dim pass shows where the
// lit pass drops shadowed fragments, so a fish's shadow is darkened floor.
#include "gl/tank_window.h"
#include "settings/settings.h"

#include <algorithm>
#include <vector>

namespace {

class ShadowsGL : public TankWindowTest {
protected:
    static constexpr float kLight[3] = {0.0f, 63.0f, 117.0f};
    static constexpr float kFloorY = -22.0f;  // the tank bottom

    // One frame with the caster at `at` (or hidden) and the other fish parked
    // on the right, its shadow off the floor. Both stay in their swim box.
    QImage Frame(const float at[3], bool withCaster)
    {
        CFishModel& caster = View().FishArray(23)->GetAt(0);
        CFishModel& parked = View().FishArray(23)->GetAt(1);
        caster.m_bHit = withCaster ? 0 : 1;
        QImage image;
        for (int i = 0; i < 2; ++i) {
            std::copy(at, at + 3, caster.m_fPos);
            parked.m_fPos[0] = 40.0f;
            parked.m_fPos[1] = 0.0f;
            parked.m_fPos[2] = -78.0f;
            image = DrawFrames(1);
        }
        return image;
    }
    // Where the ray from the light through p meets the tank bottom.
    static void ShadowOnFloor(const float p[3], float out[3])
    {
        const float t = (kLight[1] - kFloorY) / (kLight[1] - p[1]);
        for (int i = 0; i < 3; ++i)
            out[i] = kLight[i] + (p[i] - kLight[i]) * t;
    }
    static int Brightness(QRgb p) { return qRed(p) + qGreen(p) + qBlue(p); }
};

TEST_F(ShadowsGL, AFishShadowIsDarkenedFloorNotTheClearColour)
{
    OpenTank({{23, 2}}, {});
    ASSERT_EQ(View().FishArray(23)->GetSize(), 2);
    ASSERT_EQ(View().m_bShadowAmbientExt, 0) << "this GL has GL_ARB_shadow_ambient: the dim pass is not drawn";
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    const int clearBrightness = static_cast<int>((clear[0] + clear[1] + clear[2]) * 255);

    struct Case {
        const char* name;
        int mapWidth, mapHeight;  // 0: the size the window gave
    };
    const Case cases[] = {
        {"the shadow map of the window", 0, 0},
        {"a shadow map of another size", 512, 256},  // the texture is made anew
    };
    const int savedWidth = g_nShadowMapWidth, savedHeight = g_nShadowMapHeight;
    // Low in the tank, so that its shadow falls on the floor and below it in the view.
    const float caster[3] = {0.0f, -11.0f, -75.0f};
    float shadow[3];
    ShadowOnFloor(caster, shadow);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.mapWidth) {
            g_nShadowMapWidth = c.mapWidth;
            g_nShadowMapHeight = c.mapHeight;
        }
        const QImage lit = Frame(caster, false);
        const QImage shaded = Frame(caster, true);
        const QPoint centre = Project(shadow[0], shadow[1], shadow[2]);
        const QRect box = QRect(centre - QPoint(150, 80), QSize(300, 160)).intersected(lit.rect());
        ASSERT_FALSE(box.isEmpty()) << centre.x() << "," << centre.y();

        long shadowed = 0, litSum = 0, shadedSum = 0;
        int darkest = 3 * 255;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const int before = Brightness(lit.pixel(x, y));
                const int after = Brightness(shaded.pixel(x, y));
                if (before - after < 30)
                    continue;  // not in the caster's shadow
                ++shadowed;
                litSum += before;
                shadedSum += after;
                darkest = std::min(darkest, after);
            }
        ASSERT_GT(shadowed, 300) << "the fish casts a shadow on the floor";
        // Darker than the lit floor, and the dim floor, not the clear colour.
        EXPECT_LT(shadedSum / shadowed, litSum / shadowed * 3 / 4);
        EXPECT_GT(darkest, clearBrightness + 20);
        EXPECT_GT(shadedSum / shadowed, litSum / shadowed / 5);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
    g_nShadowMapWidth = savedWidth;
    g_nShadowMapHeight = savedHeight;
}

}  // namespace
