#include "platform/music_probe.h"

#include "platform/regular_file.h"

#include <cstring>

namespace {

uint32_t Le(const unsigned char* b, int n)
{
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | b[i];
    return v;
}

bool Same(const unsigned char* b, const char* tag) { return std::memcmp(b, tag, 4) == 0; }

const char* const kNotMusic = "It is not a music file the game can play (MP3, OGG, FLAC or WAV).";
const char* const kDamagedWav = "Its WAV header is damaged.";

// The first bytes of an MPEG audio frame: sync, a known version and layer,
// a bit rate and a sample rate that exist.
bool IsMpegFrame(const unsigned char* b)
{
    if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0)
        return false;
    const int version = (b[1] >> 3) & 3, layer = (b[1] >> 1) & 3;
    const int bitrate = b[2] >> 4, rate = (b[2] >> 2) & 3;
    return version != 1 && layer != 0 && bitrate != 15 && rate != 3;
}

// The format chunk: a coding the reader knows, with channels, rate and
// sample size it can take and a block size that agrees with them.
std::string CheckFormat(const unsigned char* f, uint32_t length)
{
    if (length < 16)
        return kDamagedWav;
    uint32_t coding = Le(f, 2);
    const uint32_t channels = Le(f + 2, 2), rate = Le(f + 4, 4), block = Le(f + 12, 2), bits = Le(f + 14, 2);
    if (coding == 0xFFFE) {
        if (length < 40)
            return kDamagedWav;
        coding = Le(f + 24, 4);  // the first field of the sub-format
    }
    bool knownBits = false;
    switch (coding) {
    case 1: knownBits = bits == 8 || bits == 16 || bits == 24 || bits == 32; break;
    case 3: knownBits = bits == 32 || bits == 64; break;
    case 6:
    case 7: knownBits = bits == 8; break;
    default: return "Its WAV data is of a coding the game cannot play.";
    }
    if (channels < 1 || channels > 8 || rate < 1 || rate > 768000 || !knownBits || block != channels * bits / 8)
        return kDamagedWav;
    return "";
}

// The sampler chunk: its loops within it.
bool SamplerFits(int fd, uint64_t at, uint32_t length)
{
    unsigned char head[36];
    if (length < 36 || ReadAt(fd, head, sizeof head, at) != static_cast<long long>(sizeof head))
        return false;
    return uint64_t(Le(head + 28, 4)) * 24 + 36 <= length;
}

// Walks the chunks of a RIFF WAVE file: a format chunk that can be played,
// then sound data; every chunk before the data within the file.
std::string CheckWav(int fd, uint64_t size)
{
    uint64_t at = 12;
    bool format = false;
    for (int chunks = 0; chunks < 4096; ++chunks) {
        unsigned char head[8];
        if (at + 8 > size || ReadAt(fd, head, 8, at) != 8)
            return format ? "It holds no sound data." : kDamagedWav;
        const uint32_t length = Le(head + 4, 4);
        const uint64_t body = at + 8;
        if (Same(head, "data"))
            return format ? "" : kDamagedWav;
        if (body + length > size)
            return "The file ends before its WAV header does (it may have been cut short).";
        if (Same(head, "fmt ")) {
            unsigned char f[40] = {};
            const size_t want = length < sizeof f ? length : sizeof f;
            if (ReadAt(fd, f, want, body) != static_cast<long long>(want))
                return kDamagedWav;
            if (std::string why = CheckFormat(f, length); !why.empty())
                return why;
            format = true;
        } else if (Same(head, "smpl") && !SamplerFits(fd, body, length)) {
            return kDamagedWav;
        }
        at = body + length + (length & 1);
    }
    return kDamagedWav;
}

}  // namespace

MusicKind ProbeMusicFile(int fd, uint64_t size, std::string* problem)
{
    std::string why;
    MusicKind kind = MusicKind::None;
    unsigned char b[12] = {};
    const long long n = size >= sizeof b ? ReadAt(fd, b, sizeof b, 0) : -1;
    if (size == 0) {
        why = "The file is empty.";
    } else if (n != static_cast<long long>(sizeof b)) {
        why = n < 0 && size >= sizeof b ? "The file cannot be read." : kNotMusic;
    } else if (Same(b, "RIFF") && Same(b + 8, "WAVE")) {
        why = CheckWav(fd, size);
        kind = MusicKind::Wav;
    } else if (Same(b, "OggS")) {
        kind = MusicKind::Ogg;
    } else if (Same(b, "fLaC")) {
        kind = MusicKind::Flac;
    } else if ((b[0] == 'I' && b[1] == 'D' && b[2] == '3') || IsMpegFrame(b)) {
        kind = MusicKind::Mp3;
    } else {
        why = kNotMusic;
    }
    if (!why.empty())
        kind = MusicKind::None;
    if (problem)
        *problem = why;
    return kind;
}
