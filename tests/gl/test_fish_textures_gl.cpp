// What the fish textures show where the mesh tables point. A clownfish fin
// ends in a pale rim with its black band inside it: a thin fin seen edge-on
// (from behind) shows its rim, so a black rim would cross the picture as a
// black stripe.
#include "fish/fish_species23_meshes.h"
#include "gl/fish_gl_fixture.h"
#include "gl/texture_pixels.h"

#include <GL/glew.h>

#include <algorithm>

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

class FishTextureTest : public FishGLFixture {
protected:
    // The picture of species k as the game loaded it, bottom row first.
    void Load(int species)
    {
        TexturePixels p = ReadTexturePixels(LoadFishTexture(species));
        m_width = p.width;
        m_height = p.height;
        m_pixels = std::move(p.rgba);
    }
    // Mean of the three channels of the texel under (s, t), 0..255.
    int Brightness(float s, float t) const
    {
        const int x = std::clamp(int(s * m_width), 0, m_width - 1), y = std::clamp(int(t * m_height), 0, m_height - 1);
        const unsigned char* p = &m_pixels[(size_t(y) * m_width + x) * 4];
        return (p[0] + p[1] + p[2]) / 3;
    }

    GLint m_width = 0, m_height = 0;
    std::vector<unsigned char> m_pixels;
};

TEST_F(FishTextureTest, ClownfishFinsEndInAPaleRimWithTheBlackBandInside)
{
    Load(23);
    ASSERT_GT(m_width, 0);
    struct Fin {
        const char* name;
        const FishVertex* table;
        int columns;
    } fins[] = {{"tail", &g_Fish23Tail[0][0], 20},
                {"spiny dorsal", &g_Fish23Dorsal[0][0], 14},
                {"soft dorsal", &g_Fish23SoftDorsal[0][0], 9},
                {"anal", &g_Fish23Anal[0][0], 14},
                {"pelvic", &g_Fish23Pelvic[0][0], 8}};
    for (const Fin& fin : fins)
        for (int c = 0; c < fin.columns; ++c) {
            const FishVertex &root = fin.table[c], &rim = fin.table[fin.columns + c];
            auto at = [&](float b) { return Brightness(root.s + b * (rim.s - root.s), root.t + b * (rim.t - root.t)); };
            EXPECT_GT(at(0.99f), 150) << fin.name << ", column " << c << ": the rim is pale";
            EXPECT_LT(at(0.905f), 60) << fin.name << ", column " << c << ": the black band runs inside it";
            EXPECT_GT(at(0.5f), 85) << fin.name << ", column " << c << ": orange toward the root";
        }
}

}  // namespace
