#include "gfx/texture.h"

#include <memory>
#include <new>
#include <vector>

namespace {

constexpr int kMaxScaledSide = 512;
constexpr int kBlankSize = 128;

// Pixel rows laid out as in a BMP file (4-byte aligned, nothing skipped) for
// the uploads and scaling within its lifetime, whatever the caller had set.
class BmpPixelStore {
public:
    BmpPixelStore()
    {
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        for (GLenum alignment : {GL_UNPACK_ALIGNMENT, GL_PACK_ALIGNMENT})
            glPixelStorei(alignment, 4);
        for (GLenum zero : {GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS, GL_UNPACK_SWAP_BYTES,
                            GL_UNPACK_LSB_FIRST, GL_PACK_ROW_LENGTH, GL_PACK_SKIP_ROWS, GL_PACK_SKIP_PIXELS,
                            GL_PACK_SWAP_BYTES, GL_PACK_LSB_FIRST})
            glPixelStorei(zero, 0);
    }
    ~BmpPixelStore() { glPopClientAttrib(); }
    BmpPixelStore(const BmpPixelStore&) = delete;
    BmpPixelStore& operator=(const BmpPixelStore&) = delete;
};

// A side rounded up to a power of two, not past limit, at least 2.
int ScaledSide(int side, int limit)
{
    int p = 2;
    while (p < side && p * 2 <= limit)
        p *= 2;
    return p;
}

}  // namespace

BOOL ScaleImageToPowerOfTwo(LOADEDIMAGE* image)
{
    if (!image || !image->bits)
        return FALSE;
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    const int limit = maxSize > 0 && maxSize < kMaxScaledSide ? maxSize : kMaxScaledSide;
    const int w = image->info.biWidth;
    const int h = image->info.biHeight;
    const int bpp = image->info.biBitCount;
    const int newW = ScaledSide(w, limit);
    const int newH = ScaledSide(h, limit);
    const bool alpha = bpp == 32;
    const GLenum format = alpha ? GL_BGRA_EXT : GL_BGR_EXT;
    const int components = alpha ? 4 : 3;

    if (newW == w && newH == h && bpp != 8) {
        image->format = format;
        image->components = components;
        image->width = w;
        image->height = h;
        return FALSE;
    }

    const unsigned char* source = image->bits;
    std::unique_ptr<unsigned char[]> expanded;
    if (bpp == 8) {
        const int stride = DibRowStride(24, w);
        expanded.reset(new (std::nothrow) unsigned char[static_cast<size_t>(stride) * h]);
        if (!expanded)
            return FALSE;
        CopyDibAsBgr(image, expanded.get(), stride);
        source = expanded.get();
    }
    std::unique_ptr<unsigned char[]> scaled(
        new (std::nothrow) unsigned char[static_cast<size_t>(DibRowStride(components * 8, newW)) * newH]);
    if (!scaled)
        return FALSE;
    {
        BmpPixelStore store;
        if (gluScaleImage(alpha ? GL_BGRA_EXT : GL_RGB, w, h, GL_UNSIGNED_BYTE, source, newW, newH,
                          GL_UNSIGNED_BYTE, scaled.get()) != 0)
            return FALSE;
    }
    delete[] image->scaled;
    image->scaled = scaled.release();
    image->format = format;
    image->components = components;
    image->width = newW;
    image->height = newH;
    return TRUE;
}

BOOL LoadBmpIntoBoundTexture(const char* path)
{
    LOADEDIMAGE image;
    if (!ReadDibFile(path, &image))
        return FALSE;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    const bool scaled = ScaleImageToPowerOfTwo(&image);
    if (image.format != 0) {
        BmpPixelStore store;
        glTexImage2D(GL_TEXTURE_2D, 0, image.components, image.width, image.height, 0, image.format,
                     GL_UNSIGNED_BYTE, scaled ? image.scaled : image.bits);
    }
    const BOOL loaded = image.format != 0;
    FreeDibFile(&image);
    return loaded;
}

void LoadBmpTexture(const char* path, GLuint* texture)
{
    glGenTextures(1, texture);
    glBindTexture(GL_TEXTURE_2D, *texture);
    LoadBmpIntoBoundTexture(path);
}

void LoadMipmapTexture(const char* path, GLuint* texture)
{
    glGenTextures(1, texture);
    glBindTexture(GL_TEXTURE_2D, *texture);
    BITMAPINFOHEADER info;
    std::unique_ptr<unsigned char[]> rgba(ReadBmpAsRgba(path, &info));
    if (rgba) {
        BmpPixelStore store;
        gluBuild2DMipmaps(GL_TEXTURE_2D, 4, info.biWidth, info.biHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.get());
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
}

GLuint CreateBlankTexture()
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    const std::vector<unsigned char> zeros(kBlankSize * kBlankSize * 4, 0);
    {
        BmpPixelStore store;
        glTexImage2D(GL_TEXTURE_2D, 0, 4, kBlankSize, kBlankSize, 0, GL_RGBA, GL_UNSIGNED_BYTE, zeros.data());
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return texture;
}
