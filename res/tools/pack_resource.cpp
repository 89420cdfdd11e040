// Turns a BMP picture or WAV sound into the stored form carried inside the
// executable (see gfx/packed_format.h). Pictures are checked against what the
// game's BMP readers accept, so a bad file fails the build, not the game.
// Usage: pack_resource <in.bmp|in.wav> <out.ad>
#include "gfx/packed_format.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool ReadAll(const char* path, std::vector<uint8_t>* bytes)
{
    std::FILE* in = std::fopen(path, "rb");
    if (in == nullptr)
        return false;
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        bytes->insert(bytes->end(), chunk, chunk + got);
    const bool ok = std::ferror(in) == 0;
    std::fclose(in);
    return ok;
}

uint16_t Le16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

// Uncompressed bottom-up BMP, 24 bits or 8 bits with a palette, pixels right
// after the header, biSizeImage covering every row. Empty string when fine.
std::string CheckBmp(const std::vector<uint8_t>& b)
{
    if (b.size() < 54)
        return "too short for a BMP";
    const uint32_t offBits = packed::ReadLe32(&b[10]);
    const uint32_t infoSize = packed::ReadLe32(&b[14]);
    const auto width = static_cast<int32_t>(packed::ReadLe32(&b[18]));
    const auto height = static_cast<int32_t>(packed::ReadLe32(&b[22]));
    const uint16_t bits = Le16(b, 28);
    const uint32_t compression = packed::ReadLe32(&b[30]);
    const uint32_t sizeImage = packed::ReadLe32(&b[34]);
    const uint32_t colours = packed::ReadLe32(&b[46]);
    if (infoSize != 40)
        return "header is not 40 bytes";
    if (width <= 0 || height <= 0)
        return "not a bottom-up picture";
    if (compression != 0 || (bits != 24 && bits != 8))
        return "not an uncompressed 24-bit or 8-bit picture";
    const uint32_t palette = bits == 8 ? 4 * (colours != 0 ? colours : 256) : 0;
    if (offBits != 54 + palette)
        return "pixels do not follow the header";
    const uint64_t stride = (static_cast<uint64_t>(bits) * width + 31) / 32 * 4;
    if (sizeImage < stride * height || offBits + static_cast<uint64_t>(sizeImage) > b.size())
        return "biSizeImage does not cover the pixels";
    return {};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pack_resource <in.bmp|in.wav> <out.ad>\n");
        return 2;
    }
    std::vector<uint8_t> bytes;
    if (!ReadAll(argv[1], &bytes)) {
        std::fprintf(stderr, "pack_resource: cannot read %s\n", argv[1]);
        return 1;
    }
    uint8_t kind;
    if (bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 && std::memcmp(&bytes[8], "WAVE", 4) == 0) {
        kind = packed::kKindSound;
    } else if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        const std::string why = CheckBmp(bytes);
        if (!why.empty()) {
            std::fprintf(stderr, "pack_resource: %s: %s\n", argv[1], why.c_str());
            return 1;
        }
        kind = packed::kKindPicture;
    } else {
        std::fprintf(stderr, "pack_resource: %s is neither a BMP nor a WAV file\n", argv[1]);
        return 1;
    }

    const std::vector<uint8_t> out = packed::Pack(kind, bytes.data(), bytes.size());
    std::FILE* file = std::fopen(argv[2], "wb");
    bool ok = file != nullptr && std::fwrite(out.data(), 1, out.size(), file) == out.size();
    if (file != nullptr)
        ok = std::fclose(file) == 0 && ok;
    if (!ok) {
        std::remove(argv[2]);
        std::fprintf(stderr, "pack_resource: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
