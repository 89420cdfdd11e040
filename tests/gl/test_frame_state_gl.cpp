// What each object of the frame looks like depends on itself, not on the tool
// or on the normal, colour and picture coordinate some other object left
// current: the floor, the backdrop, the help text and the cannon.
#include "settings/settings.h"
#include "gl/tank_window.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Rgb {
    int r = 0, g = 0, b = 0;
};

// What a previous drawing may leave current.
struct Leftover {
    const char* name;
    float normal[3];
    float colour[4];
    float texCoord[2];
};

const Leftover kLeftovers[] = {
    {"facing away, red", {0.0f, 0.0f, -1.0f}, {1.0f, 0.0f, 0.0f, 1.0f}, {0.5f, 0.5f}},
    {"facing up, blue", {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f, 0.0f}, {0.0f, 0.0f}},
    {"sideways, white", {1.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f, 1.0f}, {0.9f, 0.1f}},
};

void Leave(const Leftover& l)
{
    glNormal3fv(l.normal);
    glColor4fv(l.colour);
    glTexCoord2fv(l.texCoord);
    glMultiTexCoord2fv(GL_TEXTURE1, l.texCoord);
}

class FrameStateGL : public TankWindowTest {
protected:
    // An empty tank (nothing moves from frame to frame) with a grey backdrop
    // and no bubbles.
    void OpenStillTank(int showTerra)
    {
        OpenTank({}, {},
                 "Show Terra=" + std::to_string(showTerra) +
                     "\r\nBACK GUDING=1\r\nBACKCOLOR=5263440\r\nQIPAONUM=200\r\n");
    }
    void UseTool(int tool) { View().m_nMode = View().m_wndCommandBar.m_nCommand = tool; }
    // A frame in the tool, then one drawn right after the leftover is made current.
    QImage FrameAfter(int tool, const Leftover& leftover)
    {
        UseTool(tool);
        DrawFrames(1);
        Leave(leftover);
        return DrawFrames(1);
    }
    // The mean colour of the 5 x 5 pixels around where a world point lands.
    Rgb At(const QImage& image, float x, float y, float z)
    {
        const QPoint c = Project(x, y, z);
        Rgb sum;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const QRgb p = image.pixel(std::clamp(c.x() + dx, 0, image.width() - 1),
                                           std::clamp(c.y() + dy, 0, image.height() - 1));
                sum.r += qRed(p);
                sum.g += qGreen(p);
                sum.b += qBlue(p);
            }
        return {sum.r / 25, sum.g / 25, sum.b / 25};
    }
    static void ExpectSame(const Rgb& got, const Rgb& want, const std::string& what)
    {
        EXPECT_LE(std::abs(got.r - want.r), 2) << what;
        EXPECT_LE(std::abs(got.g - want.g), 2) << what;
        EXPECT_LE(std::abs(got.b - want.b), 2) << what;
    }
};

struct Sample {
    const char* name;
    float x, y, z;
};

// Points of the floor away from the cannon and its shadow, and of the backdrop.
const Sample kFloor[] = {{"floor left", -30.0f, -22.0f, -60.0f},
                         {"floor right", 30.0f, -22.0f, -60.0f},
                         {"floor back", 25.0f, -22.0f, -90.0f}};
const Sample kBackdrop = {"backdrop", 30.0f, 25.0f, -150.0f};

const int kTools[] = {ID_TOOL_SHOOT, ID_TOOL_TOUCH,       ID_TOOL_FEED,    ID_TOOL_GROW,    ID_TOOL_SHRINK,
                      ID_TOOL_CAMERA, ID_TOOL_MOVE_CANNON, ID_TOOL_ZOOM_IN, ID_TOOL_ZOOM_OUT};

// The floor is lit as facing up and the backdrop as facing the camera, in
// every tool and whatever was drawn before them; without the floor the
// backdrop fills the view and keeps its light too.
TEST_F(FrameStateGL, TheFloorAndTheBackdropAreLitTheSameUnderEveryTool)
{
    for (const int showTerra : {1, 0}) {
        SCOPED_TRACE(showTerra ? "with the floor" : "without the floor");
        OpenStillTank(showTerra);
        std::vector<Sample> samples{kBackdrop};
        if (showTerra)
            samples.insert(samples.end(), std::begin(kFloor), std::end(kFloor));
        const QImage first = FrameAfter(ID_TOOL_CAMERA, kLeftovers[1]);
        std::vector<Rgb> reference;
        for (const Sample& s : samples)
            reference.push_back(At(first, s.x, s.y, s.z));
        if (showTerra) {
            const Rgb floor = reference[1];
            EXPECT_GT(floor.g, 60) << "the floor is green and lit";
            EXPECT_LT(floor.r, floor.g / 2);
        }
        for (const int tool : kTools)
            for (const Leftover& leftover : kLeftovers) {
                const QImage image = FrameAfter(tool, leftover);
                for (size_t i = 0; i < samples.size(); ++i)
                    ExpectSame(At(image, samples[i].x, samples[i].y, samples[i].z), reference[i],
                               std::string(samples[i].name) + " in tool " + std::to_string(tool) + ", " +
                                   leftover.name);
            }
        CloseTank();
    }
}

// The scene pass alone, drawn with the camera of the frame right after a
// leftover is made current: the floor and the backdrop panel take no normal
// from it (the floor is lit as facing up, the panel as facing the camera).
TEST_F(FrameStateGL, TheSceneTakesNoNormalFromWhatCameBefore)
{
    for (const int showTerra : {1, 0}) {
        SCOPED_TRACE(showTerra ? "with the floor" : "without the floor, the panel after nothing");
        OpenStillTank(showTerra);
        UseTool(ID_TOOL_CAMERA);
        View().RenderFrame();  // the state of play between frames
        std::vector<Sample> samples{kBackdrop};
        if (showTerra)
            samples.insert(samples.end(), std::begin(kFloor), std::end(kFloor));
        std::vector<Rgb> reference;
        for (const Leftover& leftover : kLeftovers) {
            double f[4];
            ComputeFrustum(View().m_nScreenWidth, View().m_nScreenHeight, f);
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            glFrustum(f[0], f[1], f[2], f[3], 1.0, 1000.0);
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            gluLookAt(g_fEyeX, g_fEyeY, g_fEyeZ + View().m_fCameraZ, 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);
            glViewport(0, 0, View().m_nScreenWidth, View().m_nScreenHeight);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            Leave(leftover);
            View().DrawScene(TRUE);
            glFinish();
            for (size_t i = 0; i < samples.size(); ++i) {
                const QPoint p = Project(samples[i].x, samples[i].y, samples[i].z);
                GLubyte rgb[3] = {};
                glReadBuffer(GL_BACK);
                glReadPixels(p.x(), View().m_nScreenHeight - 1 - p.y(), 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
                const Rgb got{rgb[0], rgb[1], rgb[2]};
                if (reference.size() < samples.size())
                    reference.push_back(got);
                else
                    ExpectSame(got, reference[i], std::string(samples[i].name) + ", " + leftover.name);
            }
        }
        EXPECT_GT(reference[0].r, 20) << "the grey panel is drawn";
        CloseTank();
    }
}

// The help text is white, whatever colour is current before the frame.
TEST_F(FrameStateGL, TheHelpTextKeepsItsColour)
{
    OpenStillTank(1);
    for (const Leftover& leftover : kLeftovers) {
        SCOPED_TRACE(leftover.name);
        View().m_bShowHud = 1;
        g_nHudFrames = 0;
        const QImage image = FrameAfter(ID_TOOL_CAMERA, leftover);
        long bright = 0;
        long tinted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                bright += qRed(p) > 150 && qGreen(p) > 150;
                // The text is lit by the bluish light: red never leads, and
                // neither red nor green is missing.
                tinted += qRed(p) > qGreen(p) + 40 || (qBlue(p) > 150 && qRed(p) + qGreen(p) < 100);
            }
        EXPECT_GT(bright, 500) << "the glyphs";
        EXPECT_EQ(tinted, 0);
    }
}

// The cannon's ball is white and lit, not coloured by the picture of the
// last fish drawn.
TEST_F(FrameStateGL, TheCannonIsWhite)
{
    OpenTank({{23, 1}, {24, 1}}, {}, "QIPAONUM=200\r\n");
    for (const Leftover& leftover : kLeftovers) {
        SCOPED_TRACE(leftover.name);
        // The fish swim out of the way.
        for (int k : {23, 24}) {
            CFishModel& fish = View().FishArray(k)->GetAt(0);
            fish.m_fPos[0] = k == 23 ? 45.0f : -45.0f;
            fish.m_fPos[1] = 10.0f;
        }
        const QImage image = FrameAfter(ID_TOOL_SHOOT, leftover);
        // The ball stands on the barrel's end, one unit above the drawn cannon.
        const Rgb ball = At(image, 0.0f, -19.0f, -77.5f);
        EXPECT_GT(ball.r, 120);
        EXPECT_LE(std::abs(ball.r - ball.g), 20);
        EXPECT_GE(ball.b, ball.r - 5);
    }
}

}  // namespace
