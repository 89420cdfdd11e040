// Every registered species through a half turn, frame by frame, seen from the
// side and from above: the fish holds together (no part drawn apart from the
// rest). Set PV_FISH_TURN_PNG to a file name prefix to keep the frames.
#include "fish/fish_registry.h"
#include "gl/fish_gl_fixture.h"
#include "gl/offscreen_target.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <GL/glu.h>

#include <QImage>
#include <algorithm>
#include <QPainter>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 200;
const QRgb kBackground = qRgb(13, 31, 64);

// The pieces of a silhouette larger than `least` pixels; pixels closer than
// `gap` count as touching (a thin fin seen edge on breaks into dots).
int Pieces(const QImage& image, int least, int gap)
{
    const int w = image.width(), h = image.height();
    std::vector<char> fish(static_cast<size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (image.pixel(x, y) != kBackground)
                for (int dy = -gap; dy <= gap; ++dy)
                    for (int dx = -gap; dx <= gap; ++dx)
                        if (x + dx >= 0 && y + dy >= 0 && x + dx < w && y + dy < h)
                            fish[static_cast<size_t>(y + dy) * w + x + dx] = 1;
    std::vector<int> mark(static_cast<size_t>(w) * h, 0);
    auto isFish = [&](int x, int y) { return fish[static_cast<size_t>(y) * w + x] != 0; };
    int pieces = 0;
    std::vector<std::pair<int, int>> stack;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (mark[static_cast<size_t>(y) * w + x] || !isFish(x, y))
                continue;
            int size = 0;
            stack.push_back({x, y});
            mark[static_cast<size_t>(y) * w + x] = 1;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                ++size;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int qx = px + dx, qy = py + dy;
                        if (qx < 0 || qy < 0 || qx >= w || qy >= h)
                            continue;
                        int& m = mark[static_cast<size_t>(qy) * w + qx];
                        if (!m && isFish(qx, qy)) {
                            m = 1;
                            stack.push_back({qx, qy});
                        }
                    }
            }
            if (size >= least)
                ++pieces;
        }
    return pieces;
}

class FishTurnGLTest : public FishGLFixture {
protected:
    // The fish where it started (it swims off as it turns), from the side
    // or from above and a little behind (so that its fins show a width).
    QImage Render(OffscreenTarget& target, CFishModel& fish, IFishArray& array, GLuint texture, bool fromAbove)
    {
        const float at[3] = {fish.m_fPos[0], fish.m_fPos[1], fish.m_fPos[2]};
        const QImage image = RenderFish(target, kSide, kSide, kBackground, 40.0, 0, fromAbove ? 11.0f : 0.0f,
                                        fromAbove ? 5.0f : 12.0f, [&] {
                                            glBindTexture(GL_TEXTURE_2D, texture);
                                            array.DrawFish(0, {});
                                        });
        std::copy(at, at + 3, fish.m_fPos);
        return image;
    }
};

TEST_F(FishTurnGLTest, EverySpeciesHoldsTogetherThroughAHalfTurn)
{
    OffscreenTarget target(kSide, kSide);
    ASSERT_TRUE(target.Complete());
    const char* keep = std::getenv("PV_FISH_TURN_PNG");
    for (const FishSpecies* species : RegisteredFishSpecies()) {
        SCOPED_TRACE(species->description->name);
        const GLuint texture = LoadFishTexture(species->index);
        crt::srand(11);
        const std::unique_ptr<IFishArray> array = species->makeArray();
        array->SetSize(1);
        array->SetSwimBox(0, -50, 50, 3, -22, -75, -80);
        CFishModel& fish = array->GetAt(0);
        fish.m_fPos[2] = -75;
        fish.m_nWanderTimer = 0;  // no wander decision in the turn
        fish.TargetPitch() = fish.m_fShownPitch = 0;
        for (int i = 0; i < 40; ++i)  // settled at heading 0
            Render(target, fish, *array, texture, false);
        fish.m_nTargetHeading = 180;
        // A class that never wanders turns only where an x wall turns it, which
        // leaves the wall state set for its next bend.
        if (!species->description->wanders)
            fish.m_nWallState = 1;
        std::vector<QImage> frames;
        int worst = 0, worstFrame = 0;
        for (int frame = 0; frame < 48; ++frame) {
            for (bool above : {false, true}) {
                const QImage image = Render(target, fish, *array, texture, above);
                const int pieces = Pieces(image, 60, 2);
                if (pieces > worst) {
                    worst = pieces;
                    worstFrame = frame;
                }
                frames.push_back(image);
            }
        }
        EXPECT_LE(worst, 1) << "pieces apart from the body, worst at frame " << worstFrame;
        if (keep) {
            const int columns = 16;
            QImage sheet(kSide * columns, kSide * int((frames.size() + columns - 1) / columns), QImage::Format_RGBA8888);
            sheet.fill(Qt::black);
            QPainter painter(&sheet);
            for (size_t k = 0; k < frames.size(); ++k)
                painter.drawImage(int(k % columns) * kSide, int(k / columns) * kSide, frames[k]);
            painter.end();
            EXPECT_TRUE(sheet.save(QString::fromStdString(std::string(keep) + std::to_string(species->index) + ".png")));
        }
    }
}

}  // namespace
