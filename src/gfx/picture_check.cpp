#include "gfx/picture_check.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

namespace {

using Bytes = std::span<const uint8_t>;

uint32_t Be(const Bytes& b, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v = (v << 8) | b[at + i];
    return v;
}

uint32_t Le(const Bytes& b, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | b[at + i];
    return v;
}

const char* kCutShort = "The file ends before the picture does (it may have been cut short).";

// Why a picture of that size cannot be loaded, or "".
std::string SizeProblem(const PictureFacts& f)
{
    if (f.width <= 0 || f.height <= 0)
        return "The picture's header is damaged.";
    const long long most = f.kind == PictureKind::Jpeg ? kMaxJpegPixels : kMaxPicturePixels;
    if (f.width > kMaxPictureSide || f.height > kMaxPictureSide || (long long)f.width * f.height > most)
        return "The picture is too large (" + std::to_string(f.width) + " x " + std::to_string(f.height) +
               " pixels).";
    return "";
}

// Walks the markers from SOI to EOI, through the coded data of every scan.
std::string CheckJpeg(const Bytes& b, PictureFacts* facts)
{
    size_t at = 2;
    bool sawFrame = false;
    while (true) {
        if (at >= b.size())
            return kCutShort;
        if (b[at] != 0xFF)
            return "The picture's data is damaged.";
        while (at < b.size() && b[at] == 0xFF)
            ++at;
        if (at >= b.size())
            return kCutShort;
        const uint8_t marker = b[at++];
        if (marker == 0xD9)
            break;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        if (at + 2 > b.size())
            return kCutShort;
        const size_t length = Be(b, at, 2);
        if (length < 2)
            return "The picture's data is damaged.";
        if (at + length > b.size())
            return kCutShort;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 8)
                return "The picture's header is damaged.";
            facts->height = int(Be(b, at + 3, 2));
            facts->width = int(Be(b, at + 5, 2));
            sawFrame = true;
        }
        at += length;
        if (marker == 0xDA) {
            // Coded data runs to the next marker that is not a stuffed 0xFF
            // or a restart marker.
            while (true) {
                if (at + 1 >= b.size())
                    return kCutShort;
                if (b[at] == 0xFF && b[at + 1] != 0x00 && !(b[at + 1] >= 0xD0 && b[at + 1] <= 0xD7) &&
                    b[at + 1] != 0xFF)
                    break;
                ++at;
            }
        }
    }
    return sawFrame ? "" : "The picture's header is missing.";
}

// Walks the chunks from IHDR to IEND.
std::string CheckPng(const Bytes& b, PictureFacts* facts)
{
    size_t at = 8;
    bool first = true;
    while (true) {
        if (at + 8 > b.size())
            return kCutShort;
        const uint32_t length = Be(b, at, 4);
        const bool header = std::memcmp(&b[at + 4], "IHDR", 4) == 0;
        const bool end = std::memcmp(&b[at + 4], "IEND", 4) == 0;
        if (first != header || (header && length != 13))
            return "The picture's header is damaged.";
        if (uint64_t(at) + 12 + length > b.size())
            return kCutShort;
        if (header) {
            facts->width = int(std::min<uint32_t>(Be(b, at + 8, 4), 0x7FFFFFFF));
            facts->height = int(std::min<uint32_t>(Be(b, at + 12, 4), 0x7FFFFFFF));
        }
        first = false;
        at += 12 + size_t(length);
        if (end)
            return "";
    }
}

std::string CheckBmp(const Bytes& b, PictureFacts* facts)
{
    if (b.size() < 26)
        return kCutShort;
    const uint32_t offBits = Le(b, 10, 4);
    const uint32_t headerSize = Le(b, 14, 4);
    int64_t width = 0, height = 0;
    uint32_t planes = 0, bits = 0, compression = 0;
    if (headerSize == 12) {
        width = Le(b, 18, 2);
        height = Le(b, 20, 2);
        planes = Le(b, 22, 2);
        bits = Le(b, 24, 2);
    } else if (headerSize >= 40 && headerSize <= 124) {
        if (b.size() < 14 + size_t(headerSize))
            return kCutShort;
        width = int32_t(Le(b, 18, 4));
        height = int32_t(Le(b, 22, 4));
        planes = Le(b, 26, 2);
        bits = Le(b, 28, 2);
        compression = Le(b, 30, 4);
    } else {
        return "The picture's header is damaged.";
    }
    const bool knownBits = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    const bool knownCompression = compression == 0 || compression == 3 || (compression == 1 && bits == 8) ||
                                  (compression == 2 && bits == 4);
    if (width <= 0 || height == 0 || planes != 1 || !knownBits || !knownCompression)
        return "The picture's header is damaged.";
    facts->width = int(std::min<int64_t>(width, 0x7FFFFFFF));
    facts->height = int(std::min<int64_t>(height < 0 ? -height : height, 0x7FFFFFFF));
    if (std::string size = SizeProblem(*facts); !size.empty())
        return size;
    if (offBits < 14 + headerSize || offBits >= b.size())
        return kCutShort;
    if (compression == 0 || compression == 3) {
        const uint64_t stride = (uint64_t(bits) * uint64_t(width) + 31) / 32 * 4;
        if (offBits + stride * uint64_t(facts->height) > b.size())
            return kCutShort;
    }
    return "";
}

}  // namespace

const char* PictureFormatName(PictureKind kind)
{
    switch (kind) {
    case PictureKind::Jpeg: return "jpeg";
    case PictureKind::Png: return "png";
    case PictureKind::Bmp: return "bmp";
    case PictureKind::None: break;
    }
    return nullptr;
}

bool CheckPictureBytes(const std::string& bytes, PictureFacts* facts, std::string* problem)
{
    PictureFacts found;
    std::string why;
    const Bytes b(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    if (b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) {
        found.kind = PictureKind::Jpeg;
        why = CheckJpeg(b, &found);
    } else if (b.size() >= 8 && std::memcmp(b.data(), "\x89PNG\r\n\x1A\n", 8) == 0) {
        found.kind = PictureKind::Png;
        why = CheckPng(b, &found);
    } else if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') {
        found.kind = PictureKind::Bmp;
        why = CheckBmp(b, &found);
    } else {
        why = "It is not a JPEG, BMP or PNG picture.";
    }
    if (why.empty())
        why = SizeProblem(found);
    if (facts)
        *facts = found;
    if (problem)
        *problem = why;
    return why.empty();
}
