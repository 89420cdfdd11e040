// Small BMP files written by the tests: a description, its bytes, and a
// temporary file that holds them.
#pragma once
#include "support/scratch.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

struct Bgra {
    uint8_t b = 0, g = 0, r = 0, a = 0;
};

// An uncompressed image as a writer lays it out. Pixel values come from
// `pixel` (x, y from the bottom row); 8-bit images take the index from `b`.
struct BmpSpec {
    int width = 4;
    int height = 4;
    int bitCount = 24;
    bool topDown = false;
    std::vector<Bgra> palette;  // 8-bit: entries written; biClrUsed 0 means 256 of them
    uint32_t clrUsed = 0;
    int gap = 0;  // bytes between the palette and the pixels
    std::function<Bgra(int x, int y)> pixel = [](int x, int y) {
        return Bgra{uint8_t(x * 16 + 1), uint8_t(y * 16 + 2), uint8_t(x + y * 8 + 3), uint8_t(200)};
    };
};

inline void PutLe(std::vector<uint8_t>& out, size_t at, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[at + i] = uint8_t(v >> (8 * i));
}

inline int FixtureRowStride(int bitCount, int width) { return (bitCount * width + 31) / 32 * 4; }

// Offsets of the fields in the written file.
namespace bmpfield {
constexpr size_t kType = 0, kOffBits = 10, kSize = 14, kWidth = 18, kHeight = 22, kPlanes = 26, kBitCount = 28,
                 kCompression = 30, kSizeImage = 34, kClrUsed = 46, kPalette = 54;
}

inline std::vector<uint8_t> MakeBmp(const BmpSpec& s)
{
    const size_t paletteBytes = 4 * s.palette.size();
    const size_t offBits = 54 + paletteBytes + s.gap;
    const int stride = FixtureRowStride(s.bitCount, s.width);
    const size_t imageBytes = size_t(stride) * s.height;
    std::vector<uint8_t> out(offBits + imageBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    PutLe(out, 2, uint32_t(out.size()), 4);
    PutLe(out, bmpfield::kOffBits, uint32_t(offBits), 4);
    PutLe(out, bmpfield::kSize, 40, 4);
    PutLe(out, bmpfield::kWidth, uint32_t(s.width), 4);
    PutLe(out, bmpfield::kHeight, uint32_t(s.topDown ? -s.height : s.height), 4);
    PutLe(out, bmpfield::kPlanes, 1, 2);
    PutLe(out, bmpfield::kBitCount, uint32_t(s.bitCount), 2);
    PutLe(out, bmpfield::kSizeImage, uint32_t(imageBytes), 4);
    PutLe(out, bmpfield::kClrUsed, s.clrUsed, 4);
    for (size_t i = 0; i < s.palette.size(); ++i) {
        const Bgra& c = s.palette[i];
        out[bmpfield::kPalette + 4 * i] = c.b;
        out[bmpfield::kPalette + 4 * i + 1] = c.g;
        out[bmpfield::kPalette + 4 * i + 2] = c.r;
    }
    const int bytes = s.bitCount / 8;
    for (int y = 0; y < s.height; ++y) {
        const int fileRow = s.topDown ? s.height - 1 - y : y;
        uint8_t* row = out.data() + offBits + size_t(stride) * fileRow;
        for (int x = 0; x < s.width; ++x) {
            const Bgra c = s.pixel(x, y);
            uint8_t* p = row + bytes * x;
            if (s.bitCount == 8) {
                p[0] = c.b;
                continue;
            }
            p[0] = c.b;
            p[1] = c.g;
            p[2] = c.r;
            if (bytes == 4)
                p[3] = c.a;
        }
    }
    return out;
}

// A palette of `count` entries whose entry i is (r, g, b) = (i, 255 - i, i / 2).
inline std::vector<Bgra> RampPalette(int count)
{
    std::vector<Bgra> p(count);
    for (int i = 0; i < count; ++i)
        p[i] = Bgra{uint8_t(i / 2), uint8_t(255 - i), uint8_t(i), 0};
    return p;
}

// A file in the temporary folder holding the given bytes, removed at the end.
class TempBmp {
public:
    explicit TempBmp(const std::vector<uint8_t>& bytes)
    {
        static int counter = 0;
        path_ = ProcessScratchFolder() + "/pv_bmp_" + std::to_string(counter++) + ".bmp";
        std::ofstream f(path_, std::ios::binary);
        f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    ~TempBmp()
    {
        std::error_code ec;
        std::filesystem::remove(path_, ec);
    }
    TempBmp(const TempBmp&) = delete;
    TempBmp& operator=(const TempBmp&) = delete;
    const char* path() const { return path_.c_str(); }

private:
    std::string path_;
};
