#include "gfx/user_picture.h"

#include "gfx/picture_check.h"
#include "platform/image_file.h"

#include <SOIL/SOIL.h>

#include <algorithm>
#include <cstdint>
#include <vector>

static_assert(kPictureTextureFlags ==
              (SOIL_FLAG_MIPMAPS | SOIL_FLAG_INVERT_Y | SOIL_FLAG_COMPRESS_TO_DXT | SOIL_FLAG_NTSC_SAFE_RGB));

namespace {

// A photo's full size gains the back wall nothing and costs SOIL seconds of
// scaling, mipmapping and compressing: larger pictures are shrunk to this.
constexpr int kLargestSide = 2048;

// The picture shrunk so that neither side exceeds kLargestSide, each new
// pixel the mean of the pixels it covers.
std::vector<unsigned char> Shrunk(const unsigned char* pixels, int* width, int* height, int channels)
{
    const int w = *width, h = *height;
    const double scale = double(kLargestSide) / std::max(w, h);
    const int nw = std::max(1, int(w * scale)), nh = std::max(1, int(h * scale));
    std::vector<unsigned char> out(size_t(nw) * nh * channels);
    std::vector<unsigned> sums(size_t(nw) * channels);
    std::vector<int> x0(nw + 1);
    for (int x = 0; x <= nw; ++x)
        x0[x] = int(int64_t(x) * w / nw);
    for (int y = 0; y < nh; ++y) {
        const int y0 = int(int64_t(y) * h / nh), y1 = int(int64_t(y + 1) * h / nh);
        std::fill(sums.begin(), sums.end(), 0u);
        for (int sy = y0; sy < y1; ++sy) {
            const unsigned char* row = pixels + size_t(sy) * w * channels;
            for (int x = 0; x < nw; ++x)
                for (int sx = x0[x]; sx < x0[x + 1]; ++sx)
                    for (int c = 0; c < channels; ++c)
                        sums[size_t(x) * channels + c] += row[size_t(sx) * channels + c];
        }
        for (int x = 0; x < nw; ++x) {
            const unsigned count = unsigned((y1 - y0) * (x0[x + 1] - x0[x]));
            for (int c = 0; c < channels; ++c)
                out[(size_t(y) * nw + x) * channels + c] =
                    static_cast<unsigned char>((sums[size_t(x) * channels + c] + count / 2) / count);
        }
    }
    *width = nw;
    *height = nh;
    return out;
}

GLuint Upload(const unsigned char* pixels, int width, int height, int channels)
{
    std::vector<unsigned char> smaller;
    if (std::max(width, height) > kLargestSide) {
        smaller = Shrunk(pixels, &width, &height, channels);
        pixels = smaller.data();
    }
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    const GLuint texture =
        SOIL_create_OGL_texture(pixels, width, height, channels, SOIL_CREATE_NEW_ID, kPictureTextureFlags);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    return texture;
}

}  // namespace

GLuint LoadPictureTexture(const char* path, PictureDecoder* decoder, std::string* problem)
{
    PictureDecoder used = PictureDecoder::None;
    std::string why;
    GLuint texture = 0;
    PictureFacts facts;
    if (CheckPictureFile(path, &facts, &why)) {
        int width = 0, height = 0, channels = 0;
        if (unsigned char* pixels = SOIL_load_image(path, &width, &height, &channels, SOIL_LOAD_AUTO)) {
            used = PictureDecoder::Soil;
            texture = Upload(pixels, width, height, channels);
            SOIL_free_image_data(pixels);
        } else {
            std::vector<unsigned char> decoded;
            if (ReadImageFile(path, kLargestSide, &decoded, &width, &height, &channels)) {
                used = PictureDecoder::Toolkit;
                texture = Upload(decoded.data(), width, height, channels);
            } else {
                why = "The picture's data cannot be decoded.";
            }
        }
        if (used != PictureDecoder::None && !texture)
            why = "The picture cannot be made into a texture.";
    }
    if (decoder)
        *decoder = texture ? used : PictureDecoder::None;
    if (problem)
        *problem = why;
    return texture;
}

void DeletePictureTexture(GLuint texture)
{
    if (texture)
        glDeleteTextures(1, &texture);
}
