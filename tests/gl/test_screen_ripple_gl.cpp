// The ripple tool on the real window: the copy of the frame goes back over
// the view as it was taken, and rings that reach the screen's edges keep the
// edge of the picture there instead of the far side of the screen.
#include "settings/settings.h"
#include "gl/tank_window.h"

#include <algorithm>
#include <cstdlib>

namespace {

class ScreenRippleGL : public TankWindowTest {
protected:
    // An empty tank (nothing moves from frame to frame): the floor below, the
    // black backdrop above, no bubbles.
    void OpenStillTank() { OpenTank({}, {}, "QIPAONUM=200\r\n"); }
    void UseTool(int tool) { View().m_nMode = View().m_wndCommandBar.m_nCommand = tool; }

    static bool IsFloor(QRgb p) { return qGreen(p) > 80 && qRed(p) < 60; }
    static bool IsBlack(QRgb p) { return qRed(p) + qGreen(p) + qBlue(p) < 30; }
    template <class Test>
    static long CountInRows(const QImage& image, int first, int last, Test test)
    {
        long n = 0;
        for (int y = first; y <= last; ++y)
            for (int x = 0; x < image.width(); ++x)
                n += test(image.pixel(x, y));
        return n;
    }
};

// With no ripple running the grid shows the copied frame pixel for pixel,
// on a screen of any shape.
TEST_F(ScreenRippleGL, WithoutRipplesTheToolShowsTheFrameAsItIs)
{
    OpenTank({}, {}, "BACK GUDING=1\r\nBACKCOLOR=5263440\r\nQIPAONUM=200\r\n");
    UseTool(ID_TOOL_CAMERA);
    const QImage plain = DrawFrames(2);
    UseTool(ID_TOOL_RIPPLE);
    const QImage rippled = DrawFrames(2);
    ASSERT_EQ(plain.size(), rippled.size());
    long differ = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb a = plain.pixel(x, y);
            const QRgb b = rippled.pixel(x, y);
            differ += std::abs(qRed(a) - qRed(b)) > 12 || std::abs(qGreen(a) - qGreen(b)) > 12 ||
                      std::abs(qBlue(a) - qBlue(b)) > 12;
        }
    EXPECT_LT(differ, static_cast<long>(plain.width()) * plain.height() / 200);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// A ripple in the middle: while its rings push the picture past the top and
// bottom edges, the top rows show no floor and the bottom rows no black.
TEST_F(ScreenRippleGL, RingsAtTheEdgesKeepTheEdgeOfThePicture)
{
    OpenStillTank();
    UseTool(ID_TOOL_RIPPLE);
    DrawFrames(1);
    RECT r;
    View().GetClientRect(&r);
    View().OnLButtonDown(0, CPoint(r.right / 2, r.bottom / 2));
    View().OnLButtonUp(0, CPoint(r.right / 2, r.bottom / 2));
    const CScreenRipple& ripple = *View().m_pRipple;
    constexpr int kGrid = CScreenRipple::GRID;
    int pushedOut = 0;
    for (int frame = 0; frame < 200; ++frame) {
        // What the next frame draws: the coordinates of the last update.
        float top = 1.0f;
        float bottom = 0.0f;
        for (int i = 0; i < kGrid; ++i) {
            top = std::max(top, ripple.m_Grid[kGrid * i + kGrid - 1].v);
            bottom = std::min(bottom, ripple.m_Grid[kGrid * i].v);
        }
        const bool out = top > 1.01f && bottom < -0.01f;
        if (!out || frame % 3 != 0) {
            View().RenderFrame();
            continue;
        }
        ++pushedOut;
        const QImage image = DrawFrames(1);
        const int h = image.height();
        SCOPED_TRACE(testing::Message() << "frame " << frame << ", top v " << top << ", bottom v " << bottom);
        EXPECT_EQ(CountInRows(image, 0, 4, IsFloor), 0) << "floor along the top";
        EXPECT_LT(CountInRows(image, h - 5, h - 1, IsBlack), image.width() * 5 / 50) << "black along the bottom";
    }
    EXPECT_GT(pushedOut, 5) << "the rings reached the edges";
}

}  // namespace
