#include "gfx/bmp_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <system_error>
#include <utility>

namespace {

constexpr unsigned long long kFileHeaderSize = 14;
constexpr unsigned long long kInfoHeaderSize = 40;

WORD Le16(const unsigned char* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }

DWORD Le32(const unsigned char* p)
{
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
           (static_cast<DWORD>(p[3]) << 24);
}

void PutLe32(unsigned char* p, DWORD v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

BITMAPINFOHEADER DecodeInfoHeader(const unsigned char* p)
{
    BITMAPINFOHEADER h;
    h.biSize = Le32(p);
    h.biWidth = static_cast<LONG>(Le32(p + 4));
    h.biHeight = static_cast<LONG>(Le32(p + 8));
    h.biPlanes = Le16(p + 12);
    h.biBitCount = Le16(p + 14);
    h.biCompression = Le32(p + 16);
    h.biSizeImage = Le32(p + 20);
    h.biXPelsPerMeter = static_cast<LONG>(Le32(p + 24));
    h.biYPelsPerMeter = static_cast<LONG>(Le32(p + 28));
    h.biClrUsed = Le32(p + 32);
    h.biClrImportant = Le32(p + 36);
    return h;
}

// Where the parts of a checked file lie, as offsets from the file's start.
struct BmpLayout {
    BITMAPINFOHEADER info;
    int width = 0;
    int height = 0;
    bool topDown = false;
    int paletteSize = 0;
    unsigned long long paletteOffset = 0;
    unsigned long long pixelOffset = 0;
    unsigned long long stride = 0;
    unsigned long long end = 0;  // one past the last pixel byte
};

// Checks the first 54 bytes of a file of fileSize bytes.
bool ParseHeaders(const unsigned char* head, unsigned long long fileSize, BmpLayout* out)
{
    if (fileSize < kFileHeaderSize + kInfoHeaderSize || Le16(head) != BMP_SIGNATURE)
        return false;
    const DWORD offBits = Le32(head + 10);
    const BITMAPINFOHEADER info = DecodeInfoHeader(head + kFileHeaderSize);
    if (info.biSize < kInfoHeaderSize || kFileHeaderSize + info.biSize > fileSize)
        return false;
    if (info.biCompression != BI_RGB)
        return false;
    if (info.biBitCount != 8 && info.biBitCount != 24 && info.biBitCount != 32)
        return false;
    const long long width = info.biWidth;
    const long long height = info.biHeight < 0 ? -static_cast<long long>(info.biHeight) : info.biHeight;
    if (width < 1 || height < 1 || width > BMP_MAX_SIDE || height > BMP_MAX_SIDE || width * height > BMP_MAX_PIXELS)
        return false;

    int paletteSize = 0;
    if (info.biBitCount == 8) {
        if (info.biClrUsed > 256)
            return false;
        paletteSize = info.biClrUsed == 0 ? 256 : static_cast<int>(info.biClrUsed);
    }
    const unsigned long long paletteOffset = kFileHeaderSize + info.biSize;
    const unsigned long long direct = paletteOffset + 4ULL * paletteSize;
    const unsigned long long stride = static_cast<unsigned long long>(DibRowStride(info.biBitCount, static_cast<int>(width)));
    const unsigned long long imageBytes = stride * static_cast<unsigned long long>(height);

    unsigned long long pixelOffset = 0;
    if (offBits >= direct && offBits + imageBytes <= fileSize)
        pixelOffset = offBits;
    else if (direct + imageBytes <= fileSize)
        pixelOffset = direct;
    else
        return false;

    out->info = info;
    out->width = static_cast<int>(width);
    out->height = static_cast<int>(height);
    out->topDown = info.biHeight < 0;
    out->info.biHeight = static_cast<LONG>(height);
    out->paletteSize = paletteSize;
    out->paletteOffset = paletteOffset;
    out->pixelOffset = pixelOffset;
    out->stride = stride;
    out->end = pixelOffset + imageBytes;
    return true;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

void FlipRows(unsigned char* bits, unsigned long long stride, int height)
{
    for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        unsigned char* a = bits + stride * top;
        std::swap_ranges(a, a + stride, bits + stride * bottom);
    }
}

}  // namespace

int DibRowStride(int bitsPerPixel, int width)
{
    return static_cast<int>((static_cast<long long>(bitsPerPixel) * width + 31) / 32 * 4);
}

BOOL ReadDibFile(const char* path, LOADEDIMAGE* image)
{
    *image = LOADEDIMAGE{};
    if (!path)
        return FALSE;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return FALSE;
    const unsigned long long fileSize = std::filesystem::file_size(path, ec);
    if (ec)
        return FALSE;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file)
        return FALSE;

    unsigned char head[kFileHeaderSize + kInfoHeaderSize];
    BmpLayout layout;
    if (std::fread(head, 1, sizeof head, file.get()) != sizeof head || !ParseHeaders(head, fileSize, &layout))
        return FALSE;

    // The file after its file header, up to the last pixel byte.
    const unsigned long long size = layout.end - kFileHeaderSize;
    std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[size]);
    if (!buffer)
        return FALSE;
    std::memcpy(buffer.get(), head + kFileHeaderSize, kInfoHeaderSize);
    const unsigned long long rest = size - kInfoHeaderSize;
    if (std::fread(buffer.get() + kInfoHeaderSize, 1, rest, file.get()) != rest)
        return FALSE;

    unsigned char* bits = buffer.get() + (layout.pixelOffset - kFileHeaderSize);
    if (layout.topDown) {
        FlipRows(bits, layout.stride, layout.height);
        PutLe32(buffer.get() + 8, static_cast<DWORD>(layout.height));
    }
    image->info = layout.info;
    image->bits = bits;
    if (layout.paletteSize > 0) {
        image->palette = buffer.get() + (layout.paletteOffset - kFileHeaderSize);
        image->paletteSize = layout.paletteSize;
    }
    image->width = layout.width;
    image->height = layout.height;
    image->header = buffer.release();
    return TRUE;
}

void FreeDibFile(LOADEDIMAGE* image)
{
    delete[] image->header;
    delete[] image->scaled;
    *image = LOADEDIMAGE{};
}

void CopyDibAsBgr(const LOADEDIMAGE* image, unsigned char* out, int stride)
{
    const int width = image->info.biWidth;
    const int height = image->info.biHeight;
    const int bpp = image->info.biBitCount;
    const int bytes = bpp / 8;
    const int srcStride = DibRowStride(bpp, width);
    for (int y = 0; y < height; ++y) {
        const unsigned char* src = image->bits + static_cast<long long>(srcStride) * y;
        unsigned char* dst = out + static_cast<long long>(stride) * y;
        for (int x = 0; x < width; ++x, dst += 3) {
            if (bpp == 8) {
                const int index = src[x];
                if (index < image->paletteSize) {
                    std::memcpy(dst, image->palette + 4 * index, 3);
                } else {
                    dst[0] = dst[1] = dst[2] = 0;
                }
            } else {
                std::memcpy(dst, src + bytes * x, 3);
            }
        }
    }
}

unsigned char* ReadBmpFile(const char* path, BITMAPINFOHEADER* header)
{
    *header = BITMAPINFOHEADER{};
    LOADEDIMAGE image;
    if (!ReadDibFile(path, &image))
        return nullptr;
    const long long pixels = static_cast<long long>(image.width) * image.height;
    unsigned char* rgb = new (std::nothrow) unsigned char[pixels * 3];
    if (rgb) {
        CopyDibAsBgr(&image, rgb, image.width * 3);
        for (long long i = 0; i < pixels; ++i)
            std::swap(rgb[3 * i], rgb[3 * i + 2]);
        *header = image.info;
    }
    FreeDibFile(&image);
    return rgb;
}

unsigned char* ReadBmpAsRgba(const char* path, BITMAPINFOHEADER* header)
{
    std::unique_ptr<unsigned char[]> rgb(ReadBmpFile(path, header));
    if (!rgb)
        return nullptr;
    const long long pixels = static_cast<long long>(header->biWidth) * header->biHeight;
    unsigned char* rgba = new (std::nothrow) unsigned char[pixels * 4];
    if (!rgba) {
        *header = BITMAPINFOHEADER{};
        return nullptr;
    }
    for (long long i = 0; i < pixels; ++i) {
        const unsigned char* s = rgb.get() + 3 * i;
        unsigned char* d = rgba + 4 * i;
        d[0] = s[0];
        d[1] = s[1];
        d[2] = s[2];
        d[3] = (s[0] | s[1] | s[2]) ? 255 : 0;
    }
    return rgba;
}
