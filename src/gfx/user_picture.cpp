#include "gfx/user_picture.h"

#include "gfx/picture_check.h"
#include "platform/image_file.h"
#include "platform/regular_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// A side rounded up to a power of two, not past limit.
int PowerOfTwo(int side, int limit)
{
    int p = 1;
    while (p < side && p * 2 <= limit)
        p *= 2;
    return p;
}

// Colours squeezed into 16..235, the range a television shows.
void MakeTelevisionSafe(DecodedImage& image)
{
    unsigned char table[256];
    for (int v = 0; v < 256; ++v)
        table[v] = static_cast<unsigned char>(16 + (v * 219 + 127) / 255);
    const int n = image.channels;
    for (size_t i = 0; i < image.pixels.size(); ++i)
        if (n == 3 || i % 4 != 3)
            image.pixels[i] = table[image.pixels[i]];
}

// The image resampled (bilinear) to w x h, rows turned bottom first.
PreparedPicture::Level Resampled(const DecodedImage& image, int w, int h)
{
    PreparedPicture::Level level{w, h, std::vector<unsigned char>(size_t(w) * size_t(h) * size_t(image.channels))};
    const int n = image.channels, sw = image.width, sh = image.height;
    std::vector<int> x0(w), x1(w);
    std::vector<float> fx(w);
    for (int x = 0; x < w; ++x) {
        const float sx = std::clamp((x + 0.5f) * sw / w - 0.5f, 0.0f, float(sw - 1));
        x0[x] = int(sx);
        x1[x] = std::min(x0[x] + 1, sw - 1);
        fx[x] = sx - float(x0[x]);
    }
    for (int y = 0; y < h; ++y) {
        const float sy = std::clamp((y + 0.5f) * sh / h - 0.5f, 0.0f, float(sh - 1));
        const int y0 = int(sy), y1 = std::min(y0 + 1, sh - 1);
        const float fy = sy - float(y0);
        const unsigned char* r0 = image.pixels.data() + size_t(y0) * sw * n;
        const unsigned char* r1 = image.pixels.data() + size_t(y1) * sw * n;
        unsigned char* out = level.pixels.data() + size_t(h - 1 - y) * w * n;
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < n; ++c) {
                const float top = r0[x0[x] * n + c] + (r0[x1[x] * n + c] - r0[x0[x] * n + c]) * fx[x];
                const float bottom = r1[x0[x] * n + c] + (r1[x1[x] * n + c] - r1[x0[x] * n + c]) * fx[x];
                out[size_t(x) * n + c] = static_cast<unsigned char>(std::lround(top + (bottom - top) * fy));
            }
    }
    return level;
}

// The next smaller level: each pixel the mean of the 2 x 2 (or 2 x 1) it covers.
PreparedPicture::Level Halved(const PreparedPicture::Level& from, int n)
{
    const int w = std::max(1, from.width / 2), h = std::max(1, from.height / 2);
    const int sx = from.width > 1 ? 2 : 1, sy = from.height > 1 ? 2 : 1;
    PreparedPicture::Level level{w, h, std::vector<unsigned char>(size_t(w) * size_t(h) * size_t(n))};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < n; ++c) {
                unsigned sum = 0;
                for (int dy = 0; dy < sy; ++dy)
                    for (int dx = 0; dx < sx; ++dx)
                        sum += from.pixels[(size_t(y * sy + dy) * from.width + size_t(x * sx + dx)) * n + c];
                const unsigned count = unsigned(sx * sy);
                level.pixels[(size_t(y) * w + x) * n + c] = static_cast<unsigned char>((sum + count / 2) / count);
            }
    return level;
}

}  // namespace

bool PreparePicture(const char* path, int largestSide, PreparedPicture* picture, std::string* problem)
{
    const auto fail = [problem](const std::string& why) {
        if (problem)
            *problem = why;
        return false;
    };
    std::string bytes, why;
    switch (ReadRegularFile(path, kMaxPictureFileBytes, bytes, nullptr, &why)) {
    case FileOpen::Missing: return fail("The file does not exist.");
    case FileOpen::Failed: return fail("The file cannot be opened: " + why + ".");
    case FileOpen::Ok: break;
    }
    PictureFacts facts;
    if (!CheckPictureBytes(bytes, &facts, &why))
        return fail(why);
    const int limit = std::max(1, std::min(largestSide, kLargestPictureSide));
    DecodedImage image;
    if (!DecodeImage(bytes, PictureFormatName(facts.kind), limit, &image, &why))
        return fail(why);
    bytes = std::string();
    MakeTelevisionSafe(image);
    PreparedPicture made;
    made.channels = image.channels;
    made.levels.push_back(Resampled(image, PowerOfTwo(image.width, limit), PowerOfTwo(image.height, limit)));
    image = DecodedImage();
    while (made.levels.back().width > 1 || made.levels.back().height > 1)
        made.levels.push_back(Halved(made.levels.back(), made.channels));
    if (picture)
        *picture = std::move(made);
    if (problem)
        problem->clear();
    return true;
}

int PictureSideLimit()
{
    GLint most = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &most);
    return most > 0 ? std::min(most, kLargestPictureSide) : kLargestPictureSide;
}

GLuint UploadPicture(const PreparedPicture& picture)
{
    if (picture.levels.empty() || (picture.channels != 3 && picture.channels != 4))
        return 0;
    while (glGetError() != GL_NO_ERROR) {
    }
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    const GLenum format = picture.channels == 4 ? GL_RGBA : GL_RGB;
    // Levels larger than the GL takes are left out: the next one is level 0.
    const int most = PictureSideLimit();
    size_t first = 0;
    while (first + 1 < picture.levels.size() &&
           std::max(picture.levels[first].width, picture.levels[first].height) > most)
        ++first;
    for (size_t i = first; i < picture.levels.size(); ++i) {
        const PreparedPicture::Level& level = picture.levels[i];
        glTexImage2D(GL_TEXTURE_2D, GLint(i - first), GLint(format), level.width, level.height, 0, format,
                     GL_UNSIGNED_BYTE, level.pixels.data());
    }
    glPopClientAttrib();
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, GLint(picture.levels.size() - 1 - first));
    const bool failed = glGetError() != GL_NO_ERROR;
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    if (failed) {
        glDeleteTextures(1, &texture);
        return 0;
    }
    return texture;
}

GLuint LoadPictureTexture(const char* path, std::string* problem)
{
    PreparedPicture picture;
    std::string why;
    GLuint texture = 0;
    if (PreparePicture(path, PictureSideLimit(), &picture, &why)) {
        texture = UploadPicture(picture);
        if (!texture)
            why = "The picture cannot be made into a texture.";
    }
    if (problem)
        *problem = why;
    return texture;
}

void DeletePictureTexture(GLuint texture)
{
    if (texture)
        glDeleteTextures(1, &texture);
}
