#include "gfx/bmp_fixture.h"
#include "gfx/bmp_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

// The RGB bytes a reader should give for the image a spec describes.
std::vector<uint8_t> ExpectedRgb(const BmpSpec& s)
{
    const size_t entries = s.clrUsed ? s.clrUsed : 256;
    std::vector<uint8_t> rgb;
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            Bgra c = s.pixel(x, y);
            if (s.bitCount == 8)
                c = c.b < entries && c.b < s.palette.size() ? s.palette[c.b] : Bgra{};
            rgb.insert(rgb.end(), {c.r, c.g, c.b});
        }
    }
    return rgb;
}

std::vector<uint8_t> ReadRgb(const char* path, BITMAPINFOHEADER* header)
{
    std::unique_ptr<unsigned char[]> rgb(ReadBmpFile(path, header));
    if (!rgb)
        return {};
    return std::vector<uint8_t>(rgb.get(), rgb.get() + size_t(header->biWidth) * header->biHeight * 3);
}

TEST(DibRowStride, RowsArePaddedToFourBytes)
{
    struct Case {
        int bits, width, stride;
    };
    const Case cases[] = {
        {24, 1, 4}, {24, 2, 8}, {24, 3, 12}, {24, 4, 12}, {24, 5, 16}, {24, 100, 300}, {8, 1, 4},
        {8, 4, 4},  {8, 5, 8},  {32, 3, 12}, {1, 32, 4},  {1, 33, 8},  {4, 9, 8},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DibRowStride(c.bits, c.width), c.stride) << c.bits << " bits, width " << c.width;
}

struct ValidCase {
    const char* name;
    BmpSpec spec;
};

BmpSpec Spec24(int w, int h)
{
    BmpSpec s;
    s.width = w;
    s.height = h;
    return s;
}

BmpSpec Spec8(int w, int h, int paletteEntries, uint32_t clrUsed)
{
    BmpSpec s = Spec24(w, h);
    s.bitCount = 8;
    s.palette = RampPalette(paletteEntries);
    s.clrUsed = clrUsed;
    s.pixel = [](int x, int y) { return Bgra{uint8_t(x * 37 + y * 11), 0, 0, 0}; };
    return s;
}

std::vector<ValidCase> ValidCases()
{
    std::vector<ValidCase> v;
    v.push_back({"24-bit, rows unpadded", Spec24(4, 4)});
    v.push_back({"24-bit, padded width", Spec24(5, 3)});
    v.push_back({"24-bit, 1 x 1", Spec24(1, 1)});
    BmpSpec top = Spec24(5, 3);
    top.topDown = true;
    v.push_back({"24-bit, top-down", top});
    BmpSpec gap = Spec24(3, 2);
    gap.gap = 10;
    v.push_back({"24-bit, pixels at bfOffBits after a gap", gap});
    v.push_back({"8-bit, biClrUsed 0", Spec8(7, 3, 256, 0)});
    v.push_back({"8-bit, biClrUsed 16", Spec8(5, 4, 16, 16)});
    BmpSpec top8 = Spec8(3, 5, 256, 0);
    top8.topDown = true;
    v.push_back({"8-bit, top-down", top8});
    BmpSpec b32 = Spec24(3, 3);
    b32.bitCount = 32;
    v.push_back({"32-bit", b32});
    return v;
}

TEST(ReadBmpFile, ValidFilesGiveRgbRowsBottomUp)
{
    for (const ValidCase& c : ValidCases()) {
        SCOPED_TRACE(c.name);
        TempBmp file(MakeBmp(c.spec));
        BITMAPINFOHEADER header;
        EXPECT_EQ(ReadRgb(file.path(), &header), ExpectedRgb(c.spec));
        EXPECT_EQ(header.biWidth, c.spec.width);
        EXPECT_EQ(header.biHeight, c.spec.height);
        EXPECT_EQ(header.biBitCount, c.spec.bitCount);
    }
}

TEST(ReadDibFile, PixelsOfAnEightBitFileWithoutClrUsedFollow256PaletteEntries)
{
    TempBmp file(MakeBmp(Spec8(4, 2, 256, 0)));
    LOADEDIMAGE image;
    ASSERT_TRUE(ReadDibFile(file.path(), &image));
    EXPECT_EQ(image.palette, image.header + 40);
    EXPECT_EQ(image.bits, image.header + 40 + 1024);
    EXPECT_EQ(image.paletteSize, 256);
    EXPECT_EQ(image.width, 4);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.format, 0u);
    EXPECT_EQ(image.scaled, nullptr);
    FreeDibFile(&image);
    EXPECT_EQ(image.header, nullptr);
}

TEST(ReadDibFile, PixelsFollowAShortPaletteOfClrUsedEntries)
{
    TempBmp file(MakeBmp(Spec8(4, 2, 16, 16)));
    LOADEDIMAGE image;
    ASSERT_TRUE(ReadDibFile(file.path(), &image));
    EXPECT_EQ(image.bits, image.header + 40 + 64);
    EXPECT_EQ(image.paletteSize, 16);
    FreeDibFile(&image);
}

TEST(ReadDibFile, TopDownFileIsTurnedAndItsHeightMadePositive)
{
    BmpSpec s = Spec24(2, 3);
    s.topDown = true;
    TempBmp file(MakeBmp(s));
    LOADEDIMAGE image;
    ASSERT_TRUE(ReadDibFile(file.path(), &image));
    EXPECT_EQ(image.info.biHeight, 3);
    EXPECT_EQ(image.header[8], 3);  // the copy of the header agrees
    const Bgra bottomLeft = s.pixel(0, 0);
    EXPECT_EQ(image.bits[0], bottomLeft.b);
    EXPECT_EQ(image.bits[2], bottomLeft.r);
    FreeDibFile(&image);
}

// A palette holds at most 256 entries: a file whose biClrUsed is up to 256,
// with that many entries written, loads with its pixels after them; one that
// claims more is refused, even with every entry and pixel there.
TEST(ReadBmpFile, APaletteOfMoreThan256EntriesIsRefused)
{
    for (const uint32_t entries : {1u, 2u, 255u, 256u, 257u, 258u, 300u, 512u}) {
        SCOPED_TRACE(entries);
        BmpSpec s = Spec8(6, 3, int(entries), entries);
        const uint32_t indices = std::min(entries, 256u);
        s.pixel = [indices](int x, int y) { return Bgra{uint8_t((x * 37u + y * 11u) % indices), 0, 0, 0}; };
        const bool loads = entries <= 256;
        TempBmp file(MakeBmp(s));
        LOADEDIMAGE image;
        ASSERT_EQ(ReadDibFile(file.path(), &image) == TRUE, loads);
        if (loads) {
            EXPECT_EQ(image.paletteSize, int(entries));
            EXPECT_EQ(image.bits, image.header + 40 + 4 * entries);
        }
        FreeDibFile(&image);
        BITMAPINFOHEADER header;
        EXPECT_EQ(ReadRgb(file.path(), &header), loads ? ExpectedRgb(s) : std::vector<uint8_t>{});
    }
}

TEST(ReadBmpFile, PaletteIndexPastClrUsedGivesBlack)
{
    BmpSpec s = Spec8(4, 1, 4, 4);
    s.pixel = [](int x, int) { return Bgra{uint8_t(x == 0 ? 3 : x == 1 ? 4 : 255), 0, 0, 0}; };
    TempBmp file(MakeBmp(s));
    BITMAPINFOHEADER header;
    const std::vector<uint8_t> rgb = ReadRgb(file.path(), &header);
    ASSERT_EQ(rgb.size(), 12u);
    const Bgra last = s.palette[3];
    EXPECT_EQ(std::vector<uint8_t>(rgb.begin(), rgb.begin() + 3), (std::vector<uint8_t>{last.r, last.g, last.b}));
    EXPECT_EQ(std::vector<uint8_t>(rgb.begin() + 3, rgb.end()), std::vector<uint8_t>(9, 0));
}

TEST(ReadBmpAsRgba, OnlyPureBlackIsTransparent)
{
    const Bgra colours[] = {{0, 0, 0, 255}, {1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {255, 255, 255, 0}};
    const uint8_t alphas[] = {0, 255, 255, 255, 255};
    for (int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        BmpSpec s = Spec24(5, 1);
        s.bitCount = bits;
        s.pixel = [&](int x, int) { return colours[x]; };
        TempBmp file(MakeBmp(s));
        BITMAPINFOHEADER header;
        std::unique_ptr<unsigned char[]> rgba(ReadBmpAsRgba(file.path(), &header));
        ASSERT_TRUE(rgba);
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(rgba[4 * x], colours[x].r);
            EXPECT_EQ(rgba[4 * x + 1], colours[x].g);
            EXPECT_EQ(rgba[4 * x + 2], colours[x].b);
            EXPECT_EQ(rgba[4 * x + 3], alphas[x]) << "pixel " << x;
        }
    }
}

TEST(ReadBmpAsRgba, BlackPaletteEntryIsTransparent)
{
    BmpSpec s = Spec8(2, 1, 2, 2);
    s.palette[0] = Bgra{};
    s.palette[1] = Bgra{0, 0, 1, 0};
    s.pixel = [](int x, int) { return Bgra{uint8_t(x), 0, 0, 0}; };
    TempBmp file(MakeBmp(s));
    BITMAPINFOHEADER header;
    std::unique_ptr<unsigned char[]> rgba(ReadBmpAsRgba(file.path(), &header));
    ASSERT_TRUE(rgba);
    EXPECT_EQ(rgba[3], 0);
    EXPECT_EQ(rgba[7], 255);
}

// A valid file changed by `mutate`; the readers must refuse it or read it
// without touching memory past the file's bytes.
struct MalformedCase {
    const char* name;
    BmpSpec spec;
    std::function<void(std::vector<uint8_t>&)> mutate;
    enum { Refused, SamePixels, Loaded } expect;
};

std::function<void(std::vector<uint8_t>&)> Field(size_t at, uint32_t value, int bytes = 4)
{
    return [=](std::vector<uint8_t>& b) { PutLe(b, at, value, bytes); };
}

std::function<void(std::vector<uint8_t>&)> Truncate(size_t size)
{
    return [=](std::vector<uint8_t>& b) { b.resize(std::min(size, b.size())); };
}

std::vector<MalformedCase> MalformedCases()
{
    using namespace bmpfield;
    const BmpSpec rgb = Spec24(5, 3);
    const BmpSpec pal = Spec8(5, 3, 256, 0);
    const BmpSpec pal16 = Spec8(5, 3, 16, 16);
    const int rgbSize = 54 + 16 * 3;
    auto drop = [](size_t n) { return [=](std::vector<uint8_t>& b) { b.resize(b.size() - n); }; };
    return {
        {"empty file", rgb, Truncate(0), MalformedCase::Refused},
        {"file header only", rgb, Truncate(14), MalformedCase::Refused},
        {"info header cut short", rgb, Truncate(53), MalformedCase::Refused},
        {"last pixel byte missing", rgb, drop(1), MalformedCase::Refused},
        {"palette cut short", pal, Truncate(54 + 512), MalformedCase::Refused},
        {"not BM", rgb, Field(kType, 0x4142, 2), MalformedCase::Refused},
        {"width 0", rgb, Field(kWidth, 0), MalformedCase::Refused},
        {"width negative", rgb, Field(kWidth, uint32_t(-5)), MalformedCase::Refused},
        {"height 0", rgb, Field(kHeight, 0), MalformedCase::Refused},
        {"height INT32_MIN", rgb, Field(kHeight, 0x80000000u), MalformedCase::Refused},
        {"width past the file", rgb, Field(kWidth, 6), MalformedCase::Refused},
        {"height past the file", rgb, Field(kHeight, 4), MalformedCase::Refused},
        {"width huge", rgb, Field(kWidth, 0x7FFFFFFF), MalformedCase::Refused},
        {"top-down height huge", rgb, Field(kHeight, uint32_t(-100000)), MalformedCase::Refused},
        {"sides at the limit, no pixels", rgb,
         [](std::vector<uint8_t>& b) {
             PutLe(b, kWidth, 16384, 4);
             PutLe(b, kHeight, 16384, 4);
         },
         MalformedCase::Refused},
        {"biSize 12", rgb, Field(kSize, 12), MalformedCase::Refused},
        {"biSize past the file", rgb, Field(kSize, 0xFFFFFFF0u), MalformedCase::Refused},
        {"1-bit", rgb, Field(kBitCount, 1, 2), MalformedCase::Refused},
        {"4-bit", rgb, Field(kBitCount, 4, 2), MalformedCase::Refused},
        {"16-bit", rgb, Field(kBitCount, 16, 2), MalformedCase::Refused},
        {"0-bit", rgb, Field(kBitCount, 0, 2), MalformedCase::Refused},
        {"48-bit", rgb, Field(kBitCount, 48, 2), MalformedCase::Refused},
        {"BI_RLE8", pal, Field(kCompression, 1), MalformedCase::Refused},
        {"BI_RLE4", pal, Field(kCompression, 2), MalformedCase::Refused},
        {"BI_BITFIELDS", rgb, Field(kCompression, 3), MalformedCase::Refused},
        {"BI_JPEG", rgb, Field(kCompression, 4), MalformedCase::Refused},
        {"BI_PNG", rgb, Field(kCompression, 5), MalformedCase::Refused},
        {"biClrUsed 257", pal, Field(kClrUsed, 257), MalformedCase::Refused},
        {"biClrUsed huge", pal, Field(kClrUsed, 0xFFFFFFFFu), MalformedCase::Refused},
        {"biClrUsed 0 with 16 entries written", pal16, Field(kClrUsed, 0), MalformedCase::Refused},
        {"biSizeImage 0", rgb, Field(kSizeImage, 0), MalformedCase::SamePixels},
        {"biSizeImage too small", rgb, Field(kSizeImage, 3), MalformedCase::SamePixels},
        {"biSizeImage too large", rgb, Field(kSizeImage, 0xFFFFFFFFu), MalformedCase::SamePixels},
        {"bfOffBits 0", rgb, Field(kOffBits, 0), MalformedCase::SamePixels},
        {"bfOffBits inside the header", rgb, Field(kOffBits, 20), MalformedCase::SamePixels},
        {"bfOffBits at the end of the file", rgb, Field(kOffBits, rgbSize), MalformedCase::SamePixels},
        {"bfOffBits huge", rgb, Field(kOffBits, 0xFFFFFFFFu), MalformedCase::SamePixels},
        {"bfOffBits inside the palette", pal16, Field(kOffBits, 60), MalformedCase::SamePixels},
        {"bfOffBits one byte late", rgb, Field(kOffBits, 55), MalformedCase::SamePixels},
        {"trailing bytes", rgb, [](std::vector<uint8_t>& b) { b.resize(b.size() + 100, 7); },
         MalformedCase::SamePixels},
        {"planes 0", rgb, Field(kPlanes, 0, 2), MalformedCase::SamePixels},
        {"width shrunk", rgb, Field(kWidth, 2), MalformedCase::Loaded},
        {"8-bit file claiming 24 bits", pal, Field(kBitCount, 24, 2), MalformedCase::Loaded},
    };
}

TEST(ReadBmpFile, MalformedFilesAreRefusedOrReadWithinTheirBytes)
{
    for (const MalformedCase& c : MalformedCases()) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> bytes = MakeBmp(c.spec);
        c.mutate(bytes);
        TempBmp file(bytes);

        LOADEDIMAGE image;
        const BOOL read = ReadDibFile(file.path(), &image);
        EXPECT_EQ(read, c.expect != MalformedCase::Refused);
        if (read) {
            // Every pixel byte lies inside what was read.
            std::vector<uint8_t> copy(size_t(image.width) * image.height * 3);
            CopyDibAsBgr(&image, copy.data(), image.width * 3);
        } else {
            EXPECT_EQ(image.header, nullptr);
        }
        FreeDibFile(&image);

        BITMAPINFOHEADER header;
        const std::vector<uint8_t> rgb = ReadRgb(file.path(), &header);
        EXPECT_EQ(rgb.empty(), c.expect == MalformedCase::Refused);
        if (c.expect == MalformedCase::SamePixels) {
            EXPECT_EQ(rgb, ExpectedRgb(c.spec));
        }
        BITMAPINFOHEADER rgbaHeader;
        std::unique_ptr<unsigned char[]> rgba(ReadBmpAsRgba(file.path(), &rgbaHeader));
        EXPECT_EQ(rgba == nullptr, c.expect == MalformedCase::Refused);
    }
}

TEST(ReadBmpFile, EveryCutShortFileIsRefused)
{
    for (const BmpSpec& spec : {Spec24(3, 2), Spec8(3, 2, 4, 4)}) {
        const std::vector<uint8_t> whole = MakeBmp(spec);
        for (size_t n = 0; n < whole.size(); ++n) {
            TempBmp file(std::vector<uint8_t>(whole.begin(), whole.begin() + n));
            BITMAPINFOHEADER header;
            std::unique_ptr<unsigned char[]> rgb(ReadBmpFile(file.path(), &header));
            EXPECT_EQ(rgb, nullptr) << spec.bitCount << "-bit file cut to " << n << " bytes";
        }
    }
}

TEST(ReadBmpFile, SizeLimits)
{
    struct Case {
        int width, height;
        bool loads;
    };
    const Case cases[] = {
        {BMP_MAX_SIDE, 1, true},
        {BMP_MAX_SIDE + 1, 1, false},
        {1, BMP_MAX_SIDE + 1, false},
        {4096, 4096, true},
        {4096, 4097, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        BmpSpec s = Spec8(c.width, c.height, 2, 2);
        s.pixel = [](int, int) { return Bgra{1, 0, 0, 0}; };
        TempBmp file(MakeBmp(s));
        LOADEDIMAGE image;
        EXPECT_EQ(ReadDibFile(file.path(), &image), c.loads ? TRUE : FALSE);
        FreeDibFile(&image);
    }
}

TEST(ReadBmpFile, MissingFileDirectoryAndNullPathAreRefused)
{
    BITMAPINFOHEADER header;
    LOADEDIMAGE image;
    const std::string dir = ProcessScratchFolder();
    for (const char* path : {"/nonexistent/pv_texture.bmp", dir.c_str(), static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(ReadBmpFile(path, &header), nullptr);
        EXPECT_EQ(ReadBmpAsRgba(path, &header), nullptr);
        EXPECT_FALSE(ReadDibFile(path, &image));
    }
}

}  // namespace
